#pragma once
// How the design-conditions editor ("設計条件") presents the record: every number
// field, choice and switch with the caption, hint, page and group the window shows it
// under, the suggestion lists, the fixed tables of the seismic page and the pages and
// tabs selected at start-up. The window is built from these lists, so a caption is
// written once and tests read what the window shows without a display.
#include <string>
#include <vector>

#include "model/design_conditions.h"
#include "model/design_conditions_editor.h"

namespace marvoten {

// Where a control stands: the left-hand panel of soils, one of the four pages of the
// load group "４．荷重", or the right-hand panel of member settings.
enum class EditorPage {
    SoilPanel,
    SelfWeight,          // "(1)自重"
    BackfillSurface,     // "(2)背面土形状、載荷重、土圧"
    OtherLoads,          // "(3)その他の荷重"
    SeismicCoefficient,  // "(4)設計震度", shown only in the seismic case
    MemberPanel,
};

// The caption of a load page; empty for the two panels.
const char* loadPageCaption(EditorPage page);
// The load pages in tab order.
const std::vector<EditorPage>& loadPages();

struct EditorControl {
    enum class Kind { Number, Choice, Option };
    Kind kind = Kind::Number;
    NumberField DesignConditions::*field = nullptr;  // Kind::Number
    Choice choice{};                                 // Kind::Choice
    Option option{};                                 // Kind::Option
    const char* caption = "";
    const char* hint = "";
    EditorPage page = EditorPage::SoilPanel;
    const char* group = "";     // the group box the control stands in
    const char* subgroup = "";  // a caption above the control inside its group, or ""
    const std::vector<std::string>* suggestions = nullptr;  // number fields with a list
};

// Every number field, choice and switch the editor shows, in the window's order. The
// rebar modes and the hidden choices (virtual back face, heel bars) are not among them.
const std::vector<EditorControl>& editorControls();
// The entry of a number field, or nullptr for a field the editor does not show.
const EditorControl* editorControl(NumberField DesignConditions::*field);

// --- rebar tabs -----------------------------------------------------------------------
struct RebarTab {
    RebarMember member;
    Choice mode;
    const char* caption;  // "たて壁", "つま先", "突起"
};
// The tabs the editor offers: the heel's bars are never shown.
const std::vector<RebarTab>& rebarTabs();
inline constexpr const char* kRebarGroupCaption = "配筋(mm)設定";

// --- start-up -------------------------------------------------------------------------
inline constexpr EditorPage kStartLoadPage = EditorPage::SelfWeight;
inline constexpr const char* kSeismicStandardSubPage = "標準値（Kho）設定";
inline constexpr const char* kSeismicRegionSubPage = "補正係数（Cz）設定";
inline constexpr const char* kStartRebarTab = "たて壁";
inline constexpr const char* kWallShapeTab = "逆Ｌ型";
inline constexpr const char* kShearKeyTab = "突起";
// The earth-pressure group keeps the number "④" because the virtual back face, which
// would be ④, is never shown.
inline constexpr const char* kEarthPressureGroupCaption = "④土圧";
inline constexpr const char* kWallPictureHint = "擁壁形状を入力してください";
inline constexpr const char* kSeismicRowHint = "地震時に、入力可能です";
inline constexpr const char* kSeismicRowGroup = "設計水平震度";

// --- fixed tables of the seismic page --------------------------------------------------
struct FixedTable {
    const char* caption;
    std::vector<int> columnWidths;               // pixels
    std::vector<std::vector<std::string>> rows;  // header row first
    const char* hint;
};
// "参表1-2：標準値（Kho）"; a click on a data cell sets the standard value.
const FixedTable& standardValueTable();
// "表1-9：地盤種別", display only.
const FixedTable& groundClassTable();
// The ground-layers grid's caption, header row and column widths; its data rows are
// the record's `groundLayers` under the row number.
const FixedTable& groundLayersGrid();
// One row of the ground-layers grid as the window shows it: number, 層厚, N値, 土質.
std::vector<std::string> groundLayerRow(const DesignConditions& d, int row);
inline constexpr const char* kGroundPeriodButton = "特性値（Tg）計算";

// Silver while the seismic tools are out of use (the normal case), white otherwise:
// the ground of the two fixed tables and of the first region list.
Colour seismicToolsColour(const DesignConditions& d);

// The caption colour of a switch as RGB (maroon when on, black when off).
std::uint32_t switchCaptionRgb(const Switch& s);
// The ground of a number field as RGB: silver when disabled, the window's otherwise.
std::uint32_t fieldGroundRgb(const NumberField& f);

}  // namespace marvoten

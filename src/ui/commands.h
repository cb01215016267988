#pragma once
// The commands of the main window's menus and toolbars, as data: one table of
// menu entries and one of toolbar buttons, from which the window is built and
// which the tests read. A caption is written once, here.
#include <QStyle>
#include <optional>
#include <span>
#include <string_view>

namespace marvoten {

enum class Command {
    None,  // a menu or submenu heading, or a separator
    LoadDesign,
    SaveDesign,
    Exit,
    PrintBook,
    PreviewBook,
    PreviewContents,
    PreviewConditions,
    PreviewStabilitySelfWeight,
    PreviewSlabSelfWeight,
    PreviewEarthPressure,
    PreviewStability,
    PreviewUltimateBearing,
    PreviewLoadDiagram,
    PreviewStemForces,
    PreviewStemStresses,
    PreviewStemAnchorage,
    PreviewToeSlab,
    PreviewShearKey,
    PrinterSetup,
    TextOutput,
    MetafileOutput,
    PdfOutput,
    ShowEditor,
    ShowResults,
    ShowSoilConstantsFromMenu,                 // placed at (0, 70)
    ShowSoilConstantsFromToolbar,              // placed at (0, 82)
    ShowEarthPressureCoefficientsFromMenu,     // where the window stands
    ShowEarthPressureCoefficientsFromToolbar,  // placed at (0, 90)
    ShowBearingFactors,
    ShowBeamTable,
    RunCalculation,
    ShowParameterStudy,
    ShowAbout,
};

// The windows of the program besides the main window, in the order start-up
// creates them.
enum class WindowId {
    Results,
    EarthPressureCoefficients,
    SoilConstants,
    Editor,
    BeamTable,
    About,
    AllowableStresses,
    PrintedPages,
    InputPalette,
    ParameterStudy,
};
inline constexpr int windowCount = 10;

// The window that performs a command, or none for the main window's own
// commands (files, outputs, the run, the printer choice, exit).
std::optional<WindowId> commandWindow(Command command);

inline constexpr std::string_view separatorCaption = "-";

struct MenuEntry {
    int depth;  // 0 a menu of the menu bar, 1 its entries, 2 and 3 submenu entries
    std::string_view caption;
    Command command = Command::None;  // None with entries below it: a submenu
    bool shearKeyOnly = false;        // shown only while the design has a shear key
    bool isSeparator() const { return caption == separatorCaption; }
};

struct ToolbarButton {
    int toolbar;  // 1 or 2
    std::string_view caption;
    std::string_view hint;  // empty: the caption
    Command command = Command::None;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    bool isSeparator() const { return command == Command::None; }
};

std::span<const MenuEntry> menuEntries();
std::span<const ToolbarButton> toolbarButtons();

}  // namespace marvoten

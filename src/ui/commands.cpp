#include "ui/commands.h"

#include <array>

namespace marvoten {
namespace {

using C = Command;

constexpr std::array menus{
    MenuEntry{0, "ファイル(&F)"},
    MenuEntry{1, "1.設計条件読込...", C::LoadDesign},
    MenuEntry{1, "2.設計条件保存...", C::SaveDesign},
    MenuEntry{1, separatorCaption},
    MenuEntry{1, "3.終了...", C::Exit},

    MenuEntry{0, "印刷(&P)"},
    MenuEntry{1, "1.計算書一括印刷"},
    MenuEntry{2, "即印刷", C::PrintBook},
    MenuEntry{2, "ﾌﾟﾚﾋﾞｭｰ", C::PreviewBook},
    MenuEntry{1, "2.計算書ﾌﾟﾚﾋﾞｭｰ"},
    MenuEntry{2, "目次", C::PreviewContents},
    MenuEntry{2, separatorCaption},
    MenuEntry{2, "Ⅰ．設計条件", C::PreviewConditions},
    MenuEntry{2, separatorCaption},
    MenuEntry{2, "Ⅱ-1．荷重計算(自重：安定計算用)", C::PreviewStabilitySelfWeight},
    MenuEntry{2, "Ⅱ-2．荷重計算(自重：構造計算用)", C::PreviewSlabSelfWeight},
    MenuEntry{2, "Ⅱ-3．荷重計算(土圧)", C::PreviewEarthPressure},
    MenuEntry{2, separatorCaption},
    MenuEntry{2, "Ⅲ-1．安定計算"},
    MenuEntry{3, "1．滑動、転倒、支持力", C::PreviewStability},
    MenuEntry{3, "2．極限支持力", C::PreviewUltimateBearing},
    MenuEntry{2, "Ⅲ-2．荷重図", C::PreviewLoadDiagram},
    MenuEntry{2, separatorCaption},
    MenuEntry{2, "Ⅳ-1．構造計算(たて壁)"},
    MenuEntry{3, "1．断面力", C::PreviewStemForces},
    MenuEntry{3, "2．応力度", C::PreviewStemStresses},
    MenuEntry{3, "3．定着長", C::PreviewStemAnchorage},
    MenuEntry{2, "Ⅳ-2．構造計算(底版)"},
    MenuEntry{3, "1．つま先版", C::PreviewToeSlab},
    MenuEntry{3, "2．突起", C::PreviewShearKey, true},
    MenuEntry{1, separatorCaption},
    MenuEntry{1, "3.プリンタ設定...", C::PrinterSetup},

    MenuEntry{0, "編集(&E)"},
    MenuEntry{1, "1.テキスト出力...", C::TextOutput},
    MenuEntry{1, "2.ﾒﾀﾌｧｲﾙ出力...", C::MetafileOutput},
    MenuEntry{1, "3.PDF出力...", C::PdfOutput},

    MenuEntry{0, "表示(&V)"},
    MenuEntry{1, "1.設計条件", C::ShowEditor},
    MenuEntry{1, "2.計算結果", C::ShowResults},
    MenuEntry{1, separatorCaption},
    MenuEntry{1, "3.土質定数表", C::ShowSoilConstantsFromMenu},
    MenuEntry{1, "4.土圧係数", C::ShowEarthPressureCoefficientsFromMenu},
    MenuEntry{1, separatorCaption},
    MenuEntry{1, "5.単鉄筋C1,C2,Po表", C::ShowBeamTable},

    MenuEntry{0, "実行(&R)"},
    MenuEntry{1, "1.計算開始", C::RunCalculation},
    MenuEntry{1, "2.パラメータ検討...", C::ShowParameterStudy},

    MenuEntry{0, "システム(&S)"},
    MenuEntry{1, "2.このシステムは...", C::ShowAbout},
};

constexpr std::array toolbars{
    ToolbarButton{1, "終了", "", C::Exit, QStyle::SP_DialogCloseButton},
    ToolbarButton{1, separatorCaption, ""},
    ToolbarButton{1, "開く", "読込", C::LoadDesign, QStyle::SP_DialogOpenButton},
    ToolbarButton{1, "保存", "", C::SaveDesign, QStyle::SP_DialogSaveButton},
    ToolbarButton{1, "印刷", "", C::PrintBook, QStyle::SP_ComputerIcon},
    ToolbarButton{1, separatorCaption, ""},
    ToolbarButton{1, "ﾃｷｽﾄ", "ﾃｷｽﾄ出力", C::TextOutput, QStyle::SP_FileIcon},
    ToolbarButton{1, "WMF", "WMF出力", C::MetafileOutput, QStyle::SP_FileDialogContentsView},
    ToolbarButton{1, "PDF", "PDF出力", C::PdfOutput, QStyle::SP_FileLinkIcon},

    ToolbarButton{2, "設計条件", "", C::ShowEditor, QStyle::SP_FileDialogInfoView},
    ToolbarButton{2, "計算結果", "", C::ShowResults, QStyle::SP_FileDialogListView},
    ToolbarButton{2, separatorCaption, ""},
    ToolbarButton{2, "土質定数", "", C::ShowSoilConstantsFromToolbar, QStyle::SP_DirIcon},
    ToolbarButton{2, separatorCaption, ""},
    ToolbarButton{2, "単鉄筋表", "", C::ShowBeamTable, QStyle::SP_FileDialogDetailedView},
    ToolbarButton{2, separatorCaption, ""},
    ToolbarButton{2, "土圧係数", "", C::ShowEarthPressureCoefficientsFromToolbar,
                  QStyle::SP_ArrowRight},
    ToolbarButton{2, "支持力係数", "", C::ShowBearingFactors, QStyle::SP_ArrowDown},
};

}  // namespace

std::span<const MenuEntry> menuEntries() {
    return menus;
}

std::span<const ToolbarButton> toolbarButtons() {
    return toolbars;
}

std::optional<WindowId> commandWindow(Command command) {
    switch (command) {
        case C::PrintBook:
        case C::PreviewBook:
        case C::PreviewContents:
        case C::PreviewConditions:
        case C::PreviewStabilitySelfWeight:
        case C::PreviewSlabSelfWeight:
        case C::PreviewEarthPressure:
        case C::PreviewStability:
        case C::PreviewUltimateBearing:
        case C::PreviewLoadDiagram:
        case C::PreviewStemForces:
        case C::PreviewStemStresses:
        case C::PreviewStemAnchorage:
        case C::PreviewToeSlab:
        case C::PreviewShearKey:
            return WindowId::PrintedPages;
        case C::ShowEditor:
            return WindowId::Editor;
        case C::ShowResults:
            return WindowId::Results;
        case C::ShowSoilConstantsFromMenu:
        case C::ShowSoilConstantsFromToolbar:
            return WindowId::SoilConstants;
        case C::ShowEarthPressureCoefficientsFromMenu:
        case C::ShowEarthPressureCoefficientsFromToolbar:
        case C::ShowBearingFactors:
            return WindowId::EarthPressureCoefficients;
        case C::ShowBeamTable:
            return WindowId::BeamTable;
        case C::ShowParameterStudy:
            return WindowId::ParameterStudy;
        case C::ShowAbout:
            return WindowId::About;
        default:
            return std::nullopt;
    }
}

}  // namespace marvoten

#include "model/soil_constants.h"

namespace marvoten {

namespace soilTables {
const TextGrid backfillStrength{
    {"土の種類", "重量(γ)", "ｾﾝ断抵抗角(φ)", "粘着力(C)"},
    {"礫質土", "20(kN/m3)", "35゜", "0"},
    {"砂質土", "19(kN/m3)", "30゜", "0"},
    {"粘性土", "18(kN/m3)", "25゜", "0"},
};
const TextGrid naturalGround{
    {"土の種類", "緩いもの", "密なもの"},
    {"礫及び砂礫", "18(kN/m3)", "20(kN/m3)"},
    {"砂質土", "17(kN/m3)", "19(kN/m3)"},
    {"粘性土", "14(kN/m3)", "18(kN/m3)"},
};
const TextGrid foundationGround{
    {"地盤種類", "分類", "qa許容支持力度", "μ摩擦係数", "qu(kN/m2)", "N値"},
    {"岩盤", "きれつ少い", "1000", "0.7", "10000以上", "-"},
    {"　〃", "きれつ多い", "600", "0.7", "10000以上", "-"},
    {"　〃", "軟岩･土丹", "300", "0.7", "1000以上", "-"},
    {"礫層", "密なもの", "600", "0.6", "-", "-"},
    {"　〃", "密でない", "300", "0.6", "-", "-"},
    {"砂質地盤", "密なもの", "300", "0.6", "-", "30～50"},
    {"　〃　　", "中位なもの", "200", "0.6", "-", "20～30"},
    {"粘性土地盤", "非常に堅い", "200", "0.5", "200～400", "15～30"},
    {"　　〃　　", "堅いもの", "100", "0.5", "100～200", "10～15"},
};
}  // namespace soilTables

namespace {

constexpr int qaColumn = 2;
constexpr int muColumn = 3;

int dataRows(const TextGrid& grid) {
    return static_cast<int>(grid.size()) - 1;
}
bool isDataRow(const TextGrid& grid, int row) {
    return row >= 1 && row <= dataRows(grid);
}

}  // namespace

std::string backfillSoilQuestion(int soilType) {
    return "裏込め土の土質=" + items::backfillSoilType.at(static_cast<std::size_t>(soilType)) +
           "\r\rを設計条件に転記します。いいですか。";
}

std::string foundationGroundQuestion(int row) {
    const auto& cells = soilTables::foundationGround.at(static_cast<std::size_t>(row));
    return "許容鉛直支持力度[qa]  = " + cells[qaColumn] +
           " kN/m2\r\r摩擦係数[μ=tan(φb)]  = " + cells[muColumn] + "\r\rいいですか。";
}

SoilConstantsWindow::SoilConstantsWindow(Dialogs& dialogs, DesignConditionsEditor& editor)
    : dialogs_(dialogs), editor_(editor) {}

void SoilConstantsWindow::showAt(ScreenPosition position) {
    position_ = position;
    visible_ = true;
}

void SoilConstantsWindow::clickBackfillStrength(int row) {
    if (isDataRow(soilTables::backfillStrength, row)) selectedBackfillRow_ = row;
    offerBackfillSoil();
}

void SoilConstantsWindow::clickNaturalGround(int) {
    offerBackfillSoil();
}

void SoilConstantsWindow::offerBackfillSoil() {
    const int soilType = selectedBackfillRow_ - 1;
    if (!dialogs_.confirm(backfillSoilQuestion(soilType))) return;
    using D = DesignConditions;
    // The kind first: its presets would otherwise overwrite the table's values.
    editor_.transferChoice(Choice::BackfillSoilType, soilType);
    const BackfillSoilPreset& preset = kBackfillSoilPresets.at(static_cast<std::size_t>(soilType));
    editor_.transferText(&D::backfillUnitWeight, preset.unitWeight);
    editor_.transferText(&D::backfillPhi, preset.phi);
    editor_.transferText(&D::backfillCohesion, preset.cohesion);
}

void SoilConstantsWindow::clickFoundationGround(int row) {
    if (!isDataRow(soilTables::foundationGround, row)) return;
    selectedFoundationRow_ = row;
    if (!dialogs_.confirm(foundationGroundQuestion(row))) return;
    const auto& cells = soilTables::foundationGround[static_cast<std::size_t>(row)];
    editor_.transferText(&DesignConditions::allowableBearing, cells[qaColumn]);
    editor_.transferText(&DesignConditions::frictionCoeff, cells[muColumn]);
    visible_ = false;
}

}  // namespace marvoten

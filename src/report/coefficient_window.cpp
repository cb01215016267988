#include "report/coefficient_window.h"

#include <cmath>

#include "platform/number_text.h"

namespace marvoten {

namespace {

// One column of the backfill presets as list items.
std::vector<std::string> presetColumn(const char* BackfillSoilPreset::*column) {
    std::vector<std::string> texts;
    for (const BackfillSoilPreset& preset : kBackfillSoilPresets)
        texts.emplace_back(preset.*column);
    return texts;
}

}  // namespace

namespace items {
const std::vector<std::string> coefficientSoilKind{"礫質土", "砂質土", "粘性土"};
const std::vector<std::string> coefficientGamma = presetColumn(&BackfillSoilPreset::unitWeight);
const std::vector<std::string> coefficientPhi = presetColumn(&BackfillSoilPreset::phi);
const std::vector<std::string> coefficientCohesion{"0", "1"};
const std::vector<std::string> coefficientCase{"常時", "地震時"};
const std::vector<std::string> coefficientKh{"0.10", "0.11", "0.12", "0.13", "0.14", "0.15",
                                             "0.16", "0.17", "0.18", "0.19", "0.20"};
const std::vector<std::string> wallTypeTabs{"重力式１", "重力式２", "もたれ式", "逆Ｔ型"};
const std::vector<std::string> gravityBackSlope{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6"};
const std::vector<std::string> leaningBackSlope{"0.0",  "-0.1", "-0.2", "-0.3",
                                                "-0.4", "-0.5", "-0.6"};
}  // namespace items

// The guideline's β of an inverted-T wall needs the heel width, which a reference
// table of unit height does not have.
const std::string invertedTWallMessage =
    "H24擁壁工指針では,βの計算にかかと版の幅\r\rが必要になったで計算出来ません。";

namespace {

const std::string badInputMessage =
    "γは正の値、φは0以上90未満、C及びkhは0以上の値を入力して下さい。";

}  // namespace

CoefficientWindow::CoefficientWindow(Dialogs& dialogs, DesignConditionsEditor& editor)
    : dialogs_(dialogs), editor_(editor) {}

void CoefficientWindow::notify(unsigned flags) {
    if (listener_ && flags != 0) listener_(CoefficientChange{flags});
}

void CoefficientWindow::chooseSoilKind(int item) {
    if (item < 0 || item >= static_cast<int>(items::coefficientSoilKind.size())) return;
    soilKind_ = item;
    gamma_ = items::coefficientGamma[static_cast<std::size_t>(item)];
    phi_ = items::coefficientPhi[static_cast<std::size_t>(item)];
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::chooseLoadCase(int item) {
    if (item < 0 || item > 1) return;
    loadCase_ = item;
    khEnabled_ = item == 1;
    kh_ = khEnabled_ ? "0.1" : "0.0";
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::setGamma(std::string text) {
    gamma_ = std::move(text);
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::setPhi(std::string text) {
    phi_ = std::move(text);
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::setCohesion(std::string text) {
    cohesion_ = std::move(text);
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::setKh(std::string text) {
    if (!khEnabled_) return;
    kh_ = std::move(text);
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::chooseWallType(WallTypeTab type) {
    wallType_ = type;
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::setGravityBackSlope(std::string text) {
    gravityBackSlope_ = std::move(text);
    notify(CoefficientChange::Inputs);
}

void CoefficientWindow::setLeaningBackSlope(std::string text) {
    leaningBackSlope_ = std::move(text);
    notify(CoefficientChange::Inputs);
}

// The table's own object: wall friction 2φ/3 in the normal case and φ/2 with seismic
// earth pressure, and no tension crack.
std::string coefficientTableAssumptions(bool seismic) {
    return std::string("この表は現在の設計条件によらず、壁面摩擦角 δ＝") +
           (seismic ? "φ/2（地震時）" : "2φ/3（常時）") + "、粘着高 Zc は考慮せずに求めています。";
}

void CoefficientWindow::display() {
    if (wallType_ == WallTypeTab::InvertedT) {
        dialogs_.message(MessageKind::Information, invertedTWallMessage);
        return;
    }
    CoefficientConditions c;
    try {
        c.gamma = textToNumber(gamma_, "γ");
        c.phiDeg = textToNumber(phi_, "φ");
        c.c = textToNumber(cohesion_, "C");
        c.seismic = loadCase_ == 1;
        if (c.seismic) c.kh = textToNumber(kh_, "kh");
        // α from the back slope 1:n of the chosen wall type: tan α = n.
        if (wallType_ == WallTypeTab::Gravity2)
            c.alpha = std::atan(textToNumber(gravityBackSlope_, "背面勾配"));
        else if (wallType_ == WallTypeTab::Leaning)
            c.alpha = std::atan(textToNumber(leaningBackSlope_, "背面勾配"));
    } catch (const ConversionError& e) {
        dialogs_.message(MessageKind::Error, e.what());
        return;
    }
    // A weightless soil or φ of 90° or more gives no wedge; the table would show
    // infinities.
    if (!(c.gamma > 0) || !(c.phiDeg >= 0 && c.phiDeg < 90) || !(c.c >= 0) || !(c.kh >= 0) ||
        !std::isfinite(c.alpha)) {
        dialogs_.message(MessageKind::Error, badInputMessage);
        return;
    }
    computeCoefficientTable(c, table_, figure_);
    assumptions_ = coefficientTableAssumptions(c.seismic);
    notify(CoefficientChange::Coefficients);
}

bool CoefficientWindow::tabShown(CoefficientTab t) const {
    return t == CoefficientTab::Coefficients ? coefficientTabShown_ : bearingTabsShown_;
}

void CoefficientWindow::selectTab(CoefficientTab t) {
    if (!tabShown(t)) return;
    selected_ = t;
    notify(CoefficientChange::Tabs);
}

// Set-up each time the window becomes visible: at the left edge, the first wall
// type, the fixed cells and, once the coefficient tab is shown, a fresh table. The
// editor's seismic load set goes to seismic earth pressure with inertia, the
// combination the table is computed for.
void CoefficientWindow::showTimeSetUp() {
    position_ = {0, 82};
    wallType_ = WallTypeTab::Gravity1;
    editor_.transferChoice(Choice::SeismicLoadSet, 1);
    writeCoefficientFixedCells(table_);
    tablePending_ = true;
}

// The embankment table takes a hundred trial wedges: it is computed when its tab is
// first shown in this showing, not for the bearing-factor tabs alone.
void CoefficientWindow::displayPendingTable() {
    if (!tablePending_ || !coefficientTabShown_) return;
    tablePending_ = false;
    display();
}

void CoefficientWindow::show() {
    if (visible_) return;
    visible_ = true;
    showTimeSetUp();
    displayPendingTable();
    notify(CoefficientChange::Inputs | CoefficientChange::Window);
}

void CoefficientWindow::showCoefficients() {
    coefficientTabShown_ = true;
    bearingTabsShown_ = false;
    selected_ = CoefficientTab::Coefficients;
    notify(CoefficientChange::Tabs);
    show();
    displayPendingTable();  // the window stood with the bearing-factor tabs alone
}

void CoefficientWindow::showCoefficientsAt(ScreenPosition position) {
    position_ = position;
    notify(CoefficientChange::Window);
    showCoefficients();
}

void CoefficientWindow::showBearingFactorsAt(ScreenPosition position) {
    position_ = position;
    coefficientTabShown_ = false;
    bearingTabsShown_ = true;
    selected_ = CoefficientTab::Nc;
    notify(CoefficientChange::Tabs | CoefficientChange::Window);
    show();
    fillBearingFactorTabs(bearing_);
    notify(CoefficientChange::BearingFactors);
}

void CoefficientWindow::close() {
    visible_ = false;
    notify(CoefficientChange::Window);
}

}  // namespace marvoten

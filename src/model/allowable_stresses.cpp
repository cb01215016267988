#include "model/allowable_stresses.h"

#include <stdexcept>

#include "model/decimal_text.h"

namespace marvoten {

namespace items {
const std::vector<std::string> designStrength{"18", "21", "24", "27", "30"};
const std::vector<std::string> concreteStructure{"無筋ｺﾝｸﾘｰﾄ", "鉄筋ｺﾝｸﾘｰﾄ"};
const std::vector<std::string> barGrade{"SD295A,SD295B", "SD345"};
const std::vector<std::string> allowableLoadCase{"常時", "地震時"};
}  // namespace items

namespace {

struct ConcreteRow {
    int sigmaCk;
    float tau0;
    float tauA1;
};

// τo and τa1 of reinforced concrete by design strength. For σck 18 no bond stress
// is given, and τa1 follows σck / 100 + 0.15.
constexpr ConcreteRow kConcrete[] = {
    {18, 0.0f, 18.0f / 100.0f + 0.15f},
    {21, 1.4f, 0.22f},
    {24, 1.6f, 0.23f},
    {27, 1.7f, 0.24f},
    {30, 1.8f, 0.25f},
};

bool inRange(int item, const std::vector<std::string>& list) {
    return item >= 0 && item < static_cast<int>(list.size());
}

}  // namespace

std::string& textOf(AllowableStressTexts& texts, AllowableStressField field) {
    switch (field) {
        case AllowableStressField::SigmaCa:
            return texts.sigmaCa;
        case AllowableStressField::SigmaCat:
            return texts.sigmaCat;
        case AllowableStressField::TauA1:
            return texts.tauA1;
        case AllowableStressField::Tau0:
            return texts.tau0;
        case AllowableStressField::SigmaSa:
            break;
    }
    return texts.sigmaSa;
}

AllowableStressTexts recomputeAllowableStresses(int sigmaCk, BarGrade grade, bool seismic) {
    const ConcreteRow* row = nullptr;
    for (const auto& r : kConcrete)
        if (r.sigmaCk == sigmaCk) row = &r;
    if (!row) throw std::invalid_argument("σck は 18, 21, 24, 27, 30 のいずれかです");

    // The values of the table are held in single precision; the seismic increase by 1.5
    // is applied to them as they are written, so that 0.23 gives 0.345 → "0.35".
    const float sigmaCa = static_cast<float>(sigmaCk) / 3.0f;
    const float sigmaCat = 0.0f;
    const float sigmaSa = seismic ? (grade == BarGrade::SD345 ? 300.0f : 270.0f) : 160.0f;
    const double k = seismic ? 1.5 : 1.0;
    return {fixedDecimals(k * sigmaCa, 0), fixedDecimals(k * sigmaCat, 0),
            fixedDecimals(k * row->tauA1, 2), fixedDecimals(k * row->tau0, 1),
            fixedDecimals(sigmaSa, 0)};
}

void AllowableStressWindow::chooseDesignStrength(int item) {
    if (!inRange(item, items::designStrength)) return;
    designStrength_ = item;
    recompute();
}

void AllowableStressWindow::chooseBarGrade(int item) {
    if (!inRange(item, items::barGrade)) return;
    barGrade_ = item;
    recompute();
}

void AllowableStressWindow::chooseLoadCase(int item) {
    if (!inRange(item, items::allowableLoadCase)) return;
    loadCase_ = item;
    recompute();
}

// With no design strength chosen there is nothing to derive; a bar grade or load
// case with no item chosen counts as SD345 and 常時.
void AllowableStressWindow::recompute() {
    if (designStrength_ < 0) return;
    const int sigmaCk = std::stoi(items::designStrength[designStrength_]);
    const BarGrade grade = barGrade_ == 0 ? BarGrade::SD295 : BarGrade::SD345;
    texts_ = recomputeAllowableStresses(sigmaCk, grade, loadCase_ == 1);
}

void AllowableStressWindow::transferTo(DesignConditions& d) {
    if (designStrength_ >= 0) d.sigmaCk.text = items::designStrength[designStrength_];
    d.sigmaCa.text = texts_.sigmaCa;
    d.sigmaCat.text = texts_.sigmaCat;
    d.tauA1.text = texts_.tauA1;
    d.sigmaSa.text = texts_.sigmaSa;
    d.tau0.text = texts_.tau0;
    visible_ = false;
}

void AllowableStressWindow::followLoadedLoadCase(int seismicCase) {
    const int item = seismicCase < -1 ? -1 : (seismicCase > 1 ? 1 : seismicCase);
    if (item == loadCase_) return;
    loadCase_ = item;
    recompute();
}

void AllowableStressWindow::followLoadedStresses(const DesignConditions& d) {
    for (int i = 0; i < static_cast<int>(items::designStrength.size()); ++i)
        if (d.sigmaCk.text == items::designStrength[i]) designStrength_ = i;
    texts_ = {d.sigmaCa.text, d.sigmaCat.text, d.tauA1.text, d.tau0.text, d.sigmaSa.text};
}

}  // namespace marvoten

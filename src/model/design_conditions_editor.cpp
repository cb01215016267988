#include "model/design_conditions_editor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "model/decimal_text.h"
#include "model/design_file.h"
#include "model/editor_layout.h"
#include "model/region_factors.h"
#include "model/validation.h"
#include "platform/message_text.h"
#include "platform/number_text.h"

namespace marvoten {

namespace {

using D = DesignConditions;

void enable(NumberField& f, std::string text) {
    f.text = std::move(text);
    f.enabled = true;
    f.colour = clWindow;
}

void disable(NumberField& f, std::string text) {
    f.text = std::move(text);
    f.enabled = false;
    f.colour = clSilver;
}

constexpr const char* kSand = "砂質土";
constexpr const char* kClay = "粘性土";

std::optional<RebarMember> rebarMemberOf(Choice c) {
    switch (c) {
        case Choice::StemRebarMode:
            return RebarMember::Stem;
        case Choice::ToeRebarMode:
            return RebarMember::Toe;
        case Choice::HeelRebarMode:
            return RebarMember::Heel;
        case Choice::KeyRebarMode:
            return RebarMember::Key;
        default:
            return std::nullopt;
    }
}

std::string layerLabel(int row, const char* column) {
    return "地層区分 " + std::to_string(row) + "層 " + column;
}

}  // namespace

const std::string wallFrictionNote =
    "壁面摩擦角δは\r土とコンクリートが接する場合\r\r■道路土工擁壁工指針：δ=2φ/3（常時）\r\r"
    "■一部の開発基準\r　 擁壁背面に透水マットを使用した場合：δ=φ/2（常時）\r\rとされている。";

std::string calculationStartQuestion(const DesignConditions& d) {
    const auto present = [](bool on) { return std::string(on ? "有り" : "無し"); };
    return "[荷重組合せ]は正しいですか。\r\r"
           "1.[載荷重]   =" +
           present(d.hasSurcharge.on) +
           "\r"
           "2.[雪荷重]   =" +
           present(d.hasSnow.on) + "\r" + (d.seismicCase == 1 ? "3.[地震時]" : "3.[常   時]") +
           "\r"
           "4.[受働土圧]=" +
           present(d.hasPassive.on) +
           "\r"
           "5.[水圧浮力]=" +
           present(d.hasWater.on) +
           "\r"
           "6.[風荷重   ]=" +
           present(d.hasWind.on) +
           "\r"
           "7.[衝突荷重]=" +
           present(d.hasCollision.on);
}

const std::vector<std::string>& choiceItems(Choice c) {
    switch (c) {
        case Choice::BackfillSoilType:
            return items::backfillSoilType;
        case Choice::WallFrictionRatio:
            return items::wallFrictionRatio;
        case Choice::BodyKind:
            return items::bodyKind;
        case Choice::HasShearKey:
            return items::hasShearKey;
        case Choice::BackfillShape:
            return items::backfillShape;
        case Choice::SurchargeZone:
            return items::surchargeZone;
        case Choice::LoadOnVirtualBack:
            return items::loadOnVirtualBack;
        case Choice::SurchargeTreatment:
            return items::surchargeTreatment;
        case Choice::StemPressureMethod:
            return items::stemPressureMethod;
        case Choice::SeismicCase:
            return items::seismicCase;
        case Choice::SeismicLoadSet:
            return items::seismicLoadSet;
        case Choice::OutputColour:
            return items::outputColour;
        case Choice::OverturningMethod:
            return items::overturningMethod;
        default:
            return items::rebarMode;
    }
}

int choiceItemCount(Choice c) {
    return static_cast<int>(choiceItems(c).size());
}

int& choiceIndex(DesignConditions& d, Choice c) {
    if (auto m = rebarMemberOf(c)) return rebarChoice(d, *m).mode;
    switch (c) {
        case Choice::BackfillSoilType:
            return d.backfillSoilType;
        case Choice::WallFrictionRatio:
            return d.wallFrictionRatio;
        case Choice::BodyKind:
            return d.bodyKind;
        case Choice::HasShearKey:
            return d.hasShearKey;
        case Choice::BackfillShape:
            return d.backfillShape;
        case Choice::SurchargeZone:
            return d.surchargeZone;
        case Choice::LoadOnVirtualBack:
            return d.loadOnVirtualBack;
        case Choice::SurchargeTreatment:
            return d.surchargeTreatment;
        case Choice::StemPressureMethod:
            return d.stemPressureMethod;
        case Choice::SeismicCase:
            return d.seismicCase;
        case Choice::SeismicLoadSet:
            return d.seismicLoadSet;
        case Choice::OutputColour:
            return d.outputColour;
        default:
            return d.overturningMethod;
    }
}

int choiceIndex(const DesignConditions& d, Choice c) {
    return choiceIndex(const_cast<DesignConditions&>(d), c);
}

Switch& optionSwitch(DesignConditions& d, Option o) {
    switch (o) {
        case Option::HasSurcharge:
            return d.hasSurcharge;
        case Option::HasSnow:
            return d.hasSnow;
        case Option::HasPassive:
            return d.hasPassive;
        case Option::HasWater:
            return d.hasWater;
        case Option::HasWind:
            return d.hasWind;
        case Option::HasCollision:
            return d.hasCollision;
        case Option::BuoyancyInSlab:
            return d.buoyancyInSlab;
        default:
            return d.considerZc;
    }
}

RebarChoice& rebarChoice(DesignConditions& d, RebarMember m) {
    switch (m) {
        case RebarMember::Stem:
            return d.stemRebar;
        case RebarMember::Toe:
            return d.toeRebar;
        case RebarMember::Heel:
            return d.heelRebar;
        default:
            return d.keyRebar;
    }
}

DesignConditionsEditor::DesignConditionsEditor(Dialogs& dialogs)
    : dialogs_(dialogs), savedImage_(designFileImage(conditions())) {}

bool DesignConditionsEditor::choiceOffered(Choice c) const {
    switch (c) {
        case Choice::LoadOnVirtualBack:
        case Choice::HeelRebarMode:
            return false;
        case Choice::SeismicLoadSet:
            return conditions().seismicLoadSetEnabled;
        case Choice::KeyRebarMode:
            return hasShearKey();
        default:
            return true;
    }
}

void DesignConditionsEditor::choose(Choice c, int item) {
    if (choiceOffered(c)) transferChoice(c, item);
}

// The editor's reaction to a newly chosen item. No item chosen (−1, only from a
// design file) has no reaction.
void DesignConditionsEditor::react(Choice c) {
    DesignConditions& k = d();
    const int item = choiceIndex(k, c);
    if (auto member = rebarMemberOf(c)) {
        if (item < 0) return;
        RebarChoice& r = rebarChoice(k, *member);
        const bool pitchGiven = item == 1 || item == 3, diameterGiven = item == 2 || item == 3;
        pitchGiven ? enable(r.pitch, "150mm") : disable(r.pitch, "-");
        diameterGiven ? enable(r.diameter, "16mm") : disable(r.diameter, "-");
        r.pitchPosition = listPosition(items::rebarPitch, r.pitch.text, r.pitchPosition);
        r.diameterPosition =
            listPosition(items::rebarDiameter, r.diameter.text, r.diameterPosition);
        return;
    }
    switch (c) {
        case Choice::BackfillSoilType: {
            if (item < 0) return;
            const BackfillSoilPreset& preset =
                kBackfillSoilPresets.at(static_cast<std::size_t>(item));
            k.backfillUnitWeight.text = preset.unitWeight;
            k.backfillPhi.text = preset.phi;
            k.backfillCohesion.text = preset.cohesion;
            k.allowableBearing.text = preset.allowableBearing;
            return;
        }
        case Choice::HasShearKey:
            mark(EditorChange::Visibility | EditorChange::Picture);
            if (item == 1) {
                enable(k.keyPosition, "800");
                enable(k.keyWidth, "500");
                enable(k.keyHeight, "400");
            } else if (item == 0) {
                disable(k.keyPosition, "0");
                disable(k.keyWidth, "0");
                disable(k.keyHeight, "0");
            }
            return;
        case Choice::BackfillShape:
            mark(EditorChange::Picture);
            if (item == 0) {
                disable(k.slopeRatio, "-");
                disable(k.embankmentHeight, "0.0");
            } else if (item == 1) {
                enable(k.slopeRatio, "1.0");
                disable(k.embankmentHeight, "0.0");
                if (k.surchargeZone == 0) setSurchargeOff();
            } else if (item == 2) {
                enable(k.slopeRatio, "1.0");
                enable(k.embankmentHeight, "2000");
            }
            return;
        case Choice::SurchargeZone:
            // A surcharge on the level part only has no place on an endless slope.
            if (k.backfillShape == 1 && item == 0) setSurchargeOff();
            mark(EditorChange::Picture);
            return;
        case Choice::SeismicCase:
            mark(EditorChange::Visibility);
            if (item == 0) {
                disable(k.kh, "0.0");
                disable(k.khStandard, "0.0");
                disable(k.regionFactor, "1.0");
                regionKeys_.clear();
                municipalities_.clear();
                mark(EditorChange::RegionLists);
                k.seismicLoadSetEnabled = false;
            } else if (item == 1) {
                enable(k.kh, "0.12");
                enable(k.khStandard, "0.12");
                enable(k.regionFactor, "1.0");
                k.seismicLoadSetEnabled = true;
            }
            return;
        case Choice::OverturningMethod:
            if (item == 0) {
                disable(k.safetyFactorNormal, "-");
                disable(k.safetyFactorSeismic, "-");
            } else if (item == 1) {
                enable(k.safetyFactorNormal, "1.5");
                enable(k.safetyFactorSeismic, "1.2");
            }
            return;
        default:
            return;
    }
}

// The switch shows its state in its caption like a click on it would.
void DesignConditionsEditor::setSurchargeOff() {
    d().hasSurcharge.on = false;
    d().hasSurcharge.captionColour = clBlack;
    disable(d().surcharge, "0.0");
}

void DesignConditionsEditor::setOption(Option o, bool on) {
    Switch& s = optionSwitch(d(), o);
    if (!s.enabled || s.on == on) return;
    Batch batch(*this);
    s.on = on;
    mark(EditorChange::Values);
    reactToOption(o);
}

void DesignConditionsEditor::reactToOption(Option o) {
    DesignConditions& k = d();
    Switch& s = optionSwitch(k, o);
    const bool on = s.on;
    const auto both = [on](NumberField& a, const char* onA, NumberField& b, const char* onB) {
        on ? enable(a, onA) : disable(a, "0.0");
        on ? enable(b, onB) : disable(b, "0.0");
    };
    s.captionColour = on ? clMaroon : clBlack;
    switch (o) {
        case Option::HasSurcharge:
            on ? enable(k.surcharge, "10.0") : disable(k.surcharge, "0.0");
            break;
        case Option::HasSnow:
            both(k.snowOnFlat, "1.0", k.snowOnSlope, "0.35");
            break;
        case Option::HasPassive:
            on ? enable(k.effectiveEmbedDepth, "1.0") : disable(k.effectiveEmbedDepth, "0.0");
            break;
        case Option::HasWater:
            both(k.waterDepth, "0.5", k.waterUnitWeight, "9.8");
            k.buoyancyInSlab.on = on;
            k.buoyancyInSlab.enabled = on;
            k.buoyancyInSlab.captionColour = on ? clMaroon : clBlack;
            break;
        case Option::HasWind:
            both(k.windPressure, "1.0", k.barrierHeight, "1.0");
            break;
        case Option::HasCollision:
            both(k.collisionLoad, "30", k.collisionHeight, "0.6");
            break;
        default:
            return;  // buoyancyInSlab and considerZc change nothing else
    }
    mark(EditorChange::Picture);
}

bool DesignConditionsEditor::typeText(NumberField DesignConditions::*field, std::string text) {
    const bool seismicField =
        field == &D::kh || field == &D::khStandard || field == &D::regionFactor;
    Batch batch(*this);
    mark(EditorChange::Values);
    if (!(d().*field).enabled || (seismicField && !seismicPageShown())) return false;
    (d().*field).text = asciiNumberForms(text);
    if (field == &D::khStandard || field == &D::regionFactor) recomputeKh();
    return true;
}

bool DesignConditionsEditor::typeFromPalette(NumberField DesignConditions::*field,
                                             std::string text) {
    Batch batch(*this);
    if (typeText(field, text)) return true;
    say(MessageKind::Warning, fieldLabel(field) +
                                  " は今は入力できません（入力できない状態になりました）。\r"
                                  "入力パレットの値 '" +
                                  echoText(text) + "' は転記していません。");
    return false;
}

void DesignConditionsEditor::chooseRebarPitch(RebarMember m, int item) {
    NumberField& pitch = rebarChoice(d(), m).pitch;
    if (!pitch.enabled || item < 0 || item >= static_cast<int>(items::rebarPitch.size())) return;
    Batch batch(*this);
    pitch.text = items::rebarPitch[item];
    rebarChoice(d(), m).pitchPosition = item;
    mark(EditorChange::Values);
}

void DesignConditionsEditor::chooseRebarDiameter(RebarMember m, int item) {
    NumberField& diameter = rebarChoice(d(), m).diameter;
    if (!diameter.enabled || item < 0 || item >= static_cast<int>(items::rebarDiameter.size()))
        return;
    Batch batch(*this);
    diameter.text = items::rebarDiameter[item];
    rebarChoice(d(), m).diameterPosition = item;
    mark(EditorChange::Values);
}

// kh = kh0 · Cz in single precision, written with two decimals. A text that cannot
// be read leaves kh as it was and says which field it is.
void DesignConditionsEditor::recomputeKh() {
    try {
        const float kh0 =
            static_cast<float>(textToNumber(d().khStandard.text, fieldLabel(&D::khStandard)));
        const float cz =
            static_cast<float>(textToNumber(d().regionFactor.text, fieldLabel(&D::regionFactor)));
        const float kh = kh0 * cz;
        d().kh.text = fixedDecimals(kh, 2);
        mark(EditorChange::Values);
    } catch (const ConversionError& e) {
        say(MessageKind::Error, std::string(e.what()) + "\r設計震度 kh は変更していません。");
    }
}

void DesignConditionsEditor::clickStandardValueCell(int row, int column) {
    if (!seismicPageShown() || row < 1 || row > 2 || column < 1 || column > 3) return;
    Batch batch(*this);
    // The table's rows and columns count from its header row and label column.
    d().khStandard.text = standardValueTable().rows.at(row).at(column);
    mark(EditorChange::Values);
    recomputeKh();
}

bool DesignConditionsEditor::setGroundLayerCell(int row, int column, std::string text) {
    if (!seismicPageShown() || row < 1 || row > kGroundLayerRows || column < 1 || column > 3)
        return false;
    Batch batch(*this);
    GroundLayer& layer = d().groundLayers[row - 1];
    if (column == 3)
        layer.soil = std::move(text);
    else
        (column == 1 ? layer.thickness : layer.nValue) = asciiNumberForms(text);
    mark(EditorChange::Values);
    return true;
}

void DesignConditionsEditor::clickGroundLayerCell(int row, int column) {
    if (!seismicPageShown() || row < 1 || row > kGroundLayerRows || column != 3) return;
    Batch batch(*this);
    std::string& soil = d().groundLayers[row - 1].soil;
    soil = soil == kSand ? kClay : kSand;  // "-", empty, 粘性土 and anything else → 砂質土
    mark(EditorChange::Values);
}

// Characteristic period of the ground, Tg = 4 · Σ H / Vs with the shear-wave velocity
// Vs = 100 · N^(1/3) (clay) or 80 · N^(1/3) (sand), single precision. The profile ends
// at the first row with an empty cell; a row with "-" in a cell is not used.
void DesignConditionsEditor::calculateGroundPeriod() {
    if (!seismicPageShown()) return;
    Batch batch(*this);
    // The previous result goes first: a grid that cannot be computed shows none.
    d().groundPeriod.clear();
    mark(EditorChange::Values);
    struct Used {
        float H, N;
        bool clay;
    };
    std::vector<Used> used;
    try {
        for (int row = 1; row <= kGroundLayerRows; ++row) {
            const GroundLayer& layer = d().groundLayers[row - 1];
            if (layer.thickness.empty() || layer.nValue.empty() || layer.soil.empty()) break;
            if (layer.thickness == "-" || layer.nValue == "-" || layer.soil == "-") continue;
            const double H = textToNumber(layer.thickness, layerLabel(row, "層厚(m)"));
            const double N = textToNumber(layer.nValue, layerLabel(row, "N値"));
            if (H < 0 || N < 0) {
                say(MessageKind::Error, layerLabel(row, H < 0 ? "層厚(m)" : "N値") +
                                            "：負の値では地盤の特性値を計算できません");
                return;
            }
            if (N != 0 && layer.soil != kSand && layer.soil != kClay) {
                say(MessageKind::Error, layerLabel(row, "土質") + "：'" + layer.soil +
                                            "' は砂質土でも粘性土でもありません");
                return;
            }
            used.push_back({static_cast<float>(H), static_cast<float>(N), layer.soil == kClay});
        }
    } catch (const ConversionError& e) {
        say(MessageKind::Error, e.what());
        return;
    }
    if (used.empty()) return;
    float sumHByVs = 0.0f;
    for (const Used& u : used) {
        if (u.N == 0) continue;
        const float Vs = (u.clay ? 100.0f : 80.0f) * static_cast<float>(std::cbrt(double{u.N}));
        sumHByVs += u.H / Vs;
    }
    const float Tg = 4.0f * sumHByVs;
    d().groundPeriod = "Tg=" + fixedDecimals(Tg, 2);
}

void DesignConditionsEditor::clickRegionInitial(std::string_view initial) {
    if (!seismicPageShown()) return;
    for (const auto& entry : regionInitials()) {
        if (entry.initial != initial) continue;
        Batch batch(*this);
        regionKeys_ = entry.keys;
        municipalities_.clear();
        mark(EditorChange::RegionLists);
        return;
    }
}

void DesignConditionsEditor::clickRegionKey(std::string_view key) {
    if (!seismicPageShown() ||
        std::find(regionKeys_.begin(), regionKeys_.end(), key) == regionKeys_.end())
        return;
    const auto zone = regionZone(key);
    if (!zone) return;
    Batch batch(*this);
    municipalities_ = zone->municipalities;
    d().regionFactor.text = zone->factor;
    mark(EditorChange::RegionLists | EditorChange::Values);
    recomputeKh();
}

// 青森市 is listed with zone B but takes the factor of zone A; kh follows the factor
// as it does for every other change of Cz.
void DesignConditionsEditor::clickMunicipality(std::string_view municipality) {
    if (!seismicPageShown() || municipality != "青森市" ||
        std::find(municipalities_.begin(), municipalities_.end(), municipality) ==
            municipalities_.end())
        return;
    Batch batch(*this);
    d().regionFactor.text = "1.0";
    mark(EditorChange::Values);
    recomputeKh();
}

bool DesignConditionsEditor::confirmCalculationStart() {
    {
        Batch batch(*this);
        mark(EditorChange::HideResults);
    }
    return dialogs_.confirm(calculationStartQuestion(conditions()));
}

Verdict DesignConditionsEditor::check() {
    return checkConditions(conditions(), allowable_.loadCase(), dialogs_);
}

bool DesignConditionsEditor::validate() {
    return check() != Verdict::Passed;
}

void DesignConditionsEditor::explainWallFriction() {
    dialogs_.message(MessageKind::Information, wallFrictionNote);
}

void DesignConditionsEditor::changeAllowableStresses(
    const std::function<void(AllowableStressWindow&)>& change, unsigned alsoChanged) {
    Batch batch(*this);
    change(allowable_);
    mark(EditorChange::AllowableStresses | alsoChanged);
}

void DesignConditionsEditor::chooseDesignStrength(int item) {
    changeAllowableStresses([item](AllowableStressWindow& w) { w.chooseDesignStrength(item); });
}

void DesignConditionsEditor::chooseBarGrade(int item) {
    changeAllowableStresses([item](AllowableStressWindow& w) { w.chooseBarGrade(item); });
}

void DesignConditionsEditor::chooseLoadCase(int item) {
    changeAllowableStresses([item](AllowableStressWindow& w) { w.chooseLoadCase(item); });
}

void DesignConditionsEditor::typeAllowableStress(AllowableStressField field, std::string text) {
    changeAllowableStresses([&](AllowableStressWindow& w) { w.typeText(field, std::move(text)); });
}

void DesignConditionsEditor::showAllowableStresses() {
    changeAllowableStresses([](AllowableStressWindow& w) { w.show(); });
}

void DesignConditionsEditor::transferAllowableStresses() {
    changeAllowableStresses([this](AllowableStressWindow& w) { w.transferTo(d()); },
                            EditorChange::Values);
}

void DesignConditionsEditor::cancelAllowableStresses() {
    changeAllowableStresses([](AllowableStressWindow& w) { w.cancel(); });
}

void DesignConditionsEditor::transferChoice(Choice c, int item) {
    if (item < 0 || item >= choiceItemCount(c) || item == choiceIndex(d(), c)) return;
    Batch batch(*this);
    choiceIndex(d(), c) = item;
    mark(EditorChange::Values);
    react(c);
}

void DesignConditionsEditor::transferText(NumberField DesignConditions::*field, std::string text) {
    Batch batch(*this);
    (d().*field).text = std::move(text);
    mark(EditorChange::Values);
}

DesignConditionsEditor::Snapshot DesignConditionsEditor::snapshot() const {
    return {state_, caption_, allowable_, regionKeys_, municipalities_};
}

void DesignConditionsEditor::adopt(Snapshot snapshot) {
    state_ = std::move(snapshot.state);
    caption_ = std::move(snapshot.caption);
    allowable_ = std::move(snapshot.allowable);
    regionKeys_ = std::move(snapshot.regionKeys);
    municipalities_ = std::move(snapshot.municipalities);
}

void DesignConditionsEditor::restore(const Snapshot& snapshot) {
    Batch batch(*this);
    adopt(snapshot);
    mark(EditorChange::Values | EditorChange::Picture | EditorChange::Visibility |
         EditorChange::Caption | EditorChange::RegionLists | EditorChange::AllowableStresses);
}

void DesignConditionsEditor::setSubjectName(std::string name) {
    state_.subjectName = std::move(name);
    caption_ = "設計条件 " + state_.subjectName;
    mark(EditorChange::Caption | EditorChange::ShowEditor);
}

}  // namespace marvoten

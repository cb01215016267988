#pragma once
// Every input of one retaining-wall design, held as the design-conditions editor
// holds it: number fields as the texts the user typed, choices as zero-based item
// indexes, switches as booleans. Texts are converted only where a run uses them.
#include <array>
#include <string>
#include <vector>

#include "model/colour.h"

namespace marvoten {

struct NumberField {
    std::string text;
    bool enabled = true;
    Colour colour = clWindow;
};

struct Switch {
    bool on = false;
    Colour captionColour = clBlack;
    bool enabled = true;
};

struct RebarChoice {
    int mode = 0;  // 0 自動設定, 1 ﾋﾟｯﾁ@を指定, 2 径(D)を指定, 3 ﾋﾟｯﾁ径を指定
    NumberField pitch{"-", false, clSilver};
    NumberField diameter{"-", false, clSilver};
    // The list positions last selected in the editor's two lists; a text that is
    // not one of the list's items leaves them as they are. Not stored in the file.
    int pitchPosition = 0;
    int diameterPosition = 0;
};

struct GroundLayer {
    std::string thickness = "0";  // 層厚(m)
    std::string nValue = "0";     // N値
    std::string soil = "-";       // 土質: "-", "砂質土", "粘性土"
};

inline constexpr int kGroundLayerRows = 5;

struct DesignConditions {
    // １．裏込め土の諸量
    int backfillSoilType = 0;
    NumberField backfillUnitWeight{"20"};
    NumberField backfillPhi{"35"};
    NumberField backfillCohesion{"0.0"};
    int wallFrictionRatio = 0;

    // ２．根入れ地盤の諸量
    NumberField embedUnitWeight{"18.0"};
    NumberField embedDepth{"2.5"};
    NumberField embedPhi{"25"};
    NumberField embedCohesion{"0.0"};

    // ３．支持地盤の諸量
    NumberField allowableBearing{"300"};
    NumberField frictionCoeff{"0.6"};
    NumberField adhesion{"0.0"};
    NumberField bearingPhi{"35"};
    NumberField bearingCohesion{"0.0"};
    NumberField bearingUnitWeight{"19.0"};
    NumberField bearingEmbedDepth{"0.6"};

    // ４．荷重 (1)自重: body and outline (mm)
    int bodyKind = 0;
    NumberField concreteUnitWeight{"24.5"};
    NumberField blockLength{"5"};
    NumberField stemHeight{"7100"};
    NumberField baseThickness{"700"};
    NumberField slabSlopeHeight{"200"};
    NumberField toeWidth{"3500"};
    NumberField frontBatterWidth{"142"};
    NumberField crestWidth{"400"};
    NumberField formworkWidth{"100"};
    NumberField baseWidth{"4042"};

    // shear key (mm)
    int hasShearKey = 0;
    NumberField keyPosition{"0", false, clSilver};
    NumberField keyWidth{"0", false, clSilver};
    NumberField keyHeight{"0", false, clSilver};

    // (2)背面土形状、載荷重、土圧
    int backfillShape = 0;  // 0 平坦, 1 法面, 2 盛土
    NumberField slopeRatio{"-", false, clSilver};
    NumberField embankmentHeight{"0.0", false, clSilver};
    Switch hasSurcharge{true, clMaroon};
    NumberField surcharge{"10.0"};
    int surchargeZone = 0;
    Switch hasSnow{false, clBlack};
    NumberField snowOnSlope{"0.0", false, clSilver};
    NumberField snowOnFlat{"0.0", false, clSilver};
    int loadOnVirtualBack = 0;
    int surchargeTreatment = 0;
    int stemPressureMethod = 1;
    int seismicCase = 0;
    int seismicLoadSet = 1;
    bool seismicLoadSetEnabled = false;

    // (3)その他の荷重
    Switch hasPassive{true, clMaroon};
    NumberField effectiveEmbedDepth{"2.5", true, clWhite};
    Switch hasWater{false, clBlack};
    NumberField waterDepth{"0.0", false, clSilver};
    NumberField waterUnitWeight{"0.0", false, clSilver};
    Switch buoyancyInSlab{false, clBlack, false};
    Switch hasWind{false, clBlack};
    NumberField barrierHeight{"0", false, clSilver};
    NumberField windPressure{"0", false, clSilver};
    Switch hasCollision{false, clBlack};
    NumberField collisionLoad{"0", false, clSilver};
    NumberField collisionHeight{"0.0", false, clSilver};

    // (4)設計震度
    NumberField kh{"0.0", false, clSilver};
    NumberField khStandard{"0.0", false, clSilver};
    NumberField regionFactor{"1.0"};
    std::array<GroundLayer, kGroundLayerRows> groundLayers{};
    std::string groundPeriod;

    // ５．許容応力度 (N/mm2)
    NumberField sigmaCk{"24"};
    NumberField sigmaCa{"8.0"};
    NumberField sigmaCat{"0.0"};
    NumberField tauA1{"0.23"};
    NumberField tau0{"1.6"};
    NumberField sigmaSa{"160"};

    // ６．鉄筋かぶり (mm, to the bar centre)
    NumberField coverStem{"100"};
    NumberField coverSlab{"110"};

    RebarChoice stemRebar;
    RebarChoice toeRebar;
    RebarChoice heelRebar;
    RebarChoice keyRebar;

    int outputColour = 0;
    Switch considerZc{false, clBlack};
    int overturningMethod = 0;
    NumberField safetyFactorNormal{"-", false, clSilver};
    NumberField safetyFactorSeismic{"-", false, clSilver};
};

// The design state beside the record: the name of the design file last loaded or
// saved, without folder and extension; empty until the first load or save.
struct DesignState {
    DesignConditions conditions;
    std::string subjectName;
};

// The typical constants of the three backfill soil types, in the order of
// `items::backfillSoilType`: unit weight γs (kN/m3), shear resistance angle φ (°),
// cohesion c (kN/m2) and the allowable bearing qa0 (kN/m2) the type suggests.
struct BackfillSoilPreset {
    const char* unitWeight;
    const char* phi;
    const char* cohesion;
    const char* allowableBearing;
};
inline constexpr std::array<BackfillSoilPreset, 3> kBackfillSoilPresets{{
    {"20", "35", "0.0", "900"},
    {"19", "30", "0.0", "600"},
    {"18", "25", "0.0", "300"},
}};

// Item texts of the choices, in the order the editor shows them.
namespace items {
extern const std::vector<std::string> backfillSoilType;
extern const std::vector<std::string> wallFrictionRatio;
extern const std::vector<std::string> bodyKind;
extern const std::vector<std::string> hasShearKey;
extern const std::vector<std::string> backfillShape;
extern const std::vector<std::string> surchargeZone;
extern const std::vector<std::string> loadOnVirtualBack;
extern const std::vector<std::string> surchargeTreatment;
extern const std::vector<std::string> stemPressureMethod;
extern const std::vector<std::string> seismicCase;
extern const std::vector<std::string> seismicLoadSet;
extern const std::vector<std::string> rebarMode;
extern const std::vector<std::string> rebarPitch;
extern const std::vector<std::string> rebarDiameter;
extern const std::vector<std::string> outputColour;
extern const std::vector<std::string> overturningMethod;
// Suggested values of the number fields that offer a list.
extern const std::vector<std::string> concreteUnitWeight;
extern const std::vector<std::string> blockLength;
extern const std::vector<std::string> slopeRatio;
extern const std::vector<std::string> waterUnitWeight;
extern const std::vector<std::string> barrierHeight;
extern const std::vector<std::string> windPressure;
extern const std::vector<std::string> collisionLoad;
extern const std::vector<std::string> collisionHeight;
extern const std::vector<std::string> khStandard;
extern const std::vector<std::string> regionFactor;
}  // namespace items

// The number fields by their editor label, for messages that name a field.
struct NumberFieldInfo {
    const char* name;   // the field's name in the record
    const char* label;  // the editor's label, as a message names the field
    NumberField DesignConditions::*member;
};
const std::vector<NumberFieldInfo>& numberFields();
// The position a list shows for a text: the item's own when the text is one of the
// items, otherwise the position last selected.
int listPosition(const std::vector<std::string>& items, const std::string& text, int lastSelected);

// The label of a field of the record, e.g. "φ(角度)" for bearingPhi.
std::string fieldLabel(const NumberField DesignConditions::*member);

}  // namespace marvoten

#include "model/editor_layout.h"

namespace marvoten {

namespace {

using D = DesignConditions;
using P = EditorPage;

EditorControl number(NumberField D::*field, P page, const char* group, const char* caption,
                     const char* hint = "", const std::vector<std::string>* suggestions = nullptr,
                     const char* subgroup = "") {
    EditorControl c;
    c.kind = EditorControl::Kind::Number;
    c.field = field;
    c.caption = caption;
    c.hint = hint;
    c.page = page;
    c.group = group;
    c.subgroup = subgroup;
    c.suggestions = suggestions;
    return c;
}

EditorControl choice(Choice which, P page, const char* group, const char* caption,
                     const char* hint = "") {
    EditorControl c;
    c.kind = EditorControl::Kind::Choice;
    c.choice = which;
    c.caption = caption;
    c.hint = hint;
    c.page = page;
    c.group = group;
    return c;
}

EditorControl option(Option which, P page, const char* group, const char* caption) {
    EditorControl c;
    c.kind = EditorControl::Kind::Option;
    c.option = which;
    c.caption = caption;
    c.page = page;
    c.group = group;
    return c;
}

constexpr const char* kBackfill = "１．裏込め土の諸量";
constexpr const char* kEmbed = "２．根入れ地盤の諸量";
constexpr const char* kBearing = "３．支持地盤の諸量";
constexpr const char* kBody = "①躯体";
constexpr const char* kUnitWeight = "②単位重量";
constexpr const char* kBlock = "擁壁ﾌﾞﾛｯｸ長(m)";
constexpr const char* kShape = "③擁壁形状";
constexpr const char* kKey = "突起";
constexpr const char* kSurface = "①背面土形状";
constexpr const char* kSurchargeGroup = "②載荷重";
constexpr const char* kSnow = "③雪荷重";
constexpr const char* kSeismicSetting = "地震設定";
constexpr const char* kOther = "その他の荷重";
constexpr const char* kStresses = "５．許容応力度";
constexpr const char* kCover = "６．鉄筋かぶり";
constexpr const char* kCoverHint = "鉄筋中心のかぶり";

std::vector<EditorControl> buildControls() {
    return {
        // Left-hand panel: the three soils.
        choice(Choice::BackfillSoilType, P::SoilPanel, kBackfill, "土質"),
        number(&D::backfillUnitWeight, P::SoilPanel, kBackfill, "γs(kN/m3)="),
        number(&D::backfillPhi, P::SoilPanel, kBackfill, "φ (角度)   ="),
        number(&D::backfillCohesion, P::SoilPanel, kBackfill, " c (kN/m2) ="),
        choice(Choice::WallFrictionRatio, P::SoilPanel, kBackfill, "δ=?φ",
               "壁面摩擦角（通常2φ/3、透水材φ/2）"),
        number(&D::embedUnitWeight, P::SoilPanel, kEmbed, "γ2 (kN/m3)="),
        number(&D::embedDepth, P::SoilPanel, kEmbed, "Df (m)    ="),
        number(&D::embedPhi, P::SoilPanel, kEmbed,
               "φ (角度) =", "根入れ地盤の剪断抵抗角(受働土圧の計算に使用)"),
        number(&D::embedCohesion, P::SoilPanel, kEmbed, " c (kN/m2) ="),
        number(&D::allowableBearing, P::SoilPanel, kBearing,
               "ｑa0(kN/m2)=", "許容鉛直支持力度(H24指針P69：解表4-8)"),
        number(&D::frictionCoeff, P::SoilPanel, kBearing, "μ(係数)="),
        number(&D::adhesion, P::SoilPanel, kBearing, "Cb(kN/m2)="),
        number(&D::bearingPhi, P::SoilPanel, kBearing, "φ(角度)   ="),
        number(&D::bearingCohesion, P::SoilPanel, kBearing, " c (kN/m2)="),
        number(&D::bearingUnitWeight, P::SoilPanel, kBearing, "γ1 (kN/m3)="),
        number(&D::bearingEmbedDepth, P::SoilPanel, kBearing, "Df'(m)   = "),

        // (1)自重: body, unit weight, block length, outline and shear key.
        choice(Choice::BodyKind, P::SelfWeight, kBody, "①躯体"),
        number(&D::concreteUnitWeight, P::SelfWeight, kUnitWeight, "γc(kN/m3)=", "",
               &items::concreteUnitWeight),
        number(&D::blockLength, P::SelfWeight, kBlock, "Ｌ(m)=", "", &items::blockLength),
        number(&D::stemHeight, P::SelfWeight, kShape, "たて壁高さ", "たて壁高さ"),
        number(&D::baseThickness, P::SelfWeight, kShape, "底板厚", "底板厚"),
        number(&D::slabSlopeHeight, P::SelfWeight, kShape, "底版勾配高さ", "底版勾配高さ"),
        number(&D::toeWidth, P::SelfWeight, kShape, "つま先版幅", "つま先版幅"),
        number(&D::frontBatterWidth, P::SelfWeight, kShape, "前面勾配幅", "前面勾配幅"),
        number(&D::crestWidth, P::SelfWeight, kShape, "天端幅", "天端幅"),
        number(&D::formworkWidth, P::SelfWeight, kShape, "型枠ｾｯﾄ幅", "型枠ｾｯﾄ幅"),
        number(&D::baseWidth, P::SelfWeight, kShape, "底版幅", "底版幅"),
        choice(Choice::HasShearKey, P::SelfWeight, kKey, "突起の有無"),
        number(&D::keyPosition, P::SelfWeight, kKey, "(1)位置="),
        number(&D::keyWidth, P::SelfWeight, kKey, "(2)幅　="),
        number(&D::keyHeight, P::SelfWeight, kKey, "(3)高さ="),

        // (2)背面土形状、載荷重、土圧
        choice(Choice::BackfillShape, P::BackfillSurface, kSurface, "①背面土形状"),
        number(&D::slopeRatio, P::BackfillSurface, kSurface, "法勾配=１：", "", &items::slopeRatio),
        number(&D::embankmentHeight, P::BackfillSurface, kSurface, "盛土高(mm)="),
        option(Option::HasSurcharge, P::BackfillSurface, kSurchargeGroup, "載荷重の有無"),
        number(&D::surcharge, P::BackfillSurface, kSurchargeGroup, "ｑ (kN/m2)=", "", nullptr,
               "載荷重強度"),
        choice(Choice::SurchargeZone, P::BackfillSurface, kSurchargeGroup, "載荷位置"),
        option(Option::HasSnow, P::BackfillSurface, kSnow, "雪荷重の有無"),
        number(&D::snowOnSlope, P::BackfillSurface, kSnow,
               "SW(kN/m2)=", "SW=P・Zs(P=3.5kN/m2,Zs：設計積雪深m)", nullptr, "法面部"),
        number(&D::snowOnFlat, P::BackfillSurface, kSnow,
               "SW(kN/m2)=", "SW=P・Zs(P=3.5kN/m2,Zs：設計積雪深m)", nullptr, "平坦部"),
        choice(Choice::SurchargeTreatment, P::BackfillSurface, kEarthPressureGroupCaption,
               "載荷重等の扱い", "すべり土塊地盤が平坦な場合に有効"),
        choice(Choice::StemPressureMethod, P::BackfillSurface, kEarthPressureGroupCaption,
               "たて壁設計用土圧"),
        choice(Choice::SeismicCase, P::BackfillSurface, kSeismicSetting, "地震設定"),
        choice(Choice::SeismicLoadSet, P::BackfillSurface, kSeismicSetting,
               "地震時荷重(常時は無効)"),

        // (3)その他の荷重
        option(Option::HasPassive, P::OtherLoads, kOther, "①受働土圧"),
        number(&D::effectiveEmbedDepth, P::OtherLoads, kOther, "Ho(有効根入深m)="),
        option(Option::HasWater, P::OtherLoads, kOther, "②水圧(浮力)"),
        number(&D::waterDepth, P::OtherLoads, kOther, "H1(水深m)="),
        number(&D::waterUnitWeight, P::OtherLoads, kOther, "γw(重量kN/m3)=", "水の単位体積重量",
               &items::waterUnitWeight),
        option(Option::BuoyancyInSlab, P::OtherLoads, kOther, "底版の計算に浮力を考慮"),
        option(Option::HasWind, P::OtherLoads, kOther, "③風荷重"),
        number(&D::barrierHeight, P::OtherLoads, kOther, "H2(遮音壁高m)=", "",
               &items::barrierHeight),
        number(&D::windPressure, P::OtherLoads, kOther, "P(荷重強度kN/m2)=", "",
               &items::windPressure),
        option(Option::HasCollision, P::OtherLoads, kOther, "④衝突荷重"),
        number(&D::collisionLoad, P::OtherLoads, kOther, "P(衝突荷重kN)=", "",
               &items::collisionLoad),
        number(&D::collisionHeight, P::OtherLoads, kOther, "H3(作用高さm)=", "",
               &items::collisionHeight),

        // (4)設計震度: standard value × regional factor = design coefficient.
        number(&D::khStandard, P::SeismicCoefficient, kSeismicRowGroup, "標準値", kSeismicRowHint,
               &items::khStandard),
        number(&D::regionFactor, P::SeismicCoefficient, kSeismicRowGroup, "x 補正係数",
               kSeismicRowHint, &items::regionFactor),
        number(&D::kh, P::SeismicCoefficient, kSeismicRowGroup, "=設計震度", kSeismicRowHint),

        // Right-hand panel: allowable stresses, cover and the further options.
        number(&D::sigmaCk, P::MemberPanel, kStresses, "σck=", "設計強度"),
        number(&D::sigmaCa, P::MemberPanel, kStresses, "σca=", "許容曲げ圧縮応力度"),
        number(&D::sigmaCat, P::MemberPanel, kStresses, "σcat=", "許容曲げ引張応力度"),
        number(&D::tauA1, P::MemberPanel, kStresses, "τa1=", "許容せん断応力度"),
        number(&D::tau0, P::MemberPanel, kStresses, "τo=", "許容付着応力度"),
        number(&D::sigmaSa, P::MemberPanel, kStresses, "σsa=", "許容引張応力度"),
        number(&D::coverStem, P::MemberPanel, kCover, "縦壁(mm)=", kCoverHint),
        number(&D::coverSlab, P::MemberPanel, kCover, "底版(mm)=", kCoverHint),
        choice(Choice::OutputColour, P::MemberPanel, "出力色", "出力色"),
        option(Option::ConsiderZc, P::MemberPanel, "土圧作用位置(hc)",
               "粘着力の自立高さ(Zc)を考慮する"),
        choice(Choice::OverturningMethod, P::MemberPanel, "安定計算方法の選択", "転倒に対する照査"),
        number(&D::safetyFactorNormal, P::MemberPanel, "安全率法の安全率", "常　時"),
        number(&D::safetyFactorSeismic, P::MemberPanel, "安全率法の安全率", "地震時"),
    };
}

}  // namespace

const char* loadPageCaption(EditorPage page) {
    switch (page) {
        case P::SelfWeight:
            return "(1)自重";
        case P::BackfillSurface:
            return "(2)背面土形状、載荷重、土圧";
        case P::OtherLoads:
            return "(3)その他の荷重";
        case P::SeismicCoefficient:
            return "(4)設計震度";
        default:
            return "";
    }
}

const std::vector<EditorPage>& loadPages() {
    static const std::vector<EditorPage> pages{P::SelfWeight, P::BackfillSurface, P::OtherLoads,
                                               P::SeismicCoefficient};
    return pages;
}

const std::vector<EditorControl>& editorControls() {
    static const std::vector<EditorControl> controls = buildControls();
    return controls;
}

const EditorControl* editorControl(NumberField DesignConditions::*field) {
    for (const auto& c : editorControls())
        if (c.kind == EditorControl::Kind::Number && c.field == field) return &c;
    return nullptr;
}

const std::vector<RebarTab>& rebarTabs() {
    static const std::vector<RebarTab> tabs{
        {RebarMember::Stem, Choice::StemRebarMode, "たて壁"},
        {RebarMember::Toe, Choice::ToeRebarMode, "つま先"},
        {RebarMember::Key, Choice::KeyRebarMode, "突起"},
    };
    return tabs;
}

const FixedTable& standardValueTable() {
    static const FixedTable table{"参表1-2：標準値（Kho）",
                                  {65, 30, 29, 30},
                                  {{"地震規模", "Ⅰ種", "Ⅱ種", "Ⅲ種"},
                                   {"中規模地震", "0.12", "0.15", "0.18"},
                                   {"大規模地震", "0.16", "0.20", "0.24"}},
                                  "クリックすれば標準値を設定します"};
    return table;
}

const FixedTable& groundClassTable() {
    static const FixedTable table{"表1-9：地盤種別",
                                  {55, 93},
                                  {{"地盤種別", "地盤特性値"},
                                   {"Ⅰ種", "       Tg<0.2"},
                                   {"Ⅱ種", "0.2≦Tg<0.6"},
                                   {"Ⅲ種", "0.6≦Tg"}},
                                  ""};
    return table;
}

const FixedTable& groundLayersGrid() {
    static const FixedTable table{
        "地層区分", {30, 45, 30, 49}, {{"層No", "層厚(m)", "N値", "土質"}}, ""};
    return table;
}

std::vector<std::string> groundLayerRow(const DesignConditions& d, int row) {
    const GroundLayer& layer = d.groundLayers.at(row - 1);
    return {std::to_string(row), layer.thickness, layer.nValue, layer.soil};
}

Colour seismicToolsColour(const DesignConditions& d) {
    return d.seismicCase == 1 ? clWhite : clSilver;
}

std::uint32_t switchCaptionRgb(const Switch& s) {
    return displayRgb(s.captionColour);
}

// A disabled field is always shown silver; an enabled one in the colour the record
// (or a loaded file) gives it.
std::uint32_t fieldGroundRgb(const NumberField& f) {
    return displayRgb(f.enabled ? f.colour : clSilver);
}

}  // namespace marvoten

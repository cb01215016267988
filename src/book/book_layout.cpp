#include "book/book_layout.h"

namespace marvoten::layout {

namespace {

using Series = FigureSeries::Setup;
using namespace colours;

// A polyline series: colour, width, label distance when labels are shown.
Series line(Rgb colour, int width = 1) {
    return {SeriesKind::Polyline, colour, width, false, 0, {}};
}
Series labelled(Rgb colour, int distance, int width = 1) {
    return {SeriesKind::Polyline, colour, width, true, distance, {}};
}
Series legend(std::string title, Series s) {
    s.legendTitle = std::move(title);
    return s;
}

FigureAxis axis(std::string title = {}, std::string valueFormat = {}, bool inverted = false) {
    FigureAxis a;
    a.title = std::move(title);
    a.valueFormat = std::move(valueFormat);
    a.inverted = inverted;
    return a;
}

// The section tables read one row per section, as the window lays them out.
// clang-format off
const std::vector<std::string> stemColumnHeaders{"-", "H=1/4", "H=2/4", "H=3/4", "固定部"};
const std::vector<std::string> memberStressLabels{"-",          "曲げﾓｰﾒﾝﾄ",   "剪断力",     "必要鉄筋量",
                                                  "使用鉄筋量", "鉄筋径@ﾋﾟｯﾁ", "圧縮応力度", "引張応力度",
                                                  "平均剪断応力度", "判定"};
const std::vector<std::string> toeForceLabels{"-", "自　重", "前面土", "地盤反力", "合計"};
const std::vector<std::string> toeForceLabelsWithBuoyancy{"-",          "自　重",       "前面土", "地盤反力",
                                                          "前面土浮力", "つま先版浮力", "合計"};
const std::vector<int> correctionWidths{30, 30, 30, 30, 30, 35};
const std::vector<int> toeForceWidths{54, 42, 42, 42, 42, 47};

}  // namespace

const std::vector<TextLayout>& textSections() {
    static const std::vector<TextLayout> sections{
        {"ContentsText", "", 1},
        {"ConditionsText", "設計条件", 2},
        {"SelfWeightText", "１．自重計算", 1},
        {"SlabSelfWeightText", "１．自重計算", 1},
        {"EarthPressureText", "１．土圧", 1},
        {"OtherLoadsText", "２．その他の荷重", 1},
        {"SlidingText", "１．滑動に対する安定", 1},
        {"OverturningText", "２．転倒に対する安定", 1},
        {"BearingText", "３．支持力に対する安定", 1},
        {"UltimateBearingText", "４．鉛直支持力の照査", 1},
        {"LoadSummaryText", "【荷重概要】", 1},
        {"StemForcesText", "断面力の計算", 2},
        {"StemStressText", "鉄筋量、応力度の計算", 1},
        {"AnchorageText", "定着位置の計算", 2},
        {"ToeForcesText", "断面力", 1},
        {"ToeStressText", "鉄筋量、応力度", 1},
        {"KeyForcesText", "断面力", 1},
        {"KeyStressText", "鉄筋量、応力度", 1},
    };
    return sections;
}

const std::vector<TableLayout>& tableSections() {
    static const std::vector<TableLayout> sections{
        {"CeTable", "Ce：Cpt：Cdcの補正係数表", "", 6, 2, correctionWidths, 17,
         {{"d(mm)", "300", "1,000", "3,000", "5,000", "10,000"}, {"Ce", "1.4", "1.0", "0.7", "0.6", "0.5"}},
         {"d(mm)", "Ce"}, {}},
        {"CptTable", "Ce：Cpt：Cdcの補正係数表", "", 6, 2, correctionWidths, 17,
         {{"Pt(%)", "0.1", "0.2", "0.3", "0.5", "1.0以上"}, {"Cpt", "0.7", "0.9", "1.0", "1.2", "1.5"}},
         {"Pt(%)", "Cpt"}, {}},
        {"CdcTable", "Ce：Cpt：Cdcの補正係数表", "", 6, 2, correctionWidths, 17,
         {{"a/d", "0.5", "1.0", "1.5", "2.0", "2.5"}, {"Cdc", "6.4", "4.0", "2.5", "1.6", "1.0"}},
         {"a/d", "Cdc"}, {}},
        {"StabilityPointTable", "2．座標", "", 3, 12, {62, 50, 50}, 16, {}, {}, {}},
        {"SlabLoadTable", "１．自重計算", "", 5, 12, {90, 50, 50, 50, 50}, 16,
         {{"-", "A(m2)", "W(kN)", "Iy(m3)", "X(m)"}}, {}, {}},
        {"SlabPointTable", "2．座標", "", 3, 12, {90, 50, 50}, 16, {}, {}, {}},
        {"LoadListTable", "３．荷重一覧", "", 7, 11, {55, 55, 55, 55, 55, 65, 65}, 16,
         {{"", "鉛直力V", "水平力H", "作用点x", "作用点y", "ﾓｰﾒﾝﾄV･x", "ﾓｰﾒﾝﾄH･y"}},
         {"区分", "躯体重量", "前面土", "載荷重", "主働土圧", "受働土圧", "水圧", "浮力", "風荷重", "衝突荷重",
          "合計"},
         {}},
        {"StemForcesTable", "断面力一覧表", "一覧表", 5, 14, {65, 68, 68, 68, 68}, 17, {stemColumnHeaders},
         {"断面力", "計算位置", "土圧水平力", "土圧作用点", "土圧ﾓｰﾒﾝﾄ", "躯体重量", "地震慣性力", "地震作用点",
          "地震ﾓｰﾒﾝﾄ", "水圧水平力", "水圧作用点", "水圧ﾓｰﾒﾝﾄ", "Σﾓｰﾒﾝﾄ", "Σ剪断力"},
         {}},
        {"StemStressTable", "鉄筋量、応力度一覧表", "一覧表", 5, 16, {80, 68, 68, 68, 68}, 17, {stemColumnHeaders},
         {"-", "計算位置", "たて壁厚", "曲げﾓｰﾒﾝﾄ", "剪断力(S)", "剪断力(Sh)", "必要鉄筋量", "使用鉄筋量",
          "鉄筋径@ﾋﾟｯﾁ", "圧縮応力度", "引張応力度", "平均剪断応力度", "許容剪断応力度", "Ce", "Pt(%):Cpt", "判定"},
         {}},
        {"ToeHalfDepthTable", "断面力、応力度", "", 6, 5, toeForceWidths, 17,
         {{"つま先版", "先端部", "H/2部", "V(kN)", "x(m)", "Vx(kNm)"}}, toeForceLabels, toeForceLabelsWithBuoyancy},
        {"ToeRootTable", "断面力、応力度", "", 6, 5, toeForceWidths, 17,
         {{"つま先版", "先端部", "付根部", "V(kN)", "x(m)", "Vx(kNm)"}}, toeForceLabels, toeForceLabelsWithBuoyancy},
        {"ToeStressTable", "断面力、応力度", "", 3, 10, {75, 70, 70}, 17, {{"-", "応力度等", "許容応力度"}},
         memberStressLabels, {}},
        {"KeyTable", "断面力、応力度", "", 3, 10, {80, 70, 70}, 17, {{"-", "応力度等", "許容応力度"}},
         memberStressLabels, {}},
    };
    return sections;
}

const std::vector<FigureLayout>& figureSections() {
    static const std::vector<FigureLayout> sections{
        {"WallShapeFigure", "擁壁形状(mm)", "",
         {"擁壁外形図(mm)", TitleAlignment::Centre, axis(), axis(), false,
          {line(black, 2), line(green), line(yellow), labelled(blue, -4), labelled(gray, -8), labelled(fuchsia, 4),
           labelled(teal, 4), labelled(navy, 4), labelled(maroon, 4), labelled(lime, 4), labelled(olive, 4),
           labelled(purple, 4)}}},
        {"StabilityLoadFigure", "2．座標", "",
         {"点番号図", TitleAlignment::Centre, axis(), axis(), false,
          {labelled(black, -14, 2), labelled(green, 4), labelled(yellow, 4), line(red)}}},
        {"SlabLoadFigure", "2．座標", "",
         {"点番号図", TitleAlignment::Centre, axis(), axis(), false,
          {line(red), labelled(green, -14, 2), labelled(yellow, 4), labelled(blue, -14, 2), labelled(gray, 4),
           labelled(fuchsia, 4), labelled(teal, 4), line(navy), labelled(maroon, 4), labelled(lime, 4)}}},
        {"EarthPressureFigure", "１．土圧", "",
         {"すべり角～土圧図",
          TitleAlignment::Centre,
          [] {
              FigureAxis a = axis("すべり角（度）", "0");
              a.minimumLabelSpacing = 40;
              return a;
          }(),
          axis("土圧(kN)", "#,##0"),
          false,
          {{SeriesKind::FastPolyline, red, 1, false, 0, {}}, labelled(green, 2)}}},
        {"GroundReactionFigure", "地盤反力", "",
         {"地盤反力", TitleAlignment::Centre, axis(), axis(), false, {line(red, 2), labelled(green, 8)}}},
        {"LoadDiagramFigure", "", "",
         {"荷重図(安定計算時)", TitleAlignment::Centre, axis(), axis(), true,
          {legend("擁壁", line(black, 2)), legend("地盤反力", labelled(Rgb{128, 0, 255}, -14)),
           legend("すべり面", labelled(red, -12)), legend("載荷重", labelled(lime, 2)),
           legend("地表", line(Rgb{128, 64, 0})), legend("土圧", labelled(blue, 4)), legend("水圧", labelled(aqua, 2)),
           legend("中央1/3点", line(black, 2)), legend("中央1/3点", line(black, 2)), legend("土圧作用点", line(red)),
           legend("Ph作用点", labelled(red, 0)), legend("Pv作用点", labelled(red, 8)), line(green)}}},
        {"StemStressFigure", "鉄筋量、応力度一覧表", "図",
         {"図:たて壁鉄配筋", TitleAlignment::Centre, axis("幅(m)", "#,##0"), axis("高さ(m)", "#,##0"), false,
          {line(red, 2), labelled(green, 8, 2)}}},
        {"AnchorageFigureL1", "鉄筋定着長", "L1",
         {"L1(高さ～必要鉄筋量)", TitleAlignment::Centre, axis("×10 必要鉄筋量(mm2)", "#,##0"),
          axis("高さ(m)", "#,##0", true), false, {legend("必要鉄筋量", line(black, 2)), labelled(black, 8)}}},
        {"AnchorageFigureL2", "鉄筋定着長", "L2",
         {"L2(高さ～引張応力度)", TitleAlignment::Centre, axis("×10　引張応力度(N/mm2)", "#,##0"),
          axis("高さ(m)", "#,##0", true), false, {line(black, 2), labelled(black, 8)}}},
        {"ToeReactionFigure", "断面力、応力度", "",
         {"図", TitleAlignment::Left, axis(), axis("kN/m2"), false,
          {line(red, 2), labelled(green, -12), labelled(black, 4, 2)}}},
        {"KeyFigure", "断面力、応力度", "",
         {"図", TitleAlignment::Left, axis(), axis("kN/m2"), false,
          {line(red, 2), labelled(green, -12), labelled(yellow, -16, 2)}}},
    };
    return sections;
}

std::vector<BookPage> pages() {
    using T = TextId;
    using B = TableId;
    using F = FigureId;
    return {
        {PageId::PageConditions, "Ⅰ．設計条件", true, {{"目次"}, {"設計条件"}},
         {{T::ContentsText, 0}, {T::ConditionsText, 1}, {B::CeTable, 1}, {B::CptTable, 1}, {B::CdcTable, 1},
          {F::WallShapeFigure, 1}}},
        {PageId::PageLoads, "Ⅱ-1．荷重計算", true, {{"Ⅱ-1．安定計算用"}, {"Ⅱ-2．底版構造計算用"}},
         {{T::SelfWeightText, 0}, {B::StabilityPointTable, 0}, {F::StabilityLoadFigure, 0},
          {T::SlabSelfWeightText, 1}, {B::SlabLoadTable, 1}, {B::SlabPointTable, 1}, {F::SlabLoadFigure, 1}}},
        {PageId::PageEarthPressure, "Ⅱ-3．荷重計算", true, {},
         {{T::EarthPressureText}, {F::EarthPressureFigure}, {T::OtherLoadsText}, {B::LoadListTable}}},
        {PageId::PageStability, "Ⅲ-1．安定計算", true, {},
         {{T::SlidingText}, {T::OverturningText}, {T::BearingText}, {F::GroundReactionFigure},
          {T::UltimateBearingText}}},
        {PageId::PageLoadDiagram, "Ⅲ-2.荷重図", true, {}, {{F::LoadDiagramFigure}, {T::LoadSummaryText}}},
        {PageId::PageStem, "Ⅳ-1．構造(たて壁)", true, {{"断面力"}, {"鉄筋量、応力度"}, {"定着位置"}},
         {{T::StemForcesText, 0}, {B::StemForcesTable, 0}, {T::StemStressText, 1}, {B::StemStressTable, 1},
          {F::StemStressFigure, 1}, {T::AnchorageText, 2}, {F::AnchorageFigureL1, 2}, {F::AnchorageFigureL2, 2}}},
        {PageId::PageSlab, "Ⅳ-2．構造(底版)", true, {{"つま先版"}, {"突起"}},
         {{T::ToeForcesText, 0}, {T::ToeStressText, 0}, {B::ToeHalfDepthTable, 0}, {B::ToeRootTable, 0},
          {B::ToeStressTable, 0}, {F::ToeReactionFigure, 0}, {T::KeyForcesText, 1}, {T::KeyStressText, 1},
          {B::KeyTable, 1}, {F::KeyFigure, 1}}},
    };
}
// clang-format on

}  // namespace marvoten::layout

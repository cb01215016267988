#include "output/printed_pages.h"

#include <algorithm>

namespace marvoten {
namespace {

// The title band across the top of every page.
constexpr CanvasRect titleBand{76, 38, 681, 40};
constexpr CanvasPoint pageNumberAt{410, 1072};
constexpr int pageNumberPixels = 13;
constexpr const char* productLine = "Marvoten Ver3.1";

struct TextAt {
    TextId id;
    int block;
    int left, top;
    int pixels = 13;
};
struct TableAt {
    TableId id;
    int left, top;
    const char* title;
    int heightAfterDrawing = 0;
};
struct FigureAt {
    FigureId id;
    int left, top, width, height;
    const char* title;
    const char* horizontalTitle;
    const char* verticalTitle;
};
struct LabelAt {
    int left, top;
    const char* text;
    int pixels = 13;
};

struct PageLayout {
    PrintedPageId id;
    const char* title;
    const char* pageNumber;  // empty: no label
    std::vector<TextAt> texts;
    std::vector<TableAt> tables;
    std::vector<FigureAt> figures;
    std::vector<LabelAt> labels = {};
    int titleLeft = 16;  // within the band
    int titlePixels = 16;
};

// The correction-factor tables of layout Ⅰ stand 56 pixels apart and are cut to
// 50 pixels whatever their two rows need.
constexpr int correctionTableHeight = 50;

const std::vector<PageLayout>& layouts() {
    using P = PrintedPageId;
    using T = TextId;
    using B = TableId;
    using F = FigureId;
    static const std::vector<PageLayout> pages{
        {P::Contents, "目　　次", "", {{T::ContentsText, 0, 272, 176, 16}}, {}, {}, {}, 304, 19},
        {P::Conditions,
         "Ⅰ．設計条件",
         "1",
         {{T::ConditionsText, 0, 88, 96}, {T::ConditionsText, 1, 440, 544}},
         {{B::CeTable, 470, 856, "Ce：部材断面の有効高dに関する補正係数", correctionTableHeight},
          {B::CptTable, 470, 912, "Cpt：軸方向引張鉄筋比Ptに関する補正係数", correctionTableHeight},
          {B::CdcTable, 470, 968, "Cdc：せん断スパン比による割り増し係数", correctionTableHeight}},
         {{F::WallShapeFigure, 400, 88, 345, 441, "擁壁外形図(mm)", "幅(m)", "高さ(m)"}}},
        {P::StabilityLoads,
         "Ⅱ-1．荷重計算(自重：安定計算用)",
         "2",
         {{T::SelfWeightText, 0, 104, 96}},
         {{B::StabilityPointTable, 496, 96, "荷重座標一覧表"}},
         {{F::StabilityLoadFigure, 96, 768, 289, 289, "点番号図", "幅(m)", "高さ(m)"}}},
        {P::SlabLoads,
         "Ⅱ-2．荷重計算(自重：構造計算用)",
         "3",
         {{T::SlabSelfWeightText, 0, 104, 112}},
         {{B::SlabLoadTable, 88, 400, "荷重計算結果一覧表"},
          {B::SlabPointTable, 512, 88, "荷重座標一覧表"}},
         {{F::SlabLoadFigure, 150, 792, 289, 265, "点番号図", "幅(m)", "高さ(m)"}}},
        {P::EarthPressure,
         "Ⅱ-3．荷重計算(土圧等)",
         "4",
         {{T::EarthPressureText, 0, 112, 98}, {T::OtherLoadsText, 0, 480, 120}},
         {{B::LoadListTable, 112, 824, "荷重一覧"}},
         {{F::EarthPressureFigure, 96, 640, 337, 153, "すべり角～土圧", "ω：すべり角（度）",
           "Pa：土圧合力(kN)"}},
         {{464, 98, "２．その他の荷重", 15}}},
        {P::Stability,
         "Ⅲ-1．安定計算",
         "5",
         {{T::SlidingText, 0, 96, 93},
          {T::OverturningText, 0, 96, 397},
          {T::BearingText, 0, 96, 693}},
         {},
         {{F::GroundReactionFigure, 440, 688, 305, 353, "地盤反力", "幅(m)", "地盤反力(kN/m2)"}}},
        {P::UltimateBearing,
         "Ⅲ-1．安定計算（極限支持力）",
         "6",
         {{T::UltimateBearingText, 0, 96, 93}},
         {},
         {}},
        {P::LoadDiagram,
         "Ⅲ-2．荷重図",
         "7",
         {{T::LoadSummaryText, 0, 111, 778}},
         {},
         {{F::LoadDiagramFigure, 96, 115, 649, 622, "荷重図(安定計算時)", "幅(m)", "高さ(m)"}},
         {{112, 757, "荷重概要"}}},
        {P::StemForces,
         "Ⅳ-1-1．構造計算：たて壁(断面力)",
         "8",
         {{T::StemForcesText, 0, 96, 96}, {T::StemForcesText, 1, 456, 200}},
         {{B::StemForcesTable, 96, 744, "断面力"}},
         {}},
        {P::StemStress,
         "Ⅳ-1-2．構造計算：たて壁(鉄筋量及び応力度)",
         "9",
         {{T::StemStressText, 0, 96, 88}},
         {{B::StemStressTable, 88, 776, "応力度及び配筋量"}},
         {{F::StemStressFigure, 472, 88, 275, 233, "たて壁配筋", "幅(m)", "高さ(m)"}}},
        {P::Anchorage,
         "Ⅳ-1-3．構造計算：たて壁(鉄筋定着長)",
         "10",
         {{T::AnchorageText, 0, 96, 88}, {T::AnchorageText, 1, 96, 608}},
         {},
         {{F::AnchorageFigureL1, 440, 263, 302, 314, "L1（高さ～必要鉄筋量）",
           "×10 必要鉄筋量(mm2)", "高さ(m)"},
          {F::AnchorageFigureL2, 440, 631, 302, 314, "L2（高さ～引張応力度）",
           "×10　引張応力度(N/mm2)", "高さ(m)"}}},
        {P::ToeSlab,
         "Ⅳ-2-1．構造計算：底版(つま先版)",
         "11",
         {{T::ToeForcesText, 0, 88, 88}, {T::ToeStressText, 0, 432, 88}},
         {{B::ToeHalfDepthTable, 77, 664, "断面力(剪断力:H/2部)"},
          {B::ToeRootTable, 77, 760, "断面力(曲げﾓｰﾒﾝﾄ:たて壁付根部)"},
          {B::ToeStressTable, 81, 856, "応力度及び配筋量"}},
         // The title's second, empty line has no counterpart in a one-line title.
         {{F::ToeReactionFigure, 80, 504, 321, 153, "図", "", "地盤反力(kN/m2)"}}},
        {P::ShearKey,
         "Ⅳ-2-2．構造計算：底版(突起)",
         "12",
         {{T::KeyForcesText, 0, 88, 88}, {T::KeyStressText, 0, 448, 88}},
         {{B::KeyTable, 468, 864, "表11：応力度及び配筋量"}},
         {{F::KeyFigure, 96, 816, 337, 233, "図12", "", "地盤反力(kN/m2)"}}},
    };
    return pages;
}

FigureSeries::Setup setupOf(const FigureSeries& s) {
    return {s.kind(),        s.colour(),        s.lineWidth(),
            s.labelsShown(), s.labelDistance(), s.legendTitle()};
}

// Where the printed figures differ from the book figures they receive.
void adjustPrintedSeries(FigureId id, std::vector<FigureSeries::Setup>& series) {
    auto at = [&series](std::size_t number) -> FigureSeries::Setup& {
        return series.at(number - 1);
    };
    switch (id) {
        case FigureId::SlabLoadFigure:
            at(3).lineWidth = 2;
            return;
        case FigureId::EarthPressureFigure:
            // The critical slip angle as a plain line down to the axis.
            at(2).kind = SeriesKind::FastPolyline;
            at(2).labelsShown = false;
            return;
        case FigureId::LoadDiagramFigure:
            at(7).labelsShown = false;
            at(10).legendTitle = "合力作用点";
            return;
        default:
            return;
    }
}

FigureAxis printedAxis(const FigureAxis& bookAxis, const char* title) {
    FigureAxis axis = bookAxis;
    axis.title = title;
    axis.automatic = true;
    axis.minimum = axis.maximum = 0;
    return axis;
}

ReportFigure figureFrame(const FigureAt& f, const FigureSection& bookFigure) {
    ReportFigure::Setup setup;
    setup.title = f.title;
    setup.titleAlignment = bookFigure.titleAlignment();
    setup.horizontal = printedAxis(bookFigure.horizontalAxis(), f.horizontalTitle);
    setup.vertical = printedAxis(bookFigure.verticalAxis(), f.verticalTitle);
    setup.legendShown = bookFigure.legendShown();
    for (const FigureSeries& s : bookFigure.allSeries()) setup.series.push_back(setupOf(s));
    adjustPrintedSeries(f.id, setup.series);
    ReportFigure frame(f.left, f.top, f.width, f.height, std::move(setup));
    frame.horizontalLabelsFromSeries = figureRenderOptions(f.id).horizontalLabelsFromSeries;
    return frame;
}

PrintedPage startUpPage(const PageLayout& layout, const CalculationBook& setUp) {
    PrintedPage page;
    page.id = layout.id;
    page.band = titleBand;
    page.title = {
        {titleBand.left + layout.titleLeft, titleBand.top + 12}, layout.title, layout.titlePixels};
    if (layout.id == PrintedPageId::Conditions)
        page.productLine = PageText{{titleBand.left + 480, titleBand.top + 24}, productLine, 11};
    if (*layout.pageNumber)
        page.pageNumber = PageText{pageNumberAt, layout.pageNumber, pageNumberPixels};
    for (const LabelAt& l : layout.labels)
        page.labels.push_back({{double(l.left), double(l.top)}, l.text, l.pixels});
    for (const TextAt& t : layout.texts) {
        ReportTextFrame frame;
        frame.left = t.left;
        frame.top = t.top;
        frame.fontHeight = t.pixels;
        page.texts.push_back({t.id, t.block, std::move(frame)});
    }
    for (const FigureAt& f : layout.figures)
        page.figures.push_back({f.id, figureFrame(f, setUp.figure(f.id)), 0, f.top});
    for (const TableAt& t : layout.tables)
        page.figures.push_back(
            {t.id, ReportFigure::tableFrame(t.left, t.top, t.title), t.heightAfterDrawing, t.top});
    return page;
}

bool sideBySide(const ReportFigure& a, const ReportFigure& b) {
    return a.left + a.width <= b.left || b.left + b.width <= a.left;
}

// Pixels kept between a table and the frame beneath it that it pushed down.
constexpr int pushedGap = 6;

// A table with more rows than its layout was drawn for (buoyancy adds two to each
// toe-slab table) would cover the rows of the table beneath it: every frame below a
// table that now reaches into it moves down, the frames beneath that in turn.
void keepFramesBelowTablesClear(std::vector<PrintedFigureFrame>& frames) {
    std::vector<PrintedFigureFrame*> downwards;
    for (auto& f : frames) downwards.push_back(&f);
    std::stable_sort(downwards.begin(), downwards.end(),
                     [](const auto* a, const auto* b) { return a->layoutTop < b->layoutTop; });
    for (std::size_t i = 0; i < downwards.size(); ++i) {
        const PrintedFigureFrame& upper = *downwards[i];
        if (!std::holds_alternative<TableId>(upper.source)) continue;
        const int bottom = upper.frame.top + upper.frame.height + pushedGap;
        for (std::size_t j = i + 1; j < downwards.size(); ++j) {
            ReportFigure& lower = downwards[j]->frame;
            if (!sideBySide(upper.frame, lower) && lower.top < bottom) lower.top = bottom;
        }
    }
}

}  // namespace

std::vector<PrintedPageId> printedBookOrder(bool hasShearKey) {
    std::vector<PrintedPageId> order;
    for (const PageLayout& layout : layouts())
        if (layout.id != PrintedPageId::ShearKey || hasShearKey) order.push_back(layout.id);
    return order;
}

PrintedBook::PrintedBook(const CalculationBook& setUp) {
    for (const PageLayout& layout : layouts()) pages_.push_back(startUpPage(layout, setUp));
}

const PrintedPage& PrintedBook::fill(PrintedPageId id, const CalculationBook& book,
                                     const PrintedPageLabels& labels) {
    PrintedPage& page = pages_[static_cast<std::size_t>(id)];
    if (id == PrintedPageId::ToeSlab) page.pageNumber->text = labels.toeSlabPage;
    if (id == PrintedPageId::ShearKey) page.pageNumber->text = labels.keyPage;

    TDrawKekka drawer;
    for (PrintedTextFrame& t : page.texts)
        drawer.copyTextBlock(book.text(t.source).block(t.block), t.frame);
    for (PrintedFigureFrame& f : page.figures) {
        f.frame.top = f.layoutTop;
        if (const auto* table = std::get_if<TableId>(&f.source)) {
            drawer.drawTableFigure(book.table(*table), f.frame, 1, 2, 3);
            if (f.heightAfterDrawing > 0) f.frame.height = f.heightAfterDrawing;
        } else {
            drawer.copyFigure(book.figure(std::get<FigureId>(f.source)), f.frame);
        }
    }
    keepFramesBelowTablesClear(page.figures);
    return page;
}

}  // namespace marvoten

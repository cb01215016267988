#pragma once
// A calculation book with something in every section, for the PDF book's tests:
// the calculation run on the start values (or on a wall with a shear key) writes
// the sections it owns; every section it leaves empty gets representative lines,
// table values and figure points of its own kind, so that each page is full.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "book/calculation_book.h"
#include "book/line_format.h"
#include "book/results_view.h"
#include "model/design_conditions.h"
#include "report/calculation_run.h"

namespace marvoten::testing {

inline DesignConditions wallWithShearKey() {
    DesignConditions dc;
    dc.hasShearKey = 1;
    for (NumberField* f : {&dc.keyPosition, &dc.keyWidth, &dc.keyHeight}) f->enabled = true;
    dc.keyPosition.text = "1800";
    dc.keyWidth.text = "500";
    dc.keyHeight.text = "500";
    return dc;
}

inline std::vector<std::string> contentsLines(const std::string& subjectName, bool shearKey) {
    std::vector<std::string> lines{"件　名：" + subjectName,
                                   "",
                                   "　　　　逆Ｌ型擁壁計算書　目次",
                                   "",
                                   "　　　　　　（常　時）",
                                   "",
                                   "Ⅰ.設計条件　　　　　　　　　  ・・・・P1",
                                   "",
                                   "",
                                   "Ⅱ.荷重計算",
                                   "",
                                   "   1.荷重計算(自重:安定計算用) ・・・・P2",
                                   "",
                                   "   2.荷重計算(自重:構造計算用) ・・・・P3",
                                   "",
                                   "   3.荷重計算(土圧等)　　　　  ・・・・P4",
                                   "",
                                   "",
                                   "Ⅲ.安定計算",
                                   "",
                                   "   1.安定計算(滑動,転倒,支持力)・・・・P5",
                                   "",
                                   "        　　 (極限支持力)　　　・・・・P6",
                                   "",
                                   "   2.荷重図　　　　　　　　　  ・・・・P7",
                                   "",
                                   "",
                                   "Ⅳ-1.構造計算:たて壁",
                                   "",
                                   "     1.断面力　　　　　        ・・・・P8",
                                   "",
                                   "     2.鉄筋量及び応力度        ・・・・P9",
                                   "",
                                   "     3.鉄筋定着長　　　　　 　 ・・・・P10",
                                   "",
                                   "Ⅳ-2.構造計算:底版",
                                   "",
                                   "     1.つま先版　　  　        ・・・・P11"};
    if (shearKey) {
        lines.push_back("");
        lines.push_back("     2.突起                    ・・・・P12");
    }
    return lines;
}

// Representative lines of the sections the run does not write yet, each block
// headed by a line of its own.
struct BlockLines {
    TextId id;
    int block;
    std::vector<std::string> lines;
};

inline std::vector<BlockLines> representativeLines() {
    using T = TextId;
    const auto v = [](const char* templ, double value) { return formatValue(templ, value); };
    return {
        {T::ConditionsText, 0,
         {"1.裏込土の諸量", "  土質：砂、砂礫", v("  土の単位重量(γs)   =0.00kN/m3", 19),
          v("  剪断抵抗角(φ)    　=0.0度", 35), "", "2.支持地盤", v("  摩擦係数(μ)        =0.00", 0.6)}},
        {T::ConditionsText, 1,
         {"5.許容応力度", v("  σck(設計基準強度)  =0.0N/mm2", 24), v("  σsa(鉄筋)          =0N/mm2", 160),
          v("  τa1                =0.00N/mm2", 0.23)}},
        {T::SlidingText, 0,
         {"１．滑動に対する安定 ( OK )", "", "   ΣV･μ", "Fs=------=" + v("0.00", 1.31), "    ΣH",
          v("  ΣV  =0.00kN", 351.74), v("  ΣH  =0.00kN", 161.58), "  Fs=1.31 ≧ 1.20  OK"}},
        {T::OverturningText, 0,
         {"２．転倒に対する安定 ( OK )", "", "    ΣMr-ΣMo   B", "e=----------- ≦ --", "      ΣV       6",
          v("  e   =0.000m", 0.383), v("  B/6 =0.000m", 0.674), "  e ≦ B/6  OK"}},
        {T::BearingText, 0,
         {"３．支持力に対する安定 ( OK )", "", "      ΣV    6･e", "q=----･(1 ± ---)", "      B      B",
          v("  q1  =0.00kN/m2", 134.57), v("  q2  =0.00kN/m2", 39.48), v("  qa  =0.00kN/m2", 300),
          "  q1 ≦ qa  OK"}},
        {T::UltimateBearingText, 0,
         {"４．鉛直支持力の照査", "", "Qu=Ae･{α･k･c･Nc･Sc+k･q･Nq･Sq+1/2･γ1･β･Be･Nγ･Sγ}",
          v("  Be(有効載荷幅)        =0.000m", 3.276), v("  Qu(極限支持力)        =#,0.00kN", 2345.67),
          v("  Fs=Qu/ΣV             =0.00", 6.67), "  Fs ≧ 3.0  OK"}},
        {T::LoadSummaryText, 0,
         {"【荷重概要】", v("  ΣV(鉛直力)  =0.00kN", 351.74), v("  ΣH(水平力)  =0.00kN", 161.58),
          v("  e(偏心量)   =0.000m", 0.383)}},
        {T::StemForcesText, 0,
         {"(1)断面力の計算", v("  H(たて壁高さ)  =0.000m", 7.1), v("  Ph(水平土圧)   =0.00kN", 128.4),
          v("  M(曲げﾓｰﾒﾝﾄ)   =0.00kNm", 303.9)}},
        {T::StemForcesText, 1, {"(2)地震時慣性力", v("  kh  =0.00", 0), v("  W   =0.00kN", 86.9)}},
        {T::StemStressText, 0,
         {"(1)必要鉄筋量", "        M", "As=-----------", "    σsa･j･d", v("   As=-------------      =0,0mm2", 2345.6),
          "  使用鉄筋 D22@125", v("  σc=0.00N/mm2", 6.12), v("  σs=0.0N/mm2", 151.3)}},
        {T::AnchorageText, 0,
         {"(1)鉄筋定着位置", v("  L1(必要鉄筋量による)  =0.000m", 2.145), v("  L2(引張応力度による)  =0.000m", 2.87)}},
        {T::AnchorageText, 1, {"(2)定着長", v("  la=σsa･φ/(4･τoa)   =0mm", 733)}},
        {T::ToeForcesText, 0,
         {"(1)つま先版の断面力", v("  M(付根部)  =0.00kNm", 412.5), v("  S(H/2部)   =0.00kN", 198.2)}},
        {T::ToeStressText, 0,
         {"(2)鉄筋量、応力度", v("  As(必要)  =0,0mm2", 3012.8), "  使用鉄筋 D25@125", v("  σs=0.0N/mm2", 148.7)}},
        {T::KeyForcesText, 0,
         {"(1)突起の断面力", v("  Hp(受働抵抗)  =0.00kN", 96.3), v("  M(付根部)     =0.00kNm", 24.1)}},
        {T::KeyStressText, 0,
         {"(2)鉄筋量、応力度", v("  As(必要)  =0,0mm2", 412.9), "  使用鉄筋 D16@250", v("  σs=0.0N/mm2", 98.4)}},
    };
}

// The member tables: every data cell still "---" gets a number.
inline void fillResultTables(CalculationBook& book) {
    for (TableId id : {TableId::StemForcesTable, TableId::StemStressTable, TableId::ToeHalfDepthTable,
                       TableId::ToeRootTable, TableId::ToeStressTable, TableId::KeyTable}) {
        TableSection& t = book.table(id);
        for (int c = 1; c < t.columnCount(); ++c)
            for (int r = 1; r < t.rowCount(); ++r)
                if (t.cell(c, r) == "---") t.setCell(c, r, formatValue("#,0.00", 10.25 * c + 1.5 * r));
    }
}

inline void addOutline(FigureSeries& s, const std::vector<std::pair<double, double>>& points,
                       const char* label = " ") {
    s.keepInsertionOrder();
    for (const auto& [x, y] : points) s.addPoint(x, y, label);
}

// Figures in the shape the wall of the start values gives them.
inline void fillEmptyFigures(CalculationBook& book) {
    const std::vector<std::pair<double, double>> wall{{0, 0},     {0, 0.7}, {3.4, 0.9}, {3.5, 0.9}, {3.642, 8},
                                                      {4.042, 8}, {4.042, 0}, {0, 0}};
    auto empty = [&](FigureId id) {
        for (const auto& s : book.figure(id).allSeries())
            if (s.pointCount() > 0) return false;
        return true;
    };
    if (empty(FigureId::WallShapeFigure)) {
        FigureSection& f = book.figure(FigureId::WallShapeFigure);
        f.setAxisRanges(-1000, 9000, -1500, 6000);
        std::vector<std::pair<double, double>> mm;
        for (const auto& [x, y] : wall) mm.push_back({x * 1000, y * 1000});
        addOutline(f.series(1), mm);
        addOutline(f.series(4), {{0, -500}, {3500, -500}}, "3500");
        addOutline(f.series(6), {{4500, 0}, {4500, 8000}}, "8000");
        addOutline(f.series(7), {{3642, 8500}, {4042, 8500}}, "400");
    }
    if (empty(FigureId::GroundReactionFigure)) {
        FigureSection& f = book.figure(FigureId::GroundReactionFigure);
        f.setAxisRanges(-200, 50, -0.5, 4.5);
        addOutline(f.series(1), {{0, 0}, {4.042, 0}});
        f.series(2).keepInsertionOrder();
        f.series(2).addPoint(0, 0, " ");
        f.series(2).addPoint(0, -134.57, "q1=134.57");
        f.series(2).addPoint(4.042, -39.48, "q2=39.48");
        f.series(2).addPoint(4.042, 0, " ");
    }
    if (empty(FigureId::LoadDiagramFigure)) {
        FigureSection& f = book.figure(FigureId::LoadDiagramFigure);
        f.setAxisRanges(-3, 11, -2, 12);
        addOutline(f.series(1), wall);
        f.series(2).keepInsertionOrder();
        for (auto [x, y, label] : std::vector<std::tuple<double, double, const char*>>{
                 {0, 0, " "}, {0, -1.35, "134.57"}, {4.042, -0.39, "39.48"}, {4.042, 0, " "}})
            f.series(2).addPoint(x, y, label);
        addOutline(f.series(3), {{4.042, 0}, {8.84, 8}}, " ");
        f.series(3).addPoint(8.84, 8, "ω=59.06度");
        addOutline(f.series(4), {{4.042, 8.2}});
        f.series(4).addPoint(10, 8.2, "q=10.00kN/m2");
        addOutline(f.series(5), {{4.042, 8}, {11, 8}});
        addOutline(f.series(6), {{4.4, 8}, {5.6, 0}, {4.4, 0}}, " ");
        addOutline(f.series(8), {{1.347, -0.5}, {1.347, 0}});
        addOutline(f.series(9), {{2.695, -0.5}, {2.695, 0}});
        f.series(10).addPoint(4.042, 2.667, " ");
        f.series(10).addPoint(4.042, 2.667, " ");
        addOutline(f.series(11), {{4.042, 2.667}});
        f.series(11).addPoint(5.0, 2.667, "Ph=161.58kN");
        addOutline(f.series(12), {{4.042, 2.667}});
        f.series(12).addPoint(4.042, 3.6, "Pv=69.70kN");
    }
    if (empty(FigureId::StemStressFigure)) {
        FigureSection& f = book.figure(FigureId::StemStressFigure);
        f.setAxisRanges(-0.5, 8.5, -0.5, 1.5);
        addOutline(f.series(1), {{0, 0}, {0.142, 7.1}, {0.542, 7.1}, {0.542, 0}, {0, 0}});
        addOutline(f.series(2), {{0.442, 0}, {0.442, 3.5}, {0.442, 7.0}}, "D22@125");
    }
    for (FigureId id : {FigureId::AnchorageFigureL1, FigureId::AnchorageFigureL2}) {
        if (!empty(id)) continue;
        FigureSection& f = book.figure(id);
        f.setAxisRanges(0, 7.1, 0, 300);
        addOutline(f.series(1), {{0, 0}, {20, 1.775}, {70, 3.55}, {150, 5.325}, {240, 7.1}});
        addOutline(f.series(2), {{120, 0}, {120, 7.1}}, " ");
        f.series(2).addPoint(120, 4.4, "L=4.40m");
    }
    for (FigureId id : {FigureId::ToeReactionFigure, FigureId::KeyFigure}) {
        if (!empty(id)) continue;
        FigureSection& f = book.figure(id);
        f.setAxisRanges(-150, 50, -0.5, 4.5);
        addOutline(f.series(1), {{0, 0}, {4.042, 0}});
        addOutline(f.series(2), {{0, 0}, {0, -134.57}, {3.5, -52.3}, {3.5, 0}}, " ");
        f.series(2).setLabelDistance(-12);
        addOutline(f.series(3), {{1.75, 0}, {1.75, 20}}, "H/2");
    }
}

// The book after a run on `dc`, with every section filled.
inline CalculationBook representativeBook(const DesignConditions& dc, const std::string& subjectName) {
    CalculationBook book;
    ResultsView view(book);
    runCalculation(dc, book, view);
    const bool key = dc.hasShearKey != 0;
    TextSection& contents = book.text(TextId::ContentsText);
    if (contents.lineCount() == 0)
        for (const std::string& l : contentsLines(subjectName, key)) contents.addLine(l);
    for (const BlockLines& b : representativeLines()) {
        TextBlock& block = book.text(b.id).block(b.block);
        if (block.lineCount() == 0)
            for (const std::string& l : b.lines) block.addLine(l);
    }
    fillResultTables(book);
    fillEmptyFigures(book);
    return book;
}

}  // namespace marvoten::testing

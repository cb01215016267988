#pragma once
// The calculation book: every page of results with its text, table and figure
// sections. Writers fill the sections; the outputs read them in book order.
//
//   book.text(TextId::SelfWeightText).addLine(formatValue("  面積(A)=0.00m2", a));
//   book.text(TextId::ConditionsText).lower().addLine("...");
//   book.table(TableId::LoadListTable).setCell(1, 2, formatValue("0.00", v));
//   auto& fig = book.figure(FigureId::LoadDiagramFigure);
//   fig.clearSeries(); fig.setAxisRanges(vMin, vMax, hMin, hMax);
//   fig.series(1).keepInsertionOrder();            // series numbered from 1
//   fig.series(1).addPoint(x, y, " ");             // colour: seriesColourDefault
//   fig.series(6).addPoint(x, y, "Hc=0.50m", colours::blue);
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "book/figure_section.h"
#include "book/rgb.h"
#include "book/table_section.h"
#include "book/text_section.h"

namespace marvoten {

// Sections in book order within each kind.
enum class TextId {
    ContentsText,
    ConditionsText,  // upper and lower block
    SelfWeightText,
    SlabSelfWeightText,
    EarthPressureText,
    OtherLoadsText,
    SlidingText,
    OverturningText,
    BearingText,
    UltimateBearingText,
    LoadSummaryText,
    StemForcesText,  // upper and lower block
    StemStressText,
    AnchorageText,  // upper and lower block
    ToeForcesText,
    ToeStressText,
    KeyForcesText,
    KeyStressText,
};
inline constexpr std::size_t textSectionCount = 18;

enum class TableId {
    CeTable,
    CptTable,
    CdcTable,
    StabilityPointTable,
    SlabLoadTable,
    SlabPointTable,
    LoadListTable,
    StemForcesTable,
    StemStressTable,
    ToeHalfDepthTable,
    ToeRootTable,
    ToeStressTable,
    KeyTable,
};
inline constexpr std::size_t tableSectionCount = 13;

enum class FigureId {
    WallShapeFigure,
    StabilityLoadFigure,
    SlabLoadFigure,
    EarthPressureFigure,
    GroundReactionFigure,
    LoadDiagramFigure,
    StemStressFigure,
    AnchorageFigureL1,
    AnchorageFigureL2,
    ToeReactionFigure,
    KeyFigure,
};
inline constexpr std::size_t figureSectionCount = 11;

// The correction-factor tables shown together on the conditions page, and the
// toe slab's tables.
inline constexpr std::array<TableId, 3> CorrectionFactorTables{TableId::CeTable, TableId::CptTable,
                                                               TableId::CdcTable};
inline constexpr std::array<TableId, 3> ToeTables{TableId::ToeHalfDepthTable, TableId::ToeRootTable,
                                                  TableId::ToeStressTable};

using SectionId = std::variant<TextId, TableId, FigureId>;

// The remarks box "摘要" beside the load list (shown on screen only).
inline constexpr std::array<std::string_view, 2> loadListRemarks{
    "◎土塊上の載荷重、雪荷重は土圧に含む", "◎水平力の合計値には、受働土圧を含まない"};

enum class PageId {
    PageConditions,
    PageLoads,
    PageEarthPressure,
    PageStability,
    PageLoadDiagram,
    PageStem,
    PageSlab,
};
inline constexpr std::size_t pageCount = 7;

struct SubTab {
    std::string caption;
    bool visible = true;
};

// A section's place on its page: the sub-tab it is grouped under (index into
// BookPage::subTabs, or -1 on a page without sub-tabs).
struct PageSection {
    SectionId id;
    int subTab = -1;
};

struct BookPage {
    PageId id;
    std::string caption;  // the page's tab
    bool visible = true;
    std::vector<SubTab> subTabs;
    std::vector<PageSection> sections;  // in book order
};

// What changed in the book, for the window that shows it: one notification per
// change, with a flag for each kind of section it touched.
struct BookChange {
    enum Flag : unsigned {
        Texts = 1u << 0,
        Tables = 1u << 1,
        Figures = 1u << 2,
        SubTabs = 1u << 3,  // a sub-tab shown or hidden
    };
    static constexpr unsigned everything = Texts | Tables | Figures | SubTabs;
    unsigned flags = 0;
    bool has(Flag f) const { return (flags & f) != 0; }
};
using BookListener = std::function<void(const BookChange&)>;

class CalculationBook {
public:
    // The book as at start-up: pages, fixed table cells (toe tables laid out
    // without buoyancy), figure set-up, empty text blocks and no points.
    CalculationBook();

    TextSection& text(TextId id) { return texts_[index(id)]; }
    const TextSection& text(TextId id) const { return texts_[index(id)]; }
    TableSection& table(TableId id) { return tables_[index(id)]; }
    const TableSection& table(TableId id) const { return tables_[index(id)]; }
    FigureSection& figure(FigureId id) { return figures_[index(id)]; }
    const FigureSection& figure(FigureId id) const { return figures_[index(id)]; }

    // Pages in book order, each listing its sub-tabs and sections in order.
    const std::vector<BookPage>& pages() const { return pages_; }
    const BookPage& page(PageId id) const { return pages_[index(id)]; }
    BookPage& page(PageId id) { return pages_[index(id)]; }

    // The name of a section as the program calls it ("SelfWeightText").
    const std::string& sectionName(const SectionId& id) const;
    const std::string& groupCaption(const SectionId& id) const;

    // The fixed header rows, label columns, sizes and column widths of every
    // table, restored; the toe force tables get 7 rows with buoyancy in the slab
    // design and 5 without. Data cells of the other tables are left as they are.
    void applyFixedTableContents(bool buoyancyInSlab);

    // The shear-key sub-tab "突起" of the slab page is shown only for a wall with
    // a shear key.
    void setShearKeyShown(bool shown);
    bool shearKeyShown() const;

    // The writers fill sections directly; whoever ran them tells the listener
    // once what they changed (a run does at its end).
    void setListener(BookListener listener) { listener_ = std::move(listener); }
    void announce(unsigned flags) const {
        if (listener_ && flags != 0) listener_(BookChange{flags});
    }

    // Start of a run: "---" into every data cell of the result tables. Like the
    // writers, these leave the announcement to the run.
    void resetResultTables();
    // A run without member design: the member texts and figures emptied (the
    // anchorage text keeps its lower block; the member tables keep "---").
    void clearMemberDesign();

private:
    template <class E>
    static std::size_t index(E id) {
        return static_cast<std::size_t>(id);
    }

    std::vector<TextSection> texts_;
    std::vector<TableSection> tables_;
    std::vector<FigureSection> figures_;
    std::vector<BookPage> pages_;
    BookListener listener_;
};

}  // namespace marvoten

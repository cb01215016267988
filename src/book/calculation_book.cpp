#include "book/calculation_book.h"

#include <stdexcept>

#include "book/book_layout.h"

namespace marvoten {

namespace {

template <class E>
std::size_t at(E id) {
    return static_cast<std::size_t>(id);
}

}  // namespace

CalculationBook::CalculationBook() {
    for (const auto& t : layout::textSections())
        texts_.emplace_back(t.name, t.groupCaption, t.blocks);
    for (const auto& t : layout::tableSections())
        tables_.emplace_back(t.name, t.groupCaption, t.tabCaption, t.columns, t.rows,
                             t.columnWidths, t.rowHeight);
    for (const auto& f : layout::figureSections())
        figures_.emplace_back(f.name, f.groupCaption, f.tabCaption, f.setup);
    pages_ = layout::pages();
    applyFixedTableContents(false);
}

const std::string& CalculationBook::sectionName(const SectionId& id) const {
    return std::visit(
        [this](auto section) -> const std::string& {
            using E = decltype(section);
            if constexpr (std::is_same_v<E, TextId>)
                return texts_[at(section)].name();
            else if constexpr (std::is_same_v<E, TableId>)
                return tables_[at(section)].name();
            else
                return figures_[at(section)].name();
        },
        id);
}

const std::string& CalculationBook::groupCaption(const SectionId& id) const {
    return std::visit(
        [this](auto section) -> const std::string& {
            using E = decltype(section);
            if constexpr (std::is_same_v<E, TextId>)
                return texts_[at(section)].groupCaption();
            else if constexpr (std::is_same_v<E, TableId>)
                return tables_[at(section)].groupCaption();
            else
                return figures_[at(section)].groupCaption();
        },
        id);
}

void CalculationBook::applyFixedTableContents(bool buoyancyInSlab) {
    const auto& shapes = layout::tableSections();
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const auto& shape = shapes[i];
        auto& table = tables_[i];
        // Only the toe force tables change their row count here; the other
        // tables keep the rows their writers set, so that no written row is hidden.
        const auto& labels = shape.rowsByBuoyancy() && buoyancyInSlab
                                 ? shape.labelColumnWithBuoyancy
                                 : shape.labelColumn;
        if (shape.rowsByBuoyancy()) table.setRowCount(static_cast<int>(labels.size()));
        for (std::size_t r = 0; r < shape.fixedRows.size(); ++r) {
            const auto& items = shape.fixedRows[r];
            for (std::size_t c = 0; c < items.size(); ++c)
                table.setCell(static_cast<int>(c), static_cast<int>(r), items[c]);
        }
        table.setLabelColumn(labels);
    }
    announce(BookChange::Tables);
}

void CalculationBook::setShearKeyShown(bool shown) {
    bool& visible = page(PageId::PageSlab).subTabs.at(layout::keySubTab).visible;
    if (visible == shown) return;
    visible = shown;
    announce(BookChange::SubTabs);
}

bool CalculationBook::shearKeyShown() const {
    return page(PageId::PageSlab).subTabs.at(layout::keySubTab).visible;
}

void CalculationBook::resetResultTables() {
    for (TableId id : {TableId::SlabLoadTable, TableId::LoadListTable, TableId::StemForcesTable,
                       TableId::StemStressTable, TableId::ToeHalfDepthTable, TableId::ToeRootTable,
                       TableId::ToeStressTable, TableId::KeyTable})
        table(id).resetCells();
}

void CalculationBook::clearMemberDesign() {
    text(TextId::StemForcesText).upper().clear();
    text(TextId::StemForcesText).lower().clear();
    text(TextId::AnchorageText).upper().clear();
    for (TextId id : {TextId::StemStressText, TextId::ToeForcesText, TextId::ToeStressText,
                      TextId::KeyForcesText, TextId::KeyStressText})
        text(id).clear();
    for (FigureId id :
         {FigureId::StemStressFigure, FigureId::AnchorageFigureL1, FigureId::AnchorageFigureL2,
          FigureId::ToeReactionFigure, FigureId::KeyFigure})
        figure(id).clearSeries();
}

}  // namespace marvoten

#include "book/table_section.h"

#include <stdexcept>

namespace marvoten {

namespace {
const std::string emptyText;
}

TableSection::TableSection(std::string name, std::string groupCaption, std::string tabCaption,
                           int columns, int rows, std::vector<int> columnWidths, int rowHeight)
    : name_(std::move(name)),
      groupCaption_(std::move(groupCaption)),
      tabCaption_(std::move(tabCaption)),
      columns_(columns),
      rows_(rows),
      columnWidths_(std::move(columnWidths)),
      rowHeight_(rowHeight) {
    if (columns_ < 1 || rows_ < 1 || columnWidths_.size() != static_cast<std::size_t>(columns_))
        throw std::invalid_argument(name_ + ": table size and column widths do not agree");
}

void TableSection::setRowCount(int n) {
    if (n < 1) throw std::out_of_range(name_ + ": a table has at least one row");
    rows_ = n;
}

void TableSection::setHeaderRow(const std::vector<std::string>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) setCell(static_cast<int>(i), 0, items[i]);
}

void TableSection::setLabelColumn(const std::vector<std::string>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) setCell(0, static_cast<int>(i), items[i]);
}

void TableSection::setCell(int column, int row, std::string text) {
    if (column < 0 || column >= columns_ || row < 0)
        throw std::out_of_range(name_ + ": no cell (" + std::to_string(column) + ", " +
                                std::to_string(row) + ")");
    const auto r = static_cast<std::size_t>(row);
    if (cells_.size() <= r) cells_.resize(r + 1);
    auto& cells = cells_[r];
    if (cells.size() < static_cast<std::size_t>(columns_))
        cells.resize(static_cast<std::size_t>(columns_));
    cells[static_cast<std::size_t>(column)] = std::move(text);
}

const std::string& TableSection::cell(int column, int row) const {
    if (column < 0 || column >= columns_ || row < 0)
        throw std::out_of_range(name_ + ": no cell (" + std::to_string(column) + ", " +
                                std::to_string(row) + ")");
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    if (r >= cells_.size() || c >= cells_[r].size()) return emptyText;
    return cells_[r][c];
}

void TableSection::resetCells() {
    for (int row = 1; row < rows_; ++row)
        for (int column = 1; column < columns_; ++column) setCell(column, row, "---");
}

}  // namespace marvoten

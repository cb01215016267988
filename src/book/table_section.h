#pragma once
// A table section of the book: a grid of texts with a fixed header row (row 0)
// and a fixed label column (column 0); the other cells are data cells.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace marvoten {

class TableSection {
public:
    TableSection(std::string name, std::string groupCaption, std::string tabCaption, int columns,
                 int rows, std::vector<int> columnWidths, int rowHeight);

    const std::string& name() const { return name_; }
    const std::string& groupCaption() const { return groupCaption_; }
    // The small tab the table sits under within its group ("一覧表"), or empty.
    const std::string& tabCaption() const { return tabCaption_; }

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    // Rows beyond n are no longer shown or copied; their texts are kept, as
    // cells written beyond the row count are (the point tables write one row
    // past the end that the next block's header overwrites).
    void setRowCount(int n);

    // cell (i, 0) := item i.
    void setHeaderRow(const std::vector<std::string>& items);
    void setHeaderRow(std::initializer_list<std::string> items) {
        setHeaderRow(std::vector<std::string>(items));
    }
    // cell (0, i) := item i.
    void setLabelColumn(const std::vector<std::string>& items);
    void setLabelColumn(std::initializer_list<std::string> items) {
        setLabelColumn(std::vector<std::string>(items));
    }

    // Column and row from 0. Any column below columnCount() and any row >= 0 may
    // be written; other positions are std::out_of_range.
    void setCell(int column, int row, std::string text);
    // The text of a cell; a cell never written holds the empty text.
    const std::string& cell(int column, int row) const;

    // Every data cell (column >= 1, row >= 1, within the current size) := "---".
    void resetCells();

    // Display widths in pixels, column 0 first; row height in pixels.
    int columnWidth(int column) const { return columnWidths_.at(static_cast<std::size_t>(column)); }
    const std::vector<int>& columnWidths() const { return columnWidths_; }
    int rowHeight() const { return rowHeight_; }

private:
    std::string name_;
    std::string groupCaption_;
    std::string tabCaption_;
    int columns_;
    int rows_;
    std::vector<int> columnWidths_;
    int rowHeight_;
    std::vector<std::vector<std::string>> cells_;  // [row][column], grown on demand
};

}  // namespace marvoten

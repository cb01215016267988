#pragma once
// The reference windows' tables and figures on screen: a grid that mirrors a
// table section, and a widget that hands its painter to the figure renderer.
#include <QTableWidget>
#include <QWidget>

#include "book/figure_section.h"
#include "book/table_section.h"

namespace marvoten {

// A read-only grid without headers, one row selectable, in a compact face.
void setUpReferenceGrid(QTableWidget& grid);
// A grid of the section's size, widths and row height; the header row and label
// column are the grid's first row and column, drawn silver like fixed cells.
void setUpSectionGrid(QTableWidget& grid, const TableSection& table, int fixedRows = 1,
                      int fixedColumns = 1);
// Every cell's text from the section.
void showSectionCells(QTableWidget& grid, const TableSection& table);

class SectionFigureView : public QWidget {
public:
    SectionFigureView(const FigureSection& figure, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const FigureSection& figure_;
};

}  // namespace marvoten

#include "ui/reference_sections.h"

#include <QHeaderView>
#include <QPainter>

#include "output/figure_renderer.h"
#include "ui/painter_canvas.h"

namespace marvoten {

void setUpReferenceGrid(QTableWidget& grid) {
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setMinimumSectionSize(1);
    // The guideline's texts in the narrow columns of the printed tables: a compact
    // face, no padding, and a long text cut rather than shortened to "…".
    QFont compact = grid.font();
    compact.setPixelSize(11);
    grid.setFont(compact);
    grid.setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px; }"));
    grid.setTextElideMode(Qt::ElideNone);
    grid.setWordWrap(false);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
}

void setUpSectionGrid(QTableWidget& grid, const TableSection& table, int fixedRows,
                      int fixedColumns) {
    grid.setColumnCount(table.columnCount());
    grid.setRowCount(table.rowCount());
    setUpReferenceGrid(grid);
    for (int c = 0; c < table.columnCount(); ++c) grid.setColumnWidth(c, table.columnWidth(c));
    for (int r = 0; r < table.rowCount(); ++r) grid.setRowHeight(r, table.rowHeight());
    for (int r = 0; r < table.rowCount(); ++r)
        for (int c = 0; c < table.columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            if (r < fixedRows || c < fixedColumns) {
                item->setBackground(QColor(192, 192, 192));
                item->setFlags(Qt::ItemIsEnabled);
            }
            grid.setItem(r, c, item);
        }
}

void showSectionCells(QTableWidget& grid, const TableSection& table) {
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.item(r, c)->setText(QString::fromStdString(table.cell(c, r)));
}

SectionFigureView::SectionFigureView(const FigureSection& figure, QWidget* parent)
    : QWidget(parent), figure_(figure) {}

void SectionFigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterCanvas canvas(painter);
    FigureRenderOptions options;
    renderFigure(figure_, FigureSize{width(), height()}, canvas, options);
}

}  // namespace marvoten

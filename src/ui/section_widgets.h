#pragma once
// The widgets that show one book section each: report text in the fixed-pitch
// Gothic face, a table as a read-only grid, a figure drawn by the figure
// renderer. Each redraws from the book when told to and holds nothing else.
#include <QTableWidget>
#include <QTextEdit>
#include <QWidget>
#include <vector>

#include "book/calculation_book.h"
#include "output/canvas.h"
#include "output/figure_renderer.h"

namespace marvoten {

// One block of a text section: 12-pixel characters on a 16-pixel line pitch,
// black on white, one line per row, no wrapping.
// A rich-text view, not a plain one: only it lays its lines at the book's fixed pitch.
class TextBlockView : public QTextEdit {
    Q_OBJECT
public:
    explicit TextBlockView(QWidget* parent = nullptr);
    void showLines(const std::vector<std::string>& lines);
    // The lines as the widget holds them.
    std::vector<std::string> lines() const;
};

// A text section: its upper block, and beside it the lower block where it has one.
class TextSectionView : public QWidget {
    Q_OBJECT
public:
    TextSectionView(const CalculationBook& book, TextId id, QWidget* parent = nullptr);
    TextId id() const { return id_; }
    void refresh();
    const std::vector<TextBlockView*>& blocks() const { return blocks_; }

private:
    const CalculationBook& book_;
    TextId id_;
    std::vector<TextBlockView*> blocks_;
};

// A table section: the header row and the label column fixed on a light grey
// ground, the column widths and the row height of the table.
class TableSectionView : public QTableWidget {
    Q_OBJECT
public:
    TableSectionView(const CalculationBook& book, TableId id, QWidget* parent = nullptr);
    TableId id() const { return id_; }
    void refresh();

    // The room a cell's text needs beside it: the cell's margins and its grid line.
    static constexpr int kCellRoom = 7;

private:
    int neededWidth(const TableSection& table, int column) const;
    const CalculationBook& book_;
    TableId id_;
};

// A figure is never shown lower than this: its plot keeps about 100 pixels between
// the title above and the axis texts below, so that its labels find room.
inline constexpr int kMinimumFigureHeight = 170;

// A figure section, drawn by the figure renderer at the widget's size.
class FigureView : public QWidget {
    Q_OBJECT
public:
    FigureView(const CalculationBook& book, FigureId id, QWidget* parent = nullptr);
    FigureId id() const { return id_; }
    FigureSize figureSize() const { return {width(), height()}; }
    // The figure onto any canvas, as paintEvent draws it on the screen.
    void draw(Canvas& canvas) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CalculationBook& book_;
    FigureId id_;
};

// The light grey ground of the fixed cells.
inline const QColor fixedCellColour{192, 192, 192};

}  // namespace marvoten

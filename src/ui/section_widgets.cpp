#include "ui/section_widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

#include "ui/painter_canvas.h"
#include "ui/qt_text.h"

namespace marvoten {
namespace {

constexpr int textPixels = 12;
constexpr int linePitch = 16;
// Grid cells are narrow (30 pixels for "d(mm)"); their text is a size smaller.
constexpr int tablePixels = 11;

}  // namespace

TextBlockView::TextBlockView(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QTextEdit::NoWrap);
    setFont(japaneseFont(FontFace::Gothic, textPixels));
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void TextBlockView::showLines(const std::vector<std::string>& lines) {
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) text << qs(line);
    setPlainText(text.join(QLatin1Char('\n')));
    QTextBlockFormat pitch;
    pitch.setLineHeight(linePitch, QTextBlockFormat::FixedHeight);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(pitch);
}

std::vector<std::string> TextBlockView::lines() const {
    std::vector<std::string> out;
    if (document()->isEmpty()) return out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        out.push_back(b.text().toStdString());
    return out;
}

TextSectionView::TextSectionView(const CalculationBook& book, TextId id, QWidget* parent)
    : QWidget(parent), book_(book), id_(id) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < book_.text(id_).blockCount(); ++i) {
        auto* block = new TextBlockView(this);
        blocks_.push_back(block);
        layout->addWidget(block);
    }
    refresh();
}

void TextSectionView::refresh() {
    const TextSection& section = book_.text(id_);
    for (std::size_t i = 0; i < blocks_.size(); ++i)
        blocks_[i]->showLines(section.block(static_cast<int>(i)).lines());
}

TableSectionView::TableSectionView(const CalculationBook& book, TableId id, QWidget* parent)
    : QTableWidget(parent), book_(book), id_(id) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFont(japaneseFont(FontFace::Gothic, tablePixels));
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setShowGrid(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    refresh();
}

// A column is as wide as the table asks, and wider where a text of it needs the room:
// a cut number is misread ("1,00(" for "1,000").
int TableSectionView::neededWidth(const TableSection& table, int column) const {
    const QFontMetrics metrics(font());
    int width = table.columnWidth(column);
    for (int r = 0; r < table.rowCount(); ++r)
        width = std::max(width, metrics.horizontalAdvance(qs(table.cell(column, r))) + kCellRoom);
    return width;
}

void TableSectionView::refresh() {
    const TableSection& table = book_.table(id_);
    setColumnCount(table.columnCount());
    setRowCount(table.rowCount());
    for (int c = 0; c < table.columnCount(); ++c) setColumnWidth(c, neededWidth(table, c));
    verticalHeader()->setDefaultSectionSize(table.rowHeight());
    verticalHeader()->setMinimumSectionSize(table.rowHeight());
    for (int r = 0; r < table.rowCount(); ++r) {
        setRowHeight(r, table.rowHeight());
        for (int c = 0; c < table.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(qs(table.cell(c, r)));
            item->setFlags(Qt::ItemIsEnabled);
            if (r == 0 || c == 0) item->setBackground(fixedCellColour);
            setItem(r, c, item);
        }
    }
    // The grid is exactly as large as its cells: no scrolling, no empty ground.
    int width = 2 * frameWidth();
    for (int c = 0; c < table.columnCount(); ++c) width += columnWidth(c);
    setFixedSize(width, 2 * frameWidth() + table.rowCount() * table.rowHeight());
}

FigureView::FigureView(const CalculationBook& book, FigureId id, QWidget* parent)
    : QWidget(parent), book_(book), id_(id) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(120, kMinimumFigureHeight);
}

QSize FigureView::sizeHint() const {
    const FigureSize s = figureScreenSize(id_);
    return {s.width, s.height};
}

void FigureView::draw(Canvas& canvas) const {
    renderFigure(book_.figure(id_), figureSize(), canvas, figureRenderOptions(id_));
}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PainterCanvas canvas(painter);
    draw(canvas);
}

}  // namespace marvoten

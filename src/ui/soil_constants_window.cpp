#include "ui/soil_constants_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt_text.h"
#include "ui/reference_sections.h"
#include "ui/window_placement.h"

namespace marvoten {
namespace {

// A grid of plain texts with one fixed header row; its cells are written afresh
// each time the window is shown.
QTableWidget* textGrid(const TextGrid& texts, const std::vector<int>& widths, bool resizable,
                       const char* hint, QWidget* parent) {
    auto* grid =
        new QTableWidget(static_cast<int>(texts.size()), static_cast<int>(widths.size()), parent);
    setUpReferenceGrid(*grid);
    grid->horizontalHeader()->setSectionResizeMode(resizable ? QHeaderView::Interactive
                                                             : QHeaderView::Fixed);
    int width = 4, height = 4;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        grid->setColumnWidth(static_cast<int>(c), widths[c]);
        width += widths[c];
    }
    for (int r = 0; r < grid->rowCount(); ++r) {
        grid->setRowHeight(r, 20);
        height += 20;
    }
    grid->setFixedSize(width, height);
    grid->setToolTip(QString::fromUtf8(hint));
    return grid;
}

void writeTexts(QTableWidget& grid, const TextGrid& texts) {
    for (std::size_t r = 0; r < texts.size(); ++r)
        for (std::size_t c = 0; c < texts[r].size(); ++c) {
            auto* item = new QTableWidgetItem(qs(texts[r][c]));
            if (r == 0) {
                item->setBackground(QColor(192, 192, 192));
                item->setFlags(Qt::ItemIsEnabled);
            }
            grid.setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
}

QLabel* note(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

QGroupBox* group(const char* caption, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setStyleSheet(QStringLiteral("QGroupBox { color: white; }"));
    return box;
}

}  // namespace

SoilConstantsView::SoilConstantsView(Dialogs& dialogs, DesignConditionsEditor& editor, Guard guard,
                                     QWidget* parent)
    : controller_(dialogs, editor), guard_(std::move(guard)), dialog_(parent, kFixedToolWindow) {
    dialog_.setWindowTitle(QStringLiteral("土質定数"));
    dialog_.setAutoFillBackground(true);
    QPalette ground = dialog_.palette();
    ground.setColor(QPalette::Window, QColor(128, 0, 0));  // maroon
    dialog_.setPalette(ground);

    auto* layout = new QHBoxLayout(&dialog_);
    auto* soils = new QVBoxLayout;
    layout->addLayout(soils);

    auto* strengthBox = group("単位体積重量等（H24道路土工擁壁工指針P66）", &dialog_);
    auto* strengthLayout = new QVBoxLayout(strengthBox);
    strengthLayout->addWidget(note("解表4-5　裏込め土・盛土の強度定数", strengthBox));
    strength_ = textGrid(soilTables::backfillStrength, {60, 60, 90, 60}, true, "該当土質をクリック",
                         strengthBox);
    strengthLayout->addWidget(strength_);
    strengthLayout->addWidget(
        note("注１）細粒分が少ない砂は、礫質土の値を用いてよい。", strengthBox));
    strengthLayout->addWidget(
        note("注２）土質定数を上表から推定する場合は、粘着力Ｃ　　　　を無視する。", strengthBox));
    soils->addWidget(strengthBox);

    auto* naturalBox = group("単位体積重量等（H24道路土工擁壁工指針P66）", &dialog_);
    auto* naturalLayout = new QVBoxLayout(naturalBox);
    naturalLayout->addWidget(note("解表4-6　裏込め土・盛土の単位体積重量", naturalBox));
    naturalLayout->addWidget(note("解表4-6　自然地盤の土の単位体積重量", naturalBox));
    natural_ =
        textGrid(soilTables::naturalGround, {90, 60, 60}, false, "該当土質をクリック", naturalBox);
    naturalLayout->addWidget(natural_);
    naturalLayout->addWidget(note(
        "注３）地下水位以下にある土の単位体積重量は、それ　　　ぞれ表中の値から９kN/m3を差し引いた"
        "値として　　　よい。",
        naturalBox));
    soils->addWidget(naturalBox);

    auto* right = new QVBoxLayout;
    layout->addLayout(right);
    auto* foundationBox = group("基礎地盤設計定数（H24道路土工擁壁工指針P69）", &dialog_);
    auto* foundationLayout = new QVBoxLayout(foundationBox);
    foundationLayout->addWidget(
        note("解表4-8　基礎地盤の種類と許容鉛直支持力度（常時値）", foundationBox));
    foundation_ = textGrid(soilTables::foundationGround, {65, 60, 85, 65, 62, 42}, true,
                           "該当地盤をクリック", foundationBox);
    foundationLayout->addWidget(foundation_);
    foundationLayout->addWidget(
        note("解表4-8の値は常時のものであり、地震時にはこの１．５倍としてよい。", foundationBox));
    right->addWidget(foundationBox);
    right->addStretch();
    auto* close = new QPushButton(QStringLiteral("閉じる"), &dialog_);
    right->addWidget(close, 0, Qt::AlignRight);

    QObject::connect(strength_, &QTableWidget::cellClicked, [this](int row, int) {
        guard_([&] {
            controller_.clickBackfillStrength(row);
            follow();
        });
    });
    QObject::connect(natural_, &QTableWidget::cellClicked, [this](int row, int) {
        guard_([&] {
            controller_.clickNaturalGround(row);
            follow();
        });
    });
    QObject::connect(foundation_, &QTableWidget::cellClicked, [this](int row, int) {
        guard_([&] {
            controller_.clickFoundationGround(row);
            follow();
        });
    });
    QObject::connect(close, &QPushButton::clicked, [this] {
        guard_([&] {
            controller_.close();
            follow();
        });
    });
    QObject::connect(&dialog_, &QDialog::finished,
                     [this] { guard_([&] { controller_.close(); }); });
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SoilConstantsView::showAt(ScreenPosition position) {
    controller_.showAt(position);
    writeTexts(*strength_, soilTables::backfillStrength);
    writeTexts(*natural_, soilTables::naturalGround);
    writeTexts(*foundation_, soilTables::foundationGround);
    placeFrame(dialog_, {position.x, position.y});
    follow();
}

void SoilConstantsView::perform(Command command) {
    showAt(command == Command::ShowSoilConstantsFromMenu ? ScreenPosition{0, 70}
                                                         : ScreenPosition{0, 82});
}

// The selection shows the row that counts as chosen; the window follows the
// controller's visibility.
void SoilConstantsView::follow() {
    strength_->selectRow(controller_.selectedBackfillRow());
    if (controller_.visible())
        showInFront(dialog_);
    else
        dialog_.hide();
}

}  // namespace marvoten

#include "ui/earth_pressure_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace marvoten {
namespace {

QComboBox* listBox(const std::vector<std::string>& items, bool editable, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (const auto& item : items) box->addItem(qs(item));
    box->setEditable(editable);
    box->setMinimumWidth(70);
    return box;
}

// An editable list shows the controller's text, not necessarily one of its items.
// The text the user is typing is left alone, so the cursor stays where it is.
void showText(QComboBox& box, const std::string& text) {
    if (box.currentText() == qs(text)) return;
    const QSignalBlocker block(&box);
    const int index = box.findText(qs(text));
    if (index >= 0) box.setCurrentIndex(index);
    box.setEditText(qs(text));
}

void connectText(QComboBox* box, const Guard& guard, std::function<void(std::string)> set) {
    QObject::connect(
        box, &QComboBox::currentTextChanged,
        [&guard, set = std::move(set)](const QString& t) { guard([&] { set(t.toStdString()); }); });
}

constexpr int coefficientTabIndex = 0;

}  // namespace

EarthPressureWindow::EarthPressureWindow(Dialogs& dialogs, DesignConditionsEditor& editor,
                                         Guard guard, QWidget* parent)
    : controller_(dialogs, editor), guard_(std::move(guard)), dialog_(parent, kFixedToolWindow) {
    dialog_.setWindowTitle(QStringLiteral("土圧係数"));
    auto* layout = new QVBoxLayout(&dialog_);
    tabs_ = new QTabWidget(&dialog_);
    tabs_->addTab(buildCoefficientTab(), QStringLiteral("土圧係数"));
    const BearingFactorTabs& bearing = controller_.bearingFactorTabs();
    for (int i = 0; i < 3; ++i)
        tabs_->addTab(buildBearingTab(i), qs(bearing[static_cast<std::size_t>(i)].figure.title()));
    layout->addWidget(tabs_);
    QObject::connect(tabs_, &QTabWidget::currentChanged, [this](int i) {
        guard_([&] {
            if (i >= 0) controller_.selectTab(static_cast<CoefficientTab>(i));
        });
    });
    dialog_.setFixedSize(990, 600);
    controller_.setListener([this](const CoefficientChange& c) { follow(c); });
    // Closed through its frame or Escape: the controller learns the window is hidden.
    QObject::connect(&dialog_, &QDialog::finished, [this] {
        guard_([&] {
            if (controller_.visible()) controller_.close();
        });
    });
    showInputs();
}

QWidget* EarthPressureWindow::buildCoefficientTab() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    layout->addLayout(left);

    auto* inputs = new QGridLayout;
    soilKind_ = listBox(items::coefficientSoilKind, false, page);
    gamma_ = listBox(items::coefficientGamma, true, page);
    phi_ = listBox(items::coefficientPhi, true, page);
    cohesion_ = listBox(items::coefficientCohesion, true, page);
    loadCase_ = listBox(items::coefficientCase, false, page);
    kh_ = listBox(items::coefficientKh, true, page);
    const std::pair<const char*, QComboBox*> fields[] = {{"土質", soilKind_}, {"γ=", gamma_},
                                                         {"φ=", phi_},        {"C=", cohesion_},
                                                         {"地震", loadCase_}, {"kh=", kh_}};
    int column = 0;
    for (const auto& [caption, box] : fields) {
        inputs->addWidget(new QLabel(QString::fromUtf8(caption), page), 0, column);
        inputs->addWidget(box, 1, column++);
    }
    left->addLayout(inputs);
    QObject::connect(soilKind_, &QComboBox::activated,
                     [this](int i) { guard_([&] { controller_.chooseSoilKind(i); }); });
    QObject::connect(loadCase_, &QComboBox::activated,
                     [this](int i) { guard_([&] { controller_.chooseLoadCase(i); }); });
    connectText(gamma_, guard_, [this](std::string t) { controller_.setGamma(std::move(t)); });
    connectText(phi_, guard_, [this](std::string t) { controller_.setPhi(std::move(t)); });
    connectText(cohesion_, guard_,
                [this](std::string t) { controller_.setCohesion(std::move(t)); });
    connectText(kh_, guard_, [this](std::string t) { controller_.setKh(std::move(t)); });

    auto* row = new QHBoxLayout;
    row->addWidget(buildWallTypeTabs(), 1);
    display_ = new QPushButton(QStringLiteral("表示"), page);
    auto* close = new QPushButton(QStringLiteral("閉じる"), page);
    row->addWidget(display_);
    row->addWidget(close);
    left->addLayout(row);
    QObject::connect(display_, &QPushButton::clicked,
                     [this] { guard_([&] { controller_.display(); }); });
    QObject::connect(close, &QPushButton::clicked,
                     [this] { guard_([&] { controller_.close(); }); });

    left->addWidget(new QLabel(QStringLiteral("嵩上げ盛土比　H1/H"), page), 0, Qt::AlignHCenter);
    grid_ = new QTableWidget(page);
    setUpSectionGrid(*grid_, controller_.coefficientTable(), 1, 2);
    grid_->setFixedSize(578, 13 * 18 + 4);
    left->addWidget(grid_);
    assumptions_ = new QLabel(qs(controller_.tableAssumptions()), page);
    assumptions_->setWordWrap(true);
    assumptions_->setMaximumWidth(578);
    left->addWidget(assumptions_);
    left->addStretch();

    figure_ = new SectionFigureView(controller_.coefficientFigure(), page);
    figure_->setMinimumWidth(360);
    layout->addWidget(figure_, 1);
    return page;
}

QWidget* EarthPressureWindow::buildWallTypeTabs() {
    wallTypes_ = new QTabWidget;
    wallTypes_->setFixedHeight(76);
    gravitySlope_ = listBox(items::gravityBackSlope, true, wallTypes_);
    leaningSlope_ = listBox(items::leaningBackSlope, true, wallTypes_);
    auto page = [](QWidget* content) {
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->addWidget(content);
        l->addStretch();
        return w;
    };
    auto slopePage = [&](QComboBox* box) {
        auto* w = new QWidget;
        auto* l = new QHBoxLayout(w);
        l->addWidget(new QLabel(QStringLiteral("背面勾配"), w));
        l->addWidget(box);
        l->addStretch();
        return w;
    };
    wallTypes_->addTab(page(new QLabel(QStringLiteral("背面勾配なし"))),
                       qs(items::wallTypeTabs[0]));
    wallTypes_->addTab(slopePage(gravitySlope_), qs(items::wallTypeTabs[1]));
    wallTypes_->addTab(slopePage(leaningSlope_), qs(items::wallTypeTabs[2]));
    wallTypes_->addTab(new QWidget, qs(items::wallTypeTabs[3]));
    QObject::connect(wallTypes_, &QTabWidget::currentChanged, [this](int i) {
        guard_([&] {
            if (i >= 0) controller_.chooseWallType(static_cast<WallTypeTab>(i));
        });
    });
    connectText(gravitySlope_, guard_,
                [this](std::string t) { controller_.setGravityBackSlope(std::move(t)); });
    connectText(leaningSlope_, guard_,
                [this](std::string t) { controller_.setLeaningBackSlope(std::move(t)); });
    return wallTypes_;
}

QWidget* EarthPressureWindow::buildBearingTab(int i) {
    const BearingFactorTab& tab = controller_.bearingFactorTabs()[static_cast<std::size_t>(i)];
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* figure = new SectionFigureView(tab.figure, page);
    figure->setMinimumHeight(310);
    layout->addWidget(figure, 1);
    auto* row = new QHBoxLayout;
    auto* grid = new QTableWidget(page);
    setUpSectionGrid(*grid, tab.table);
    grid->setFixedSize(11 * 50 + 4, 11 * 18 + 4);
    row->addWidget(grid);
    row->addStretch();
    auto* close = new QPushButton(QStringLiteral("閉じる"), page);
    row->addWidget(close, 0, Qt::AlignBottom);
    layout->addLayout(row);
    QObject::connect(close, &QPushButton::clicked,
                     [this] { guard_([&] { controller_.close(); }); });
    bearingGrids_[static_cast<std::size_t>(i)] = grid;
    bearingFigures_[static_cast<std::size_t>(i)] = figure;
    return page;
}

void EarthPressureWindow::showInputs() {
    {
        const QSignalBlocker a(soilKind_), b(loadCase_), c(wallTypes_);
        soilKind_->setCurrentIndex(controller_.soilKind());
        loadCase_->setCurrentIndex(controller_.loadCase());
        wallTypes_->setCurrentIndex(static_cast<int>(controller_.wallType()));
    }
    showText(*gamma_, controller_.gamma());
    showText(*phi_, controller_.phi());
    showText(*cohesion_, controller_.cohesion());
    showText(*kh_, controller_.kh());
    showText(*gravitySlope_, controller_.gravityBackSlope());
    showText(*leaningSlope_, controller_.leaningBackSlope());
    kh_->setEnabled(controller_.khEnabled());
}

void EarthPressureWindow::follow(const CoefficientChange& change) {
    if (change.has(CoefficientChange::Inputs)) showInputs();
    if (change.has(CoefficientChange::Coefficients)) {
        showSectionCells(*grid_, controller_.coefficientTable());
        assumptions_->setText(qs(controller_.tableAssumptions()));
        figure_->update();
    }
    if (change.has(CoefficientChange::BearingFactors)) {
        for (std::size_t i = 0; i < bearingGrids_.size(); ++i) {
            showSectionCells(*bearingGrids_[i], controller_.bearingFactorTabs()[i].table);
            bearingFigures_[i]->update();
        }
    }
    if (change.has(CoefficientChange::Tabs)) {
        const QSignalBlocker block(tabs_);
        for (int i = 0; i < tabs_->count(); ++i)
            tabs_->setTabVisible(i, controller_.tabShown(static_cast<CoefficientTab>(i)));
        tabs_->setCurrentIndex(static_cast<int>(controller_.selectedTab()));
    }
    if (change.has(CoefficientChange::Window)) {
        const ScreenPosition p = controller_.position();
        placeFrame(dialog_, {p.x, p.y});
        if (controller_.visible())
            showInFront(dialog_);
        else
            dialog_.hide();
    }
}

void EarthPressureWindow::perform(Command command) {
    switch (command) {
        case Command::ShowEarthPressureCoefficientsFromToolbar:
            controller_.showCoefficientsAt({0, 90});
            break;
        case Command::ShowBearingFactors:
            controller_.showBearingFactorsAt({0, 90});
            break;
        default:
            controller_.showCoefficients();
    }
    showInFront(dialog_);
}

}  // namespace marvoten

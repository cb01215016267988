#include "ui/results_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>

#include "ui/desktop.h"
#include "ui/painter_canvas.h"
#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace marvoten {
namespace {

constexpr QSize clientArea{891, 553};
const QColor navy{0, 0, 128};

std::optional<SectionId> sectionOf(const FaceElement& e) {
    if (const auto* t = std::get_if<TextId>(&e)) return SectionId{*t};
    if (const auto* t = std::get_if<TableId>(&e)) return SectionId{*t};
    if (const auto* f = std::get_if<FigureId>(&e)) return SectionId{*f};
    return std::nullopt;
}

std::optional<SectionId> firstSection(const FaceGroup& g) {
    const auto& elements = g.tabs.empty() ? g.elements : g.tabs.front().elements;
    for (const auto& e : elements)
        if (auto id = sectionOf(e)) return id;
    return std::nullopt;
}

// The stability sections whose group caption is the heading with the verdict.
std::optional<StabilityCheck> verdictOf(const std::optional<SectionId>& id) {
    const TextId* text = id ? std::get_if<TextId>(&*id) : nullptr;
    if (!text) return std::nullopt;
    switch (*text) {
        case TextId::SlidingText:
            return StabilityCheck::Sliding;
        case TextId::OverturningText:
            return StabilityCheck::Overturning;
        case TextId::BearingText:
            return StabilityCheck::Bearing;
        case TextId::UltimateBearingText:
            return StabilityCheck::UltimateBearing;
        default:
            return std::nullopt;
    }
}

void useWindowPalette(QWidget* w) {
    w->setPalette(QApplication::palette());
    w->setAutoFillBackground(true);
}

}  // namespace

ResultsWindow::ResultsWindow(Desktop& desktop)
    : desktop_(desktop), dialog_(&desktop.mainWindow(), kFixedToolWindow) {
    dialog_.setWindowTitle(QStringLiteral("計算結果"));
    dialog_.setFixedSize(clientArea);
    QPalette palette = dialog_.palette();
    palette.setColor(QPalette::Window, navy);
    dialog_.setPalette(palette);
    dialog_.setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(&dialog_);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QTabWidget(&dialog_);
    useWindowPalette(pages_);
    // Page tabs 123 x 25 pixels (the seven fit one row of the window); grid cells
    // without padding. One style sheet for the window: a sheet per widget costs
    // start-up time.
    pages_->tabBar()->setObjectName(QStringLiteral("pageTabs"));
    dialog_.setStyleSheet(
        QStringLiteral("QTabBar#pageTabs::tab { width: 119px; height: 21px; padding: 0px; }"
                       "QTableWidget::item { padding: 0px 1px; }"));
    pages_->tabBar()->setExpanding(false);
    for (const BookPage& page : desktop_.session().book.pages())
        pages_->addTab(buildPage(page), qs(page.caption));
    layout->addWidget(pages_);

    Session& s = desktop_.session();
    QObject::connect(pages_, &QTabWidget::currentChanged, &dialog_, [this](int index) {
        if (mirroring_ || index < 0) return;
        desktop_.guard([&] { desktop_.session().view.selectPage(static_cast<PageId>(index)); });
    });
    QObject::connect(&dialog_, &QDialog::finished, &dialog_,
                     [this] { desktop_.guard([this] { desktop_.session().view.hide(); }); });
    s.view.setListener([this](const ViewChange& c) { followView(c); });
    s.book.setListener([this](const BookChange& c) { followBook(c); });
    showTabVisibility();
    showVerdictHeadings();
    showSelection();
}

// The session outlives the window; it must not call a window that is gone.
ResultsWindow::~ResultsWindow() {
    desktop_.session().view.setListener({});
    desktop_.session().book.setListener({});
}

QWidget* ResultsWindow::buildPage(const BookPage& page) {
    const auto faces = resultsPageFaces();
    for (const PageFace& face : faces)
        if (face.page == page.id && face.subTab < 0) return buildFace(face);
    auto* tabs = new QTabWidget;
    subTabs_[static_cast<std::size_t>(page.id)] = tabs;
    for (std::size_t i = 0; i < page.subTabs.size(); ++i)
        for (const PageFace& face : faces)
            if (face.page == page.id && face.subTab == static_cast<int>(i))
                tabs->addTab(buildFace(face), qs(page.subTabs[i].caption));
    const PageId id = page.id;
    QObject::connect(tabs, &QTabWidget::currentChanged, &dialog_, [this, tabs, id](int index) {
        if (mirroring_ || index < 0) return;
        desktop_.guard(
            [&] { desktop_.session().view.selectSubTab(id, tabs->tabText(index).toStdString()); });
    });
    return tabs;
}

// A page whose sections need more height than the window has (the toe page with
// buoyancy: two more table rows) scrolls, rather than laying its figure over the
// table above it.
QWidget* ResultsWindow::buildFace(const PageFace& face) {
    auto* widget = new QWidget;
    auto* columns = new QHBoxLayout(widget);
    columns->setContentsMargins(2, 2, 2, 2);
    columns->setSpacing(4);
    for (const FaceColumn& column : face.columns) {
        auto* groups = new QVBoxLayout;
        for (const FaceGroup& group : column.groups)
            groups->addWidget(buildGroup(group, face.page));
        columns->addLayout(groups, column.stretch);
    }
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(widget);
    return scroll;
}

QWidget* ResultsWindow::buildGroup(const FaceGroup& group, PageId page) {
    auto* box = new QGroupBox;
    const auto first = firstSection(group);
    if (group.captioned && first) box->setTitle(qs(desktop_.session().book.groupCaption(*first)));
    if (const auto check = verdictOf(first)) verdictBoxes_[static_cast<std::size_t>(*check)] = box;
    auto* layout = group.sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                    : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(3, 3, 3, 3);
    for (const FaceElement& e : group.elements) layout->addWidget(buildElement(e));
    if (group.tabs.empty()) return box;

    auto* tabs = new QTabWidget(box);
    for (const FaceTab& tab : group.tabs) {
        auto* page = new QWidget;
        auto* stack = new QVBoxLayout(page);
        stack->setContentsMargins(2, 2, 2, 2);
        for (const FaceElement& e : tab.elements) stack->addWidget(buildElement(e));
        tabs->addTab(page, qs(tab.caption));
    }
    layout->addWidget(tabs);
    switch (group.binding) {
        case TabBinding::PageSubTabs:
            subTabs_[static_cast<std::size_t>(page)] = tabs;
            QObject::connect(tabs, &QTabWidget::currentChanged, &dialog_,
                             [this, tabs, page](int index) {
                                 if (mirroring_ || index < 0) return;
                                 desktop_.guard([&] {
                                     desktop_.session().view.selectSubTab(
                                         page, tabs->tabText(index).toStdString());
                                 });
                             });
            break;
        case TabBinding::StemStress:
        case TabBinding::Anchorage: {
            const InnerTabSet set = group.binding == TabBinding::StemStress
                                        ? InnerTabSet::StemStress
                                        : InnerTabSet::Anchorage;
            innerTabs_[static_cast<std::size_t>(set)] = tabs;
            QObject::connect(tabs, &QTabWidget::currentChanged, &dialog_,
                             [this, tabs, set](int index) {
                                 if (mirroring_ || index < 0) return;
                                 desktop_.guard([&] {
                                     desktop_.session().view.selectInnerTab(
                                         set, tabs->tabText(index).toStdString());
                                 });
                             });
            break;
        }
        case TabBinding::None:
            break;
    }
    return box;
}

QWidget* ResultsWindow::buildElement(const FaceElement& element) {
    const CalculationBook& book = desktop_.session().book;
    if (const auto* id = std::get_if<TextId>(&element)) {
        texts_.push_back(new TextSectionView(book, *id));
        return texts_.back();
    }
    if (const auto* id = std::get_if<TableId>(&element)) {
        tables_.push_back(new TableSectionView(book, *id));
        return tables_.back();
    }
    if (const auto* id = std::get_if<FigureId>(&element)) {
        figures_.push_back(new FigureView(book, *id));
        return figures_.back();
    }
    switch (std::get<PageExtra>(element)) {
        case PageExtra::WallShapeLabelSlider:
            return wallShapeSlider_ = labelSlider(true);
        case PageExtra::LoadDiagramLabelSlider:
            return loadDiagramSlider_ = labelSlider(false);
        case PageExtra::LoadListRemarks: {
            auto* box = new QGroupBox(QStringLiteral("摘要"));
            auto* lines = new QVBoxLayout(box);
            for (std::string_view remark : loadListRemarks)
                lines->addWidget(new QLabel(qs(remark)));
            lines->addStretch();
            return box;
        }
    }
    return new QWidget;
}

QSlider* ResultsWindow::labelSlider(bool wallShape) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(ResultsView::minimumLabelSize, ResultsView::maximumLabelSize);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setToolTip(QStringLiteral("フォントサイズ変更"));
    const ResultsView& view = desktop_.session().view;
    slider->setValue(wallShape ? view.wallShapeLabelSize() : view.loadDiagramLabelSize());
    QObject::connect(slider, &QSlider::valueChanged, &dialog_, [this, wallShape](int value) {
        if (mirroring_) return;
        desktop_.guard([&] {
            ResultsView& v = desktop_.session().view;
            if (wallShape)
                v.setWallShapeLabelSize(value);
            else
                v.setLoadDiagramLabelSize(value);
        });
    });
    return slider;
}

FigureView* ResultsWindow::figureView(FigureId id) const {
    for (FigureView* f : figures_)
        if (f->id() == id) return f;
    return nullptr;
}

void ResultsWindow::perform(Command) {
    Session& s = desktop_.session();
    s.view.show(s.editor.conditions().buoyancyInSlab.on);
    showInFront(dialog_);
}

// Each time it comes up: at the editor's place, 8 pixels right and 27 down.
void ResultsWindow::place() {
    if (ShellWindow* editor = desktop_.window(WindowId::Editor))
        placeFrame(dialog_, editor->widget().frameGeometry().topLeft() + QPoint(8, 27));
}

void ResultsWindow::followView(const ViewChange& change) {
    if (change.has(ViewChange::Shown)) {
        place();
        showInFront(dialog_);
    }
    if (change.has(ViewChange::Hidden)) dialog_.hide();
    if (change.has(ViewChange::Selection)) showSelection();
    const ResultsView& view = desktop_.session().view;
    mirroring_ = true;
    if (change.has(ViewChange::WallShapeLabels)) {
        wallShapeSlider_->setValue(view.wallShapeLabelSize());
        if (FigureView* f = figureView(FigureId::WallShapeFigure)) f->update();
    }
    if (change.has(ViewChange::LoadDiagramLabels)) {
        loadDiagramSlider_->setValue(view.loadDiagramLabelSize());
        if (FigureView* f = figureView(FigureId::LoadDiagramFigure)) f->update();
    }
    mirroring_ = false;
}

void ResultsWindow::followBook(const BookChange& change) {
    if (change.has(BookChange::Texts)) {
        for (TextSectionView* t : texts_) t->refresh();
        showVerdictHeadings();
    }
    if (change.has(BookChange::Tables))
        for (TableSectionView* t : tables_) t->refresh();
    if (change.has(BookChange::Figures))
        for (FigureView* f : figures_) f->update();
    if (change.has(BookChange::SubTabs)) showTabVisibility();
}

// "( OK )" headings blue, "( NO )" red, as the run left them.
void ResultsWindow::showVerdictHeadings() {
    const StabilityHeadings& headings = desktop_.session().headings;
    for (std::size_t i = 0; i < verdictBoxes_.size(); ++i) {
        QGroupBox* box = verdictBoxes_[i];
        if (!box) continue;
        const VerdictHeading& h = headings.headings[i];
        box->setTitle(qs(h.text));
        QPalette p = box->palette();
        p.setColor(QPalette::WindowText, qColour(h.colour));
        box->setPalette(p);
    }
}

void ResultsWindow::showTabVisibility() {
    const CalculationBook& book = desktop_.session().book;
    mirroring_ = true;
    for (const BookPage& page : book.pages()) {
        pages_->setTabVisible(static_cast<int>(page.id), page.visible);
        if (QTabWidget* tabs = subTabs(page.id))
            for (std::size_t i = 0; i < page.subTabs.size(); ++i)
                tabs->setTabVisible(static_cast<int>(i), page.subTabs[i].visible);
    }
    mirroring_ = false;
}

void ResultsWindow::showSelection() {
    const ResultsView& view = desktop_.session().view;
    const CalculationBook& book = desktop_.session().book;
    mirroring_ = true;
    pages_->setCurrentIndex(static_cast<int>(view.selectedPage()));
    for (const BookPage& page : book.pages()) {
        QTabWidget* tabs = subTabs(page.id);
        if (!tabs) continue;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i).toStdString() == view.selectedSubTab(page.id))
                tabs->setCurrentIndex(i);
    }
    for (InnerTabSet set : {InnerTabSet::StemStress, InnerTabSet::Anchorage}) {
        QTabWidget* tabs = innerTabs(set);
        for (int i = 0; tabs && i < tabs->count(); ++i)
            if (tabs->tabText(i).toStdString() == view.selectedInnerTab(set))
                tabs->setCurrentIndex(i);
    }
    mirroring_ = false;
}

}  // namespace marvoten

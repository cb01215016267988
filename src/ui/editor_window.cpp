#include "ui/editor_window.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "model/region_factors.h"
#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace marvoten {

namespace {

using D = DesignConditions;

QColor qColourOf(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

void setGround(QWidget& w, std::uint32_t rgb) {
    QPalette p = w.palette();
    p.setColor(QPalette::Base, qColourOf(rgb));
    w.setPalette(p);
}

QStringList itemList(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& i : items) list << qs(i);
    return list;
}

const char* fieldName(NumberField D::*field) {
    for (const auto& f : numberFields())
        if (f.member == field) return f.name;
    return "";
}

constexpr const char* kGroundPictureGroup = "■地盤定数説明図";

// A list or choice that is not offered still shows its value black on its silver
// ground, as a plain disabled field does (Qt's grey 188 on 192 cannot be read).
void showValueBlackWhenDisabled(QComboBox& box) {
    QPalette p = box.palette();
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(QPalette::Disabled, role, Qt::black);
    box.setPalette(p);
}

}  // namespace

EditorWindow::EditorWindow(DesignConditionsEditor& editor, Dialogs& dialogs,
                           EditorWindowHooks hooks, QWidget* parent)
    : QWidget(parent, parent ? Qt::Tool : Qt::Window), editor_(editor), hooks_(std::move(hooks)) {
    if (!hooks_.guard)
        hooks_.guard = [&dialogs](const std::function<void()>& action) {
            try {
                action();
            } catch (const std::exception& e) {
                dialogs.message(MessageKind::Error,
                                std::string("操作を完了できませんでした。\r") + e.what());
            }
        };
    build();
    for (QComboBox* box : findChildren<QComboBox*>()) showValueBlackWhenDisabled(*box);
    // The state of the editor's start-up: every widget from the conditions, the first
    // load page, the standard-value sub-page and the stem's rebar tab.
    refreshValues();
    refreshVisibility();
    refreshRegionLists();
    refreshPictures();
    loadTabs_->setCurrentIndex(loadTabIndex(kStartLoadPage));
    seismicTabs_->setCurrentIndex(0);
    rebarTabs_->setCurrentIndex(0);
    shapeTabs_->setCurrentIndex(0);
}

// --- building -----------------------------------------------------------------------

void EditorWindow::build() {
    setWindowTitle(qs(editor_.caption()));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    body_ = new QWidget;
    scroll_->setWidget(body_);
    outer->addWidget(scroll_);
    auto* root = new QHBoxLayout(body_);
    // The window never shrinks below what its pages need, the seismic page included.
    root->setSizeConstraint(QLayout::SetMinimumSize);
    root->addWidget(buildPanel(EditorPage::SoilPanel), 0, Qt::AlignTop);

    auto* loads = new QGroupBox(qs("４．荷重"), this);
    auto* loadsLayout = new QVBoxLayout(loads);
    loadTabs_ = new QTabWidget(loads);
    for (EditorPage page : loadPages())
        loadTabs_->addTab(buildLoadPage(page), qs(loadPageCaption(page)));
    loadsLayout->addWidget(loadTabs_);
    root->addWidget(loads, 0, Qt::AlignTop);

    rightPanel_ = buildPanel(EditorPage::MemberPanel);
    root->addWidget(rightPanel_, 0, Qt::AlignTop);

    for (const auto& control : editorControls()) addControl(control);

    // What the list of controls does not hold: tools, tables, pictures and buttons.
    QFormLayout* backfill = formFor(EditorPage::SoilPanel, "１．裏込め土の諸量");
    backfill->addRow(addButton(qs("δ説明"), this, [this] { editor_.explainWallFriction(); }));
    QVBoxLayout* soils = columns_[EditorPage::SoilPanel];
    auto* groundGroup = new QGroupBox(qs(kGroundPictureGroup), this);
    auto* groundLayout = new QVBoxLayout(groundGroup);
    groundLayout->addWidget(addPicture(WallPicture::GroundConstants, groundGroup));
    soils->addWidget(groundGroup);
    soils->addWidget(addButton(qs("地盤定数一覧表"), this, [this] {
        if (hooks_.showSoilConstants)
            hooks_.showSoilConstants(pos() + rightPanel_->mapTo(this, QPoint(0, 0)) +
                                     QPoint(4, 22));
    }));
    soils->addStretch();

    columns_[EditorPage::SeismicCoefficient]->addWidget(buildSeismicTools());

    QVBoxLayout* members = columns_[EditorPage::MemberPanel];
    formFor(EditorPage::MemberPanel, "５．許容応力度")
        ->addRow(addButton(qs("許容応力度"), this, [this] {
            if (hooks_.showAllowableStresses)
                hooks_.showAllowableStresses(pos() + rightPanel_->mapTo(this, QPoint(0, 0)) +
                                             QPoint(70, 22));
        }));
    members->insertWidget(2, buildRebarTabs());
    members->addWidget(addButton(qs("計算開始"), this, [this] {
        if (hooks_.startCalculation) hooks_.startCalculation();
    }));
    for (EditorPage page : loadPages()) columns_[page]->addStretch();
    members->addStretch();
}

QWidget* EditorWindow::buildPanel(EditorPage page) {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    columns_[page] = column;
    pageWidgets_[page] = panel;
    return panel;
}

QWidget* EditorWindow::buildLoadPage(EditorPage page) {
    auto* widget = new QWidget;
    columns_[page] = new QVBoxLayout(widget);
    pageWidgets_[page] = widget;
    return widget;
}

QFormLayout* EditorWindow::formFor(EditorPage page, const char* group) {
    const std::pair<EditorPage, std::string> key{page, group};
    if (const auto it = forms_.find(key); it != forms_.end()) return it->second;
    QVBoxLayout* column = columns_.at(page);
    const std::string g = group;
    if (page == EditorPage::SelfWeight && (g == "③擁壁形状" || g == kShearKeyTab)) {
        column->addWidget(buildShapeGroup());
        return forms_.at(key);
    }
    if (page == EditorPage::BackfillSurface && g == "①背面土形状")
        return groupWithPicture(column, group, WallPicture::Backfill, page);
    if (page == EditorPage::OtherLoads && g == "その他の荷重")
        return groupWithPicture(column, group, WallPicture::OtherLoads, page);
    auto* box = new QGroupBox(qs(group), pageWidgets_.at(page));
    if (g == kSeismicRowGroup) box->setToolTip(qs(kSeismicRowHint));
    auto* form = new QFormLayout(box);
    column->addWidget(box);
    forms_[key] = form;
    groups_[key] = box;
    return form;
}

QFormLayout* EditorWindow::groupWithPicture(QVBoxLayout* column, const char* caption,
                                            WallPicture picture, EditorPage page) {
    auto* box = new QGroupBox(qs(caption), pageWidgets_.at(page));
    auto* row = new QHBoxLayout(box);
    auto* form = new QFormLayout;
    row->addLayout(form);
    row->addWidget(addPicture(picture, box), 0, Qt::AlignTop);
    column->addWidget(box);
    forms_[{page, caption}] = form;
    groups_[{page, caption}] = box;
    return form;
}

// "③擁壁形状" with its two tabs: the outline beside the shape picture, and the shear
// key beside the key picture.
QWidget* EditorWindow::buildShapeGroup() {
    auto* box = new QGroupBox(qs("③擁壁形状"), pageWidgets_.at(EditorPage::SelfWeight));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(qs("単位（mm）"), box));
    shapeTabs_ = new QTabWidget(box);
    const auto addTab = [&](const char* caption, WallPicture picture, const char* group) {
        auto* page = new QWidget;
        auto* row = new QHBoxLayout(page);
        WallPictureView* view = addPicture(picture, page);
        if (picture == WallPicture::Shape) view->setToolTip(qs(kWallPictureHint));
        row->addWidget(view, 0, Qt::AlignTop);
        auto* form = new QFormLayout;
        row->addLayout(form);
        shapeTabs_->addTab(page, qs(caption));
        forms_[{EditorPage::SelfWeight, group}] = form;
        groups_[{EditorPage::SelfWeight, group}] = box;
    };
    addTab(kWallShapeTab, WallPicture::Shape, "③擁壁形状");
    addTab(kShearKeyTab, WallPicture::ShearKey, kShearKeyTab);
    layout->addWidget(shapeTabs_);
    return box;
}

void EditorWindow::addControl(const EditorControl& control) {
    QFormLayout* form = formFor(control.page, control.group);
    if (*control.subgroup) form->addRow(new QLabel(qs(control.subgroup)));
    switch (control.kind) {
        case EditorControl::Kind::Number:
            return bindNumber(control, form);
        case EditorControl::Kind::Choice:
            return bindChoice(control, form);
        case EditorControl::Kind::Option:
            return bindOption(control, form);
    }
}

// One routine for every number field: the widget commits its text when editing
// finishes (not per keystroke, so that "", "." or "-" on the way to a number raise
// nothing), a suggestion picked from the list commits at once, and a click opens the
// input palette under the field.
void EditorWindow::bindNumber(const EditorControl& control, QFormLayout* form) {
    const auto field = control.field;
    QComboBox* list = nullptr;
    QLineEdit* edit = nullptr;
    QWidget* widget = nullptr;
    if (control.suggestions) {
        list = new QComboBox;
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->addItems(itemList(*control.suggestions));
        edit = list->lineEdit();
        widget = list;
        connect(list, &QComboBox::activated, this, [this, field, list](int item) {
            act([&] { commitText(field, list->itemText(item)); });
        });
    } else {
        edit = new QLineEdit;
        widget = edit;
    }
    widget->setObjectName(qs(fieldName(field)));
    widget->setMaximumWidth(90);
    if (*control.hint) widget->setToolTip(qs(control.hint));
    connect(edit, &QLineEdit::editingFinished, this,
            [this, field, edit] { act([&] { commitText(field, edit->text()); }); });
    edit->installEventFilter(this);
    fieldOfEdit_[edit] = field;
    numbers_.push_back({field, edit, list});
    form->addRow(qs(control.caption), widget);
}

void EditorWindow::bindChoice(const EditorControl& control, QFormLayout* form) {
    const Choice c = control.choice;
    // The backfill's shape is a group of tabs, one per shape.
    if (c == Choice::BackfillShape) {
        backfillTabs_ = new QTabBar;
        for (const QString& item : itemList(choiceItems(c))) backfillTabs_->addTab(item);
        backfillTabs_->setExpanding(false);
        backfillTabs_->setUsesScrollButtons(false);
        connect(backfillTabs_, &QTabBar::currentChanged, this,
                [this, c](int item) { act([&] { editor_.choose(c, item); }); });
        addChoiceRow(control, form, backfillTabs_);
        return;
    }
    auto* box = new QComboBox;
    box->addItems(itemList(choiceItems(c)));
    if (*control.hint) box->setToolTip(qs(control.hint));
    connect(box, &QComboBox::activated, this,
            [this, c](int item) { act([&] { editor_.choose(c, item); }); });
    choices_[c] = box;
    addChoiceRow(control, form, box);
}

// A choice that is its group's only content is not captioned twice.
void EditorWindow::addChoiceRow(const EditorControl& control, QFormLayout* form, QWidget* widget) {
    if (std::string(control.caption) == control.group)
        form->addRow(widget);
    else
        form->addRow(qs(control.caption), widget);
}

void EditorWindow::bindOption(const EditorControl& control, QFormLayout* form) {
    const Option o = control.option;
    auto* box = new QCheckBox(qs(control.caption));
    connect(box, &QCheckBox::clicked, this,
            [this, o](bool on) { act([&] { editor_.setOption(o, on); }); });
    options_[o] = box;
    form->addRow(box);
}

QWidget* EditorWindow::buildRebarTabs() {
    rebarTabs_ = new QTabWidget(rightPanel_);
    for (const RebarTab& tab : marvoten::rebarTabs()) {
        auto* page = new QWidget;
        auto* pageLayout = new QVBoxLayout(page);
        auto* box = new QGroupBox(qs(kRebarGroupCaption), page);
        auto* form = new QFormLayout(box);
        auto* mode = new QComboBox(box);
        mode->addItems(itemList(choiceItems(tab.mode)));
        auto* pitch = new QComboBox(box);
        pitch->addItems(itemList(items::rebarPitch));
        auto* diameter = new QComboBox(box);
        diameter->addItems(itemList(items::rebarDiameter));
        form->addRow(mode);
        form->addRow(qs("ﾋﾟｯﾁ＠"), pitch);
        form->addRow(qs("径(D)"), diameter);
        pageLayout->addWidget(box);
        const RebarMember m = tab.member;
        const Choice c = tab.mode;
        connect(mode, &QComboBox::activated, this,
                [this, c](int item) { act([&] { editor_.choose(c, item); }); });
        connect(pitch, &QComboBox::activated, this,
                [this, m](int item) { act([&] { editor_.chooseRebarPitch(m, item); }); });
        connect(diameter, &QComboBox::activated, this,
                [this, m](int item) { act([&] { editor_.chooseRebarDiameter(m, item); }); });
        rebars_.push_back({m, mode, pitch, diameter});
        rebarTabs_->addTab(page, qs(tab.caption));
    }
    return rebarTabs_;
}

QWidget* EditorWindow::buildSeismicTools() {
    seismicTabs_ = new QTabWidget(pageWidgets_.at(EditorPage::SeismicCoefficient));
    seismicTabs_->addTab(buildStandardValueTab(), qs(kSeismicStandardSubPage));
    seismicTabs_->addTab(buildRegionTab(), qs(kSeismicRegionSubPage));
    return seismicTabs_;
}

// Room beside a cell's text: the grid's margins and the cell's frame.
constexpr int kCellPadding = 8;

// A grid of fixed texts with the first row and column as its silver heading.
QTableWidget* EditorWindow::fixedGrid(const FixedTable& table, int dataRows) {
    const int columns = static_cast<int>(table.columnWidths.size());
    auto* grid = new QTableWidget(dataRows + 1, columns);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A column is as wide as the table asks, and wider where its text needs it.
    const QFontMetrics metrics(grid->font());
    int width = 2;
    for (int c = 0; c < columns; ++c) {
        int column = table.columnWidths[c];
        for (const auto& row : table.rows)
            column = std::max(column, metrics.horizontalAdvance(qs(row[c])) + kCellPadding);
        grid->setColumnWidth(c, column);
        width += column;
    }
    for (int r = 0; r <= dataRows; ++r) {
        grid->setRowHeight(r, 20);
        for (int c = 0; c < columns; ++c) {
            const bool heading = r == 0 || c == 0;
            const std::string text =
                r < static_cast<int>(table.rows.size()) ? table.rows[r][c] : "";
            auto* item = new QTableWidgetItem(qs(text));
            item->setFlags(Qt::ItemIsEnabled);
            if (heading) item->setBackground(qColourOf(displayRgb(clSilver)));
            grid->setItem(r, c, item);
        }
    }
    grid->setFixedSize(width, 20 * (dataRows + 1) + 2);
    if (*table.hint) grid->setToolTip(qs(table.hint));
    return grid;
}

QWidget* EditorWindow::buildStandardValueTab() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    const auto captioned = [page](const char* caption, QWidget* w) {
        auto* box = new QGroupBox(qs(caption), page);
        auto* l = new QVBoxLayout(box);
        l->addWidget(w);
        // Room for the whole caption as well as for the grid.
        box->setMinimumWidth(std::max(box->minimumSizeHint().width(),
                                      box->fontMetrics().horizontalAdvance(qs(caption)) + 24));
        return box;
    };
    standardGrid_ = fixedGrid(standardValueTable(), 2);
    connect(standardGrid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        act([&] { editor_.clickStandardValueCell(row, column); });
    });
    layout->addWidget(captioned(standardValueTable().caption, standardGrid_), 0, 0);
    groundClassGrid_ = fixedGrid(groundClassTable(), 3);
    layout->addWidget(captioned(groundClassTable().caption, groundClassGrid_), 1, 0);

    layerGrid_ = fixedGrid(groundLayersGrid(), kGroundLayerRows);
    layerGrid_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    for (int r = 1; r <= kGroundLayerRows; ++r)
        for (int c = 1; c <= 2; ++c)
            layerGrid_->item(r, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable |
                                             Qt::ItemIsSelectable);
    connect(layerGrid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (refreshing_ || item->row() < 1 || item->column() < 1 || item->column() > 2) return;
        const int row = item->row(), column = item->column();
        const std::string text = item->text().toStdString();
        act([&] { editor_.setGroundLayerCell(row, column, text); });
    });
    connect(layerGrid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        act([&] { editor_.clickGroundLayerCell(row, column); });
    });
    auto* layers = new QWidget(page);
    auto* layersLayout = new QVBoxLayout(layers);
    layersLayout->setContentsMargins(0, 0, 0, 0);
    layersLayout->addWidget(layerGrid_);
    auto* tgRow = new QHBoxLayout;
    tgRow->addWidget(
        addButton(qs(kGroundPeriodButton), layers, [this] { editor_.calculateGroundPeriod(); }));
    groundPeriod_ = new QLabel(layers);
    groundPeriod_->setFixedSize(80, 24);
    groundPeriod_->setFrameShape(QFrame::Panel);
    groundPeriod_->setFrameShadow(QFrame::Sunken);
    tgRow->addWidget(groundPeriod_);
    layersLayout->addLayout(tgRow);
    layout->addWidget(captioned(groundLayersGrid().caption, layers), 0, 1, 2, 1);
    return page;
}

QWidget* EditorWindow::buildRegionTab() {
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* initials = new QGridLayout;
    initials->setSpacing(1);
    int i = 0;
    for (const auto& entry : regionInitials()) {
        const std::string initial = entry.initial;
        QPushButton* b =
            addButton(qs(initial), page, [this, initial] { editor_.clickRegionInitial(initial); });
        b->setFixedSize(26, 24);
        initials->addWidget(b, i / 4, i % 4);
        ++i;
    }
    layout->addLayout(initials);
    keyList_ = new QListWidget(page);
    keyList_->setFixedWidth(110);
    connect(keyList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string key = item->text().toStdString();
        act([&] { editor_.clickRegionKey(key); });
    });
    municipalityList_ = new QListWidget(page);
    municipalityList_->setFixedWidth(150);
    connect(municipalityList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string municipality = item->text().toStdString();
        act([&] { editor_.clickMunicipality(municipality); });
    });
    layout->addWidget(keyList_);
    layout->addWidget(municipalityList_);
    return page;
}

namespace {

// The labels beside the marks of the shear-key and other-loads pictures: the key's
// dimensions numbered as its fields are, the symbols of the loads' heights.
struct PictureLabel {
    WallPicture picture;
    const char* text;
    int x, y;  // top left in the picture, pixels
    bool (DesignConditionsEditor::*shown)() const;
};

constexpr PictureLabel pictureLabels[] = {
    {WallPicture::ShearKey, "(1)", 16, 66, &DesignConditionsEditor::shearKeyLabelsShown},
    {WallPicture::ShearKey, "(2)", 38, 70, &DesignConditionsEditor::shearKeyLabelsShown},
    {WallPicture::ShearKey, "(3)", 57, 48, &DesignConditionsEditor::shearKeyLabelsShown},
    {WallPicture::OtherLoads, "受働土圧", 2, 175, &DesignConditionsEditor::passiveLabelsShown},
    {WallPicture::OtherLoads, "Ho", 8, 192, &DesignConditionsEditor::passiveLabelsShown},
    {WallPicture::OtherLoads, "H1", 168, 150, &DesignConditionsEditor::waterLabelShown},
    {WallPicture::OtherLoads, "H2", 60, 34, &DesignConditionsEditor::windLabelShown},
    {WallPicture::OtherLoads, "H3", 96, 21, &DesignConditionsEditor::collisionLabelShown},
};

}  // namespace

WallPictureView* EditorWindow::addPicture(WallPicture picture, QWidget* parent) {
    auto* view = new WallPictureView(editor_.conditions(), picture, parent);
    pictures_.push_back(view);
    for (const PictureLabel& l : pictureLabels) {
        if (l.picture != picture) continue;
        auto* label = new QLabel(qs(l.text), view);
        QFont small = label->font();
        small.setPixelSize(10);
        label->setFont(small);
        label->adjustSize();
        label->move(l.x, l.y);
        pictureLabels_.push_back({label, l.shown});
    }
    return view;
}

QPushButton* EditorWindow::addButton(const QString& caption, QWidget* parent,
                                     const std::function<void()>& action) {
    auto* b = new QPushButton(caption, parent);
    connect(b, &QPushButton::clicked, this, [this, action] { act(action); });
    buttons_[caption] = b;
    return b;
}

void EditorWindow::fitAndPlace(QPoint position) {
    const QSize whole = body_->sizeHint() + QSize(2, 2);
    resize(whole);
    const QPoint at = belowToolbars(position);
    const QRect area = availableAreaAt(at);
    if (!area.isEmpty()) {
        const QMargins frame = frameMargins(*this);
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QSize room(area.right() + 1 - at.x() - frame.left() - frame.right(),
                   area.bottom() + 1 - at.y() - frame.top() - frame.bottom());
        QSize size = whole;
        // A side that does not fit scrolls, and its scroll bar takes room from the other.
        if (size.height() > room.height()) size.rwidth() += scrollBar;
        if (size.width() > room.width()) size.rheight() += scrollBar;
        resize(size.boundedTo(room));
    }
    placeFrame(*this, position);
    // Fitted again with the frame the window manager gives the editor.
    if (!isVisible())
        whenFramed(*this, "marvoten-fit", [this, position] { fitAndPlace(position); });
}

// --- actions ------------------------------------------------------------------------

void EditorWindow::commitText(NumberField DesignConditions::*field, const QString& text) {
    if (refreshing_) return;
    const std::string typed = text.toStdString();
    if (typed == (editor_.conditions().*field).text) return;
    editor_.typeText(field, typed);
}

void EditorWindow::act(const std::function<void()>& action) {
    hooks_.guard(action);
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto it = fieldOfEdit_.find(static_cast<QLineEdit*>(watched));
        InputPaletteWindow* palette = hooks_.palette ? hooks_.palette() : nullptr;
        if (palette && it != fieldOfEdit_.end() && (editor_.conditions().*(it->second)).enabled) {
            const auto field = it->second;
            palette->openFor(*it->first, [this, field](const std::string& text) {
                bool taken = false;
                act([&] { taken = editor_.typeFromPalette(field, text); });
                return taken;
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- following the editor -----------------------------------------------------------

void EditorWindow::followEditor(const EditorChange& change) {
    if (change.has(EditorChange::Values)) refreshValues();
    if (change.has(EditorChange::Visibility)) refreshVisibility();
    if (change.has(EditorChange::RegionLists)) refreshRegionLists();
    if (change.has(EditorChange::Picture)) refreshPictures();
    if (change.has(EditorChange::Caption)) setWindowTitle(qs(editor_.caption()));
    if (change.has(EditorChange::SelectSelfWeightPage))
        loadTabs_->setCurrentIndex(loadTabIndex(EditorPage::SelfWeight));
    if (change.has(EditorChange::ShowEditor)) {
        show();
        raise();
    }
}

// Only widgets whose state differs are touched: the field being typed in keeps its
// cursor, and nothing flickers.
void EditorWindow::refreshValues() {
    refreshing_ = true;
    const DesignConditions& d = editor_.conditions();
    for (const auto& b : numbers_) {
        const NumberField& f = d.*b.field;
        const QSignalBlocker block(b.edit);
        const QString text = qs(f.text);
        if (b.edit->text() != text) b.edit->setText(text);
        b.edit->setReadOnly(!f.enabled);
        if (b.list) b.list->setEnabled(f.enabled);
        setGround(*b.edit, fieldGroundRgb(f));
    }
    for (const auto& [c, box] : choices_) {
        const QSignalBlocker block(box);
        box->setCurrentIndex(choiceIndex(d, c));
        box->setEnabled(editor_.choiceOffered(c));
    }
    if (backfillTabs_) {
        const QSignalBlocker block(backfillTabs_);
        backfillTabs_->setCurrentIndex(d.backfillShape);
    }
    for (const auto& [o, box] : options_) {
        const Switch& s = optionSwitch(const_cast<D&>(d), o);
        const QSignalBlocker block(box);
        box->setChecked(s.on);
        box->setEnabled(s.enabled);
        QPalette p = box->palette();
        p.setColor(QPalette::WindowText, qColourOf(switchCaptionRgb(s)));
        box->setPalette(p);
    }
    for (const auto& r : rebars_) {
        const RebarChoice& choice = rebarChoice(const_cast<D&>(d), r.member);
        const QSignalBlocker b1(r.mode), b2(r.pitch), b3(r.diameter);
        r.mode->setCurrentIndex(choice.mode);
        r.pitch->setCurrentIndex(
            listPosition(items::rebarPitch, choice.pitch.text, choice.pitchPosition));
        r.diameter->setCurrentIndex(
            listPosition(items::rebarDiameter, choice.diameter.text, choice.diameterPosition));
        r.pitch->setEnabled(choice.pitch.enabled);
        r.diameter->setEnabled(choice.diameter.enabled);
    }
    for (int row = 1; row <= kGroundLayerRows; ++row) {
        const auto cells = groundLayerRow(d, row);
        for (int c = 0; c < 4; ++c)
            if (layerGrid_->item(row, c)->text() != qs(cells[c]))
                layerGrid_->item(row, c)->setText(qs(cells[c]));
    }
    groundPeriod_->setText(qs(d.groundPeriod));
    refreshSeismicTools();
    refreshing_ = false;
}

void EditorWindow::refreshSeismicTools() {
    const std::uint32_t ground = displayRgb(seismicToolsColour(editor_.conditions()));
    for (QTableWidget* grid : {standardGrid_, groundClassGrid_})
        for (int r = 1; r < grid->rowCount(); ++r)
            for (int c = 1; c < grid->columnCount(); ++c)
                grid->item(r, c)->setBackground(qColourOf(ground));
    setGround(*keyList_, ground);
    seismicTabs_->setEnabled(editor_.seismicPageShown());
}

void EditorWindow::refreshVisibility() {
    loadTabs_->setTabVisible(loadTabIndex(EditorPage::SeismicCoefficient),
                             editor_.seismicPageShown());
    for (int i = 0; i < static_cast<int>(marvoten::rebarTabs().size()); ++i)
        if (marvoten::rebarTabs()[i].member == RebarMember::Key)
            rebarTabs_->setTabVisible(i, editor_.shearKeyTabShown());
}

void EditorWindow::refreshRegionLists() {
    const QSignalBlocker b1(keyList_), b2(municipalityList_);
    keyList_->clear();
    for (const auto& key : editor_.regionKeys()) keyList_->addItem(qs(key));
    municipalityList_->clear();
    for (const auto& m : editor_.municipalities()) municipalityList_->addItem(qs(m));
}

void EditorWindow::refreshPictures() {
    for (WallPictureView* view : pictures_) view->update();
    for (const auto& [label, shown] : pictureLabels_) label->setVisible((editor_.*shown)());
}

QLabel* EditorWindow::pictureLabel(const QString& text) const {
    for (const auto& entry : pictureLabels_)
        if (entry.first->text() == text) return entry.first;
    return nullptr;
}

// --- lookups ------------------------------------------------------------------------

QLineEdit* EditorWindow::numberEdit(NumberField DesignConditions::*field) const {
    for (const auto& b : numbers_)
        if (b.field == field) return b.edit;
    return nullptr;
}

QComboBox* EditorWindow::suggestionList(NumberField DesignConditions::*field) const {
    for (const auto& b : numbers_)
        if (b.field == field) return b.list;
    return nullptr;
}

QComboBox* EditorWindow::choiceBox(Choice c) const {
    if (const auto it = choices_.find(c); it != choices_.end()) return it->second;
    for (const auto& r : rebars_)
        if (marvoten::rebarTabs()[&r - rebars_.data()].mode == c) return r.mode;
    return nullptr;
}

QCheckBox* EditorWindow::optionBox(Option o) const {
    const auto it = options_.find(o);
    return it == options_.end() ? nullptr : it->second;
}

QComboBox* EditorWindow::rebarPitchBox(RebarMember m) const {
    for (const auto& r : rebars_)
        if (r.member == m) return r.pitch;
    return nullptr;
}

QComboBox* EditorWindow::rebarDiameterBox(RebarMember m) const {
    for (const auto& r : rebars_)
        if (r.member == m) return r.diameter;
    return nullptr;
}

QPushButton* EditorWindow::button(const QString& caption) const {
    const auto it = buttons_.find(caption);
    return it == buttons_.end() ? nullptr : it->second;
}

QGroupBox* EditorWindow::group(EditorPage page, const QString& caption) const {
    const auto it = groups_.find({page, caption.toStdString()});
    return it == groups_.end() ? nullptr : it->second;
}

int EditorWindow::loadTabIndex(EditorPage page) const {
    const auto& pages = loadPages();
    return static_cast<int>(std::find(pages.begin(), pages.end(), page) - pages.begin());
}

}  // namespace marvoten

#include "ui/allowable_stress_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace marvoten {

// Forwards a mouse press into a field to the palette opener.
class AllowableStressView::FieldClicks : public QObject {
public:
    explicit FieldClicks(AllowableStressView& view) : QObject(&view.dialog_), view_(view) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            if (auto* field = qobject_cast<QLineEdit*>(watched)) view_.openPalette(*field);
        return false;
    }

private:
    AllowableStressView& view_;
};

namespace {

// A radio group of the items, `columns` across, under its caption.
QGroupBox* radioGroup(const char* caption, const std::vector<std::string>& items, int columns,
                      QButtonGroup& buttons, QWidget* parent) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(4, 0, 4, 1);
    layout->setVerticalSpacing(0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(qs(items[i]), box);
        buttons.addButton(radio, static_cast<int>(i));
        layout->addWidget(radio, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
    return box;
}

const char* const fieldCaptions[] = {
    "σca（許容圧縮応力度）=", "σcat（許容引張応力度）=", "τa1（許容せん断応力度）=",
    "τo（許容付着応力度）=", "σsa(許容引張応力度)="};

}  // namespace

AllowableStressView::AllowableStressView(DesignConditionsEditor& editor, Guard guard,
                                         QWidget* parent)
    : editor_(editor), guard_(std::move(guard)), dialog_(parent, kFixedToolWindow) {
    dialog_.setWindowTitle(QStringLiteral("許容応力度"));
    // Eleven groups and fields in a client area of 360 × 245: a compact face and
    // group boxes with their captions in the margin.
    QFont compact = dialog_.font();
    compact.setPixelSize(11);
    dialog_.setFont(compact);
    dialog_.setStyleSheet(
        QStringLiteral("QGroupBox { margin-top: 12px; padding-top: 0px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 4px; padding: 0px; }"
                       "QLineEdit { padding: 0px; }"));
    auto* outer = new QVBoxLayout(&dialog_);
    outer->setContentsMargins(3, 2, 3, 3);
    outer->setSpacing(2);
    auto* conditions = new QGroupBox(QStringLiteral("設計条件"), &dialog_);
    outer->addWidget(conditions);
    auto* grid = new QGridLayout(conditions);
    grid->setContentsMargins(3, 0, 3, 2);
    grid->setSpacing(2);
    // σck, the structure and the bar grade side by side, the load case below them.
    auto* choices = new QHBoxLayout;
    choices->setSpacing(3);
    choices->addWidget(
        radioGroup("設計基準強度(σck)", items::designStrength, 2, designStrength_, conditions));
    auto* structure = radioGroup("構造", items::concreteStructure, 1, structure_, conditions);
    structure->setEnabled(false);  // always reinforced concrete
    structure_.button(1)->setChecked(true);
    choices->addWidget(structure);
    choices->addWidget(radioGroup("鉄筋の種類", items::barGrade, 1, barGrade_, conditions));
    grid->addLayout(choices, 0, 0, 1, 2);
    auto* loadCase = radioGroup("地震", items::allowableLoadCase, 2, loadCase_, conditions);
    grid->addWidget(loadCase, 1, 0);
    grid->setColumnStretch(1, 1);

    auto* concrete = new QGroupBox(QStringLiteral("ｺﾝｸﾘｰﾄ（N/mm2）"), conditions);
    auto* concreteLayout = new QGridLayout(concrete);
    auto* bars = new QGroupBox(QStringLiteral("鉄筋（N/mm2）"), conditions);
    auto* barsLayout = new QGridLayout(bars);
    for (QGridLayout* l : {concreteLayout, barsLayout}) {
        l->setContentsMargins(4, 0, 4, 2);
        l->setVerticalSpacing(1);
    }
    auto* clicks = new FieldClicks(*this);
    for (int i = 0; i < 5; ++i) {
        auto* field = new QLineEdit(i < 4 ? concrete : bars);
        field->setFixedSize(60, 18);
        field->setReadOnly(i < 4);  // only σsa may be typed
        field->installEventFilter(clicks);
        fields_[static_cast<std::size_t>(i)] = field;
        QGridLayout* layout = i < 4 ? concreteLayout : barsLayout;
        const int row = i < 4 ? i : 0;
        layout->addWidget(new QLabel(QString::fromUtf8(fieldCaptions[i])), row, 0);
        layout->addWidget(field, row, 1);
    }
    for (QGridLayout* l : {concreteLayout, barsLayout}) l->setColumnStretch(2, 1);

    // The stress fields with the two buttons beside them.
    auto* bottom = new QHBoxLayout;
    auto* stressGroups = new QVBoxLayout;
    stressGroups->setSpacing(0);
    stressGroups->addWidget(concrete);
    stressGroups->addWidget(bars);
    bottom->addLayout(stressGroups, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    cancel_ = new QPushButton(QStringLiteral("取　消"), &dialog_);
    transfer_ = new QPushButton(QStringLiteral("設計条件に転記"), &dialog_);
    buttons->addWidget(cancel_);
    buttons->addWidget(transfer_);
    bottom->addLayout(buttons);
    grid->addLayout(bottom, 2, 0, 1, 2);

    QObject::connect(&designStrength_, &QButtonGroup::idClicked,
                     [this](int i) { guard_([&] { editor_.chooseDesignStrength(i); }); });
    QObject::connect(&barGrade_, &QButtonGroup::idClicked,
                     [this](int i) { guard_([&] { editor_.chooseBarGrade(i); }); });
    QObject::connect(&loadCase_, &QButtonGroup::idClicked,
                     [this](int i) { guard_([&] { editor_.chooseLoadCase(i); }); });
    QObject::connect(fields_[4], &QLineEdit::textEdited, [this](const QString& t) {
        guard_(
            [&] { editor_.typeAllowableStress(AllowableStressField::SigmaSa, t.toStdString()); });
    });
    QObject::connect(transfer_, &QPushButton::clicked,
                     [this] { guard_([&] { editor_.transferAllowableStresses(); }); });
    QObject::connect(cancel_, &QPushButton::clicked,
                     [this] { guard_([&] { editor_.cancelAllowableStresses(); }); });
    QObject::connect(&dialog_, &QDialog::finished, [this] {
        guard_([&] {
            if (editor_.allowableStressWindow().visible()) editor_.cancelAllowableStresses();
        });
    });
    dialog_.setFixedSize(360, 245);
    showTable();
}

void AllowableStressView::openPalette(QLineEdit& edit) {
    if (!paletteOpener_) return;
    const auto at = std::find(fields_.begin(), fields_.end(), &edit);
    if (at == fields_.end()) return;
    const auto field = static_cast<AllowableStressField>(at - fields_.begin());
    paletteOpener_(edit, [this, field](const std::string& text) {
        guard_([&] { editor_.typeAllowableStress(field, text); });
        return true;  // the five fields always take the palette's text
    });
}

void AllowableStressView::showTable() {
    const AllowableStressWindow& table = editor_.allowableStressWindow();
    auto check = [](QButtonGroup& group, int id) {
        if (QAbstractButton* b = group.button(id)) {
            b->setChecked(true);
            return;
        }
        // No item chosen (a file's σck that is no item): no button is checked.
        group.setExclusive(false);
        for (QAbstractButton* b : group.buttons()) b->setChecked(false);
        group.setExclusive(true);
    };
    check(designStrength_, table.designStrength());
    check(barGrade_, table.barGrade());
    check(loadCase_, table.loadCase());
    const AllowableStressTexts& t = table.texts();
    const std::string* texts[] = {&t.sigmaCa, &t.sigmaCat, &t.tauA1, &t.tau0, &t.sigmaSa};
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i]->text() != qs(*texts[i])) fields_[i]->setText(qs(*texts[i]));
    if (!table.visible()) dialog_.hide();
}

void AllowableStressView::followEditor(const EditorChange& change) {
    if (change.has(EditorChange::AllowableStresses)) showTable();
}

void AllowableStressView::showAt(ScreenPosition position) {
    placeFrame(dialog_, {position.x, position.y});
    editor_.showAllowableStresses();
    showTable();
    showInFront(dialog_);
}

void AllowableStressView::perform(Command) {
    editor_.showAllowableStresses();
    showTable();
    showInFront(dialog_);
}

}  // namespace marvoten

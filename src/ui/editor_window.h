#pragma once
// The design-conditions editor ("設計条件") on the screen. Built from the core's list
// of controls; every click is forwarded to the DesignConditionsEditor and every
// widget is redrawn from its change notification. The window decides nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "model/design_conditions_editor.h"
#include "model/editor_layout.h"
#include "ui/input_palette_window.h"
#include "ui/shell_window.h"
#include "ui/wall_picture_view.h"

class QFormLayout;
class QVBoxLayout;

namespace marvoten {

// What the editor's buttons reach outside the window.
struct EditorWindowHooks {
    // "計算開始": the question and the run.
    std::function<void()> startCalculation;
    // "許容応力度" and "地盤定数一覧表": the window to show at a screen position.
    std::function<void(QPoint)> showAllowableStresses;
    std::function<void(QPoint)> showSoilConstants;
    // The input palette a click into a number field opens, or null while there is none.
    std::function<InputPaletteWindow*()> palette;
    // Runs a user's action so that an unexpected error does not leave the slot; by
    // default the error is reported in a message box.
    Guard guard;
};

class EditorWindow : public QWidget {
public:
    EditorWindow(DesignConditionsEditor& editor, Dialogs& dialogs, EditorWindowHooks hooks,
                 QWidget* parent = nullptr);

    // The controller's notification; redraws what its flags name.
    void followEditor(const EditorChange& change);
    // The whole of the contents where the screen has room for them, placed with its
    // frame at `position`; on a smaller screen the contents scroll.
    void fitAndPlace(QPoint position);
    // Everything the editor shows, as a screen large enough would show it.
    QWidget& contents() const { return *body_; }
    QScrollArea& scrollArea() const { return *scroll_; }

    // --- the widgets, for the views that follow the editor and for tests -----------
    QLineEdit* numberEdit(NumberField DesignConditions::*field) const;
    QComboBox* suggestionList(NumberField DesignConditions::*field) const;  // or null
    QComboBox* choiceBox(Choice c) const;
    // "①背面土形状": the tabs "平坦", "法面", "盛土".
    QTabBar& backfillShapeTabs() const { return *backfillTabs_; }
    QCheckBox* optionBox(Option o) const;
    QComboBox* rebarPitchBox(RebarMember m) const;
    QComboBox* rebarDiameterBox(RebarMember m) const;
    QTabWidget& loadTabs() { return *loadTabs_; }
    QTabWidget& rebarTabWidget() { return *rebarTabs_; }
    QTabWidget& seismicTabs() { return *seismicTabs_; }
    QTabWidget& shapeTabs() { return *shapeTabs_; }
    QTableWidget& standardValueGrid() { return *standardGrid_; }
    QTableWidget& groundClassGrid() { return *groundClassGrid_; }
    QTableWidget& groundLayerGrid() { return *layerGrid_; }
    QListWidget& regionKeyList() { return *keyList_; }
    QListWidget& municipalityList() { return *municipalityList_; }
    QPushButton* button(const QString& caption) const;
    QLabel& groundPeriodLabel() { return *groundPeriod_; }
    QGroupBox* group(EditorPage page, const QString& caption) const;
    const std::vector<WallPictureView*>& pictures() const { return pictures_; }
    // A label of the wall pictures by its text ("(1)", "H1", ...).
    QLabel* pictureLabel(const QString& text) const;
    QWidget& rightPanel() { return *rightPanel_; }
    // The load-page tab of a page.
    int loadTabIndex(EditorPage page) const;

private:
    struct NumberBinding {
        NumberField DesignConditions::*field;
        QLineEdit* edit;
        QComboBox* list;  // null for a field without suggestions
    };
    struct RebarBinding {
        RebarMember member;
        QComboBox* mode;
        QComboBox* pitch;
        QComboBox* diameter;
    };

    void build();
    QWidget* buildPanel(EditorPage page);
    QWidget* buildLoadPage(EditorPage page);
    QFormLayout* formFor(EditorPage page, const char* group);
    QFormLayout* groupWithPicture(QVBoxLayout* column, const char* caption, WallPicture picture,
                                  EditorPage page);
    void addControl(const EditorControl& control);
    void bindNumber(const EditorControl& control, QFormLayout* form);
    void bindChoice(const EditorControl& control, QFormLayout* form);
    void addChoiceRow(const EditorControl& control, QFormLayout* form, QWidget* widget);
    void bindOption(const EditorControl& control, QFormLayout* form);
    QWidget* buildShapeGroup();
    QWidget* buildRebarTabs();
    QWidget* buildSeismicTools();
    QWidget* buildStandardValueTab();
    QWidget* buildRegionTab();
    QTableWidget* fixedGrid(const FixedTable& table, int dataRows);
    WallPictureView* addPicture(WallPicture picture, QWidget* parent);
    QPushButton* addButton(const QString& caption, QWidget* parent,
                           const std::function<void()>& action);

    void commitText(NumberField DesignConditions::*field, const QString& text);
    void act(const std::function<void()>& action);
    bool eventFilter(QObject* watched, QEvent* event) override;

    void refreshValues();
    void refreshVisibility();
    void refreshRegionLists();
    void refreshPictures();
    void refreshSeismicTools();

    DesignConditionsEditor& editor_;
    EditorWindowHooks hooks_;

    std::vector<NumberBinding> numbers_;
    std::map<Choice, QComboBox*> choices_;
    QTabBar* backfillTabs_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* body_ = nullptr;
    std::map<Option, QCheckBox*> options_;
    std::vector<RebarBinding> rebars_;
    std::map<QLineEdit*, NumberField DesignConditions::*> fieldOfEdit_;
    std::map<std::pair<EditorPage, std::string>, QFormLayout*> forms_;
    std::map<std::pair<EditorPage, std::string>, QGroupBox*> groups_;
    std::map<EditorPage, QVBoxLayout*> columns_;
    std::map<EditorPage, QWidget*> pageWidgets_;
    std::map<QString, QPushButton*> buttons_;
    std::vector<WallPictureView*> pictures_;
    std::vector<std::pair<QLabel*, bool (DesignConditionsEditor::*)() const>> pictureLabels_;

    QTabWidget* loadTabs_ = nullptr;
    QTabWidget* shapeTabs_ = nullptr;
    QTabWidget* rebarTabs_ = nullptr;
    QTabWidget* seismicTabs_ = nullptr;
    QTableWidget* standardGrid_ = nullptr;
    QTableWidget* groundClassGrid_ = nullptr;
    QTableWidget* layerGrid_ = nullptr;
    QListWidget* keyList_ = nullptr;
    QListWidget* municipalityList_ = nullptr;
    QLabel* groundPeriod_ = nullptr;
    QWidget* rightPanel_ = nullptr;
    bool refreshing_ = false;
};

}  // namespace marvoten

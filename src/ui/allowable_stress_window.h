#pragma once
// "許容応力度": the allowable stresses derived from σck, the bar grade and the load
// case, over the editor's allowable-stress table. The choices forward to the
// table; "設計条件に転記" and "取　消" go through the editor.
#include <QButtonGroup>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>

#include "model/input_palette.h"
#include "model/screen_position.h"
#include "ui/shell_window.h"

namespace marvoten {

class AllowableStressView : public ShellWindow {
public:
    AllowableStressView(DesignConditionsEditor& editor, Guard guard, QWidget* parent);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;
    void followEditor(const EditorChange& change) override;
    // The editor's button "許容応力度" opens the window beside its right-hand panel.
    void showAt(ScreenPosition position);

    // A click into one of the five fields asks the input palette to type into it;
    // the palette's "転記" hands its text to the writer.
    using PaletteOpener = std::function<void(QLineEdit& field, InputPalette::Writer writer)>;
    void setPaletteOpener(PaletteOpener opener) { paletteOpener_ = std::move(opener); }

    // The widgets, for the tests and the screenshots.
    QButtonGroup& designStrength() { return designStrength_; }
    QButtonGroup& barGrade() { return barGrade_; }
    QButtonGroup& loadCase() { return loadCase_; }
    // σca, σcat, τa1, τo, σsa
    QLineEdit& field(int i) { return *fields_.at(static_cast<std::size_t>(i)); }
    QPushButton& transferButton() { return *transfer_; }
    QPushButton& cancelButton() { return *cancel_; }

private:
    class FieldClicks;
    void showTable();

    void openPalette(QLineEdit& field);

    DesignConditionsEditor& editor_;
    Guard guard_;
    QDialog dialog_;
    QButtonGroup designStrength_;
    QButtonGroup structure_;
    QButtonGroup barGrade_;
    QButtonGroup loadCase_;
    std::array<QLineEdit*, 5> fields_{};
    QPushButton* transfer_ = nullptr;
    QPushButton* cancel_ = nullptr;
    PaletteOpener paletteOpener_;
};

}  // namespace marvoten

#pragma once
// The input palette ("設計条件入力") on the screen: a purple number pad kept above the
// other windows. Its state and rules are the core's InputPalette; the window forwards
// the clicks and shows the typed text.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <map>

#include "model/input_palette.h"

namespace marvoten {

class InputPaletteWindow : public QDialog {
public:
    explicit InputPaletteWindow(QWidget* parent = nullptr);

    // A click into a number field: the palette moves under it and writes to it.
    void openFor(QWidget& field, InputPalette::Writer target);

    const InputPalette& state() const { return palette_; }
    QLineEdit& textBox() { return *textBox_; }
    // The pad key or right-hand button with this caption.
    QPushButton* button(const QString& caption) const;

private:
    QPushButton* addButton(const QString& caption);
    void refresh();

    InputPalette palette_;
    QLineEdit* textBox_ = nullptr;
    std::map<QString, QPushButton*> buttons_;
};

}  // namespace marvoten

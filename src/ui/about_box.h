#pragma once
// "このシステムは": the product line, its date and the version of this build,
// centred on the screen above every other window; "O.K" hides it.
#include <QDialog>
#include <QLabel>

#include "ui/shell_window.h"

namespace marvoten {

class AboutBox : public ShellWindow {
public:
    explicit AboutBox(QWidget* parent);
    QWidget& widget() override { return dialog_; }
    void perform(Command command) override;
    void startUp() override;

    const QLabel& productLabel() const { return *product_; }
    const QLabel& dateLabel() const { return *date_; }
    const QLabel& buildLabel() const { return *build_; }

private:
    QDialog dialog_;
    QLabel* product_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* build_ = nullptr;
};

}  // namespace marvoten

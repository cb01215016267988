#pragma once
// "3.プリンタ設定...": chooses the printer of every printed page and nothing else. The
// book's paper is A4 portrait, so no paper or orientation is offered; a printer that
// cannot take A4 is refused with a message.
#include <QComboBox>
#include <QDialog>
#include <QPrinter>

#include "platform/dialogs.h"

namespace marvoten {

class PrinterChoiceDialog : public QDialog {
    Q_OBJECT
public:
    PrinterChoiceDialog(QPrinter& printer, Dialogs& dialogs, QWidget* parent);
    QComboBox& printers() { return *printers_; }
    // "OK": the chosen printer becomes the printer of every page.
    void accept() override;

private:
    QPrinter& printer_;
    Dialogs& dialogs_;
    QComboBox* printers_ = nullptr;
};

inline constexpr const char* kNoPrintersMessage =
    "使えるプリンターがありません。\rプリンターを印刷システムに登録してから選んでください。";
inline constexpr const char* kNoA4Message =
    "このプリンターは A4 用紙に対応していません。\r計算書は A4 縦の用紙に印刷します。";

}  // namespace marvoten

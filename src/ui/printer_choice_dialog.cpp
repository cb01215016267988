#include "ui/printer_choice_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPageSize>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace marvoten {

PrinterChoiceDialog::PrinterChoiceDialog(QPrinter& printer, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), printer_(printer), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("プリンタ設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("計算書を印刷するプリンター"), this));
    printers_ = new QComboBox(this);
    printers_->addItems(QPrinterInfo::availablePrinterNames());
    const QString current = printer.printerName().isEmpty() ? QPrinterInfo::defaultPrinterName()
                                                            : printer.printerName();
    printers_->setCurrentIndex(std::max(0, printers_->findText(current)));
    layout->addWidget(printers_);
    layout->addWidget(new QLabel(QStringLiteral("用紙：A4 縦（計算書の用紙）"), this));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PrinterChoiceDialog::accept() {
    if (printers_->count() == 0) {
        dialogs_.message(MessageKind::Error, kNoPrintersMessage);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printers_->currentText());
    const QList<QPageSize> sizes = info.supportedPageSizes();
    const bool takesA4 =
        sizes.isEmpty() || std::any_of(sizes.begin(), sizes.end(),
                                       [](const QPageSize& s) { return s.id() == QPageSize::A4; });
    if (!takesA4) {
        dialogs_.message(MessageKind::Error, kNoA4Message);
        return;
    }
    printer_.setOutputFormat(QPrinter::NativeFormat);
    printer_.setPrinterName(printers_->currentText());
    QDialog::accept();
}

}  // namespace marvoten

#pragma once
// The print preview of the printed book: the platform's page view with Japanese
// controls for the page, the zoom and printing. The book is A4 portrait, so it offers
// no orientation or page set-up; "印刷..." hands the printing to its caller.
#include <QDialog>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <functional>

namespace marvoten {

class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    // `paint` draws every page onto the printer it is given; `print` is "印刷...",
    // given the page shown (1-based).
    PrintPreviewDialog(QPrinter& printer, std::function<void(QPrinter&)> paint,
                       std::function<void(int currentPage)> print, QWidget* parent);

    QPrintPreviewWidget& view() { return *view_; }

private:
    void showPageNumber();

    QPrintPreviewWidget* view_ = nullptr;
    QLabel* pageNumber_ = nullptr;
};

}  // namespace marvoten

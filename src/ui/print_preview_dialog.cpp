#include "ui/print_preview_dialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace marvoten {
namespace {

// An A4 page at 100 %: 794 pixels wide; the window takes that with room for its
// frame and scroll bar, and the screen's available height.
constexpr int kPageWidthAtFullSize = 794;
constexpr int kRoomBesideThePage = 60;

QSize previewSize(const QWidget* parent) {
    const QScreen* screen =
        parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {std::min(available.width(), kPageWidthAtFullSize + kRoomBesideThePage),
            available.height() - 40};
}

}  // namespace

PrintPreviewDialog::PrintPreviewDialog(QPrinter& printer, std::function<void(QPrinter&)> paint,
                                       std::function<void(int)> print, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("印刷プレビュー"));
    // Over the reference windows that stay above the others.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QToolBar(this);
    view_ = new QPrintPreviewWidget(&printer, this);
    layout->addWidget(tools);
    layout->addWidget(view_, 1);

    tools->addAction(QStringLiteral("前のページ"), this,
                     [this] { view_->setCurrentPage(view_->currentPage() - 1); });
    tools->addAction(QStringLiteral("次のページ"), this,
                     [this] { view_->setCurrentPage(view_->currentPage() + 1); });
    pageNumber_ = new QLabel(this);
    pageNumber_->setMinimumWidth(70);
    pageNumber_->setAlignment(Qt::AlignCenter);
    tools->addWidget(pageNumber_);
    tools->addSeparator();
    tools->addAction(QStringLiteral("幅に合わせる"), view_, &QPrintPreviewWidget::fitToWidth);
    tools->addAction(QStringLiteral("ページ全体"), view_, &QPrintPreviewWidget::fitInView);
    tools->addAction(QStringLiteral("拡大"), this, [this] { view_->zoomIn(); });
    tools->addAction(QStringLiteral("縮小"), this, [this] { view_->zoomOut(); });
    tools->addAction(QStringLiteral("100%"), this, [this] { view_->setZoomFactor(1.0); });
    tools->addSeparator();
    tools->addAction(QStringLiteral("印刷..."), this,
                     [this, print] { print(view_->currentPage()); });
    tools->addAction(QStringLiteral("閉じる"), this, &QDialog::reject);

    connect(view_, &QPrintPreviewWidget::paintRequested, this, [paint](QPrinter* p) { paint(*p); });
    connect(view_, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewDialog::showPageNumber);
    resize(previewSize(parent));
    view_->fitToWidth();
}

void PrintPreviewDialog::showPageNumber() {
    pageNumber_->setText(
        QStringLiteral("%1 / %2").arg(view_->currentPage()).arg(view_->pageCount()));
}

}  // namespace marvoten

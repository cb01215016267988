#include "ui/about_box.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/version.h"
#include "ui/main_window.h"

namespace marvoten {

AboutBox::AboutBox(QWidget* parent) : dialog_(parent, kFixedToolWindow) {
    dialog_.setWindowTitle(QStringLiteral("このシステムは"));
    auto* layout = new QVBoxLayout(&dialog_);
    product_ = new QLabel(&dialog_);
    date_ = new QLabel(&dialog_);
    build_ = new QLabel(&dialog_);
    QFont big = product_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    product_->setFont(big);
    for (QLabel* label : {product_, date_, build_}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* ok = new QPushButton(QStringLiteral("O.K"), &dialog_);
    QObject::connect(ok, &QPushButton::clicked, &dialog_, &QDialog::hide);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::startUp() {
    product_->setText(productLine);
    date_->setText(QStringLiteral("H30.4.1"));
    build_->setText(QStringLiteral("バージョン ") + QString::fromUtf8(programVersion));
}

void AboutBox::perform(Command) {
    dialog_.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = dialog_.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        dialog_.move(frame.topLeft());
    }
    showInFront(dialog_);
}

}  // namespace marvoten

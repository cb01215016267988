#include "ui/input_palette_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/shell_window.h"
#include "ui/window_placement.h"

namespace marvoten {

InputPaletteWindow::InputPaletteWindow(QWidget* parent) : QDialog(parent, kFixedToolWindow) {
    setWindowTitle(QString::fromUtf8(kPaletteCaption));
    setFixedSize(220, 184);
    setAutoFillBackground(true);
    QPalette purple = palette();
    purple.setColor(QPalette::Window, QColor(128, 0, 128));
    setPalette(purple);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    auto* left = new QVBoxLayout;
    auto* keys = new QGroupBox(QString::fromUtf8(kPaletteKeyGroup), this);
    auto* grid = new QGridLayout(keys);
    grid->setSpacing(2);
    const auto& rows = paletteKeyRows();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) {
            const QString key = QString::fromStdString(rows[r][c]);
            auto* b = new QPushButton(key, keys);
            b->setFixedSize(36, 24);
            if (key == ".") b->setToolTip(QString::fromUtf8(kPalettePointHint));
            connect(b, &QPushButton::clicked, this, [this, key] {
                palette_.press(key.toStdString());
                refresh();
            });
            buttons_[key] = b;
            grid->addWidget(b, r, c);
        }
    left->addWidget(keys);
    textBox_ = new QLineEdit(this);
    textBox_->setReadOnly(true);
    QFont bold = textBox_->font();
    bold.setBold(true);
    textBox_->setFont(bold);
    left->addWidget(textBox_);
    root->addLayout(left);

    auto* right = new QVBoxLayout;
    right->addWidget(addButton(QString::fromUtf8(kPaletteCancel)));
    right->addWidget(addButton(QString::fromUtf8(kPaletteClear)));
    right->addStretch();
    right->addWidget(addButton(QString::fromUtf8(kPaletteTransfer)));
    root->addLayout(right);

    connect(buttons_[QString::fromUtf8(kPaletteCancel)], &QPushButton::clicked, this, [this] {
        palette_.cancel();
        refresh();
    });
    connect(buttons_[QString::fromUtf8(kPaletteClear)], &QPushButton::clicked, this, [this] {
        palette_.clearText();
        refresh();
    });
    connect(buttons_[QString::fromUtf8(kPaletteTransfer)], &QPushButton::clicked, this, [this] {
        palette_.transfer();
        refresh();
    });
}

QPushButton* InputPaletteWindow::addButton(const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setFixedWidth(52);
    buttons_[caption] = b;
    return b;
}

void InputPaletteWindow::openFor(QWidget& field, InputPalette::Writer target) {
    const QPoint topLeft = field.mapToGlobal(QPoint(0, 0));
    palette_.open({topLeft.x(), topLeft.y()}, std::move(target));
    refresh();
    raise();
}

QPushButton* InputPaletteWindow::button(const QString& caption) const {
    const auto it = buttons_.find(caption);
    return it == buttons_.end() ? nullptr : it->second;
}

void InputPaletteWindow::refresh() {
    textBox_->setText(QString::fromStdString(palette_.text()));
    if (!palette_.visible()) {
        hide();
        return;
    }
    placeFrame(*this, {palette_.position().x, palette_.position().y});
    show();
}

}  // namespace marvoten

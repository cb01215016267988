#include "ui/editor_placeholder.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/desktop.h"

namespace marvoten {

EditorPlaceholder::EditorPlaceholder(Desktop& desktop, QWidget* parent)
    : desktop_(desktop), window_(parent, Qt::Tool) {
    window_.setWindowTitle(QString::fromStdString(desktop_.session().editor.caption()));
    auto* layout = new QVBoxLayout(&window_);
    layout->addWidget(new QLabel(QStringLiteral("設計条件の入力画面は準備中です。"), &window_));
    auto* start = new QPushButton(QStringLiteral("計算開始"), &window_);
    QObject::connect(start, &QPushButton::clicked, &window_,
                     [this] { desktop_.guard([this] { desktop_.startCalculationFromEditor(); }); });
    layout->addWidget(start);
    window_.move(0, 82);
}

void EditorPlaceholder::perform(Command) {
    showInFront(window_);
}

void EditorPlaceholder::followEditor(const EditorChange& change) {
    if (change.has(EditorChange::Caption))
        window_.setWindowTitle(QString::fromStdString(desktop_.session().editor.caption()));
    if (change.has(EditorChange::ShowEditor)) showInFront(window_);
}

}  // namespace marvoten

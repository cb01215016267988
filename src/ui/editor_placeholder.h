#pragma once
// Stands in for the design-conditions window until it is built: the caption,
// the subject name and the button "計算開始" over the session's editor.
#include <QLabel>
#include <QWidget>

#include "ui/shell_window.h"

namespace marvoten {

class Desktop;

class EditorPlaceholder : public ShellWindow {
public:
    EditorPlaceholder(Desktop& desktop, QWidget* parent);
    QWidget& widget() override { return window_; }
    void perform(Command command) override;
    void followEditor(const EditorChange& change) override;

private:
    Desktop& desktop_;
    QWidget window_;
};

}  // namespace marvoten

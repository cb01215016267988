#pragma once
// The core's dialogues as Qt message boxes and file dialogs, parented to the
// window that asks, captioned with the application title.
#include <QPointer>
#include <QWidget>

#include "platform/dialogs.h"

namespace marvoten {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    bool confirm(const std::string& text) override;
    bool confirmAt(const std::string& text, int x, int y) override;
    void message(MessageKind kind, const std::string& text) override;
    SaveChoice askToSave(const std::string& text) override;
    std::optional<std::string> chooseFileToOpen(const FileChoiceRequest& request) override;
    std::optional<std::string> chooseFileToSave(const FileChoiceRequest& request) override;
    bool opensDocuments() const override { return true; }
    bool openDocument(const std::string& path) override;

private:
    bool ask(const std::string& text, const QPoint* topLeft);
    std::optional<std::string> chooseFile(const FileChoiceRequest& request, bool saving);

    QPointer<QWidget> parent_;
};

// A message text of the core in a Qt box: the core breaks lines with CR.
QString messageText(const std::string& text);
// "dat|*.dat" as a Qt file-dialog filter "dat (*.dat)".
QString qtFileFilter(const std::string& filter);

}  // namespace marvoten

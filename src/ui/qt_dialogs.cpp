#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "ui/window_placement.h"

namespace marvoten {

QString messageText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    if (filters.isEmpty()) return QString::fromStdString(filter);
    return filters.join(";;");
}

namespace {

// The window that asks: the modal dialog or the window the user is working in. Right
// after a box was answered no window has the keyboard yet (the window system has not
// given it back), and the window that asked before asks again.
QWidget* askingWindow(QWidget* fallback) {
    static QPointer<QWidget> lastAsking;
    QWidget* asking = QApplication::activeModalWidget();
    if (!asking) asking = QApplication::activeWindow();
    if (!asking) asking = lastAsking;
    if (!asking) asking = fallback;
    if (!qobject_cast<QMessageBox*>(asking)) lastAsking = asking;
    return asking;
}

// A dialog of the program stands over every window of the program.
void standOnTop(QDialog& dialog) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

// The dialog takes the keyboard while it is up and gives it back to where it was when
// it is answered.
class Asking {
public:
    explicit Asking(QWidget* fallback)
        : owner_(askingWindow(fallback)), focus_(QApplication::focusWidget()) {}
    ~Asking() {
        QWidget* back = focus_ ? focus_.data() : owner_.data();
        if (!back) return;
        back->window()->activateWindow();
        back->setFocus(Qt::OtherFocusReason);
    }
    Asking(const Asking&) = delete;
    Asking& operator=(const Asking&) = delete;

    QWidget* owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
    QPointer<QWidget> focus_;
};

int exec(QMessageBox& box, const QPoint* topLeft) {
    standOnTop(box);
    // A box has nothing to minimise or maximise.
    box.setWindowFlags((box.windowFlags() & ~(Qt::WindowMinMaxButtonsHint)) |
                       Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    if (topLeft) {
        box.adjustSize();
        placeFrame(box, *topLeft);
    }
    return box.exec();
}

}  // namespace

bool QtDialogs::confirm(const std::string& text) {
    return ask(text, nullptr);
}

bool QtDialogs::confirmAt(const std::string& text, int x, int y) {
    const QPoint topLeft(x, y);
    return ask(text, &topLeft);
}

bool QtDialogs::ask(const std::string& text, const QPoint* topLeft) {
    const Asking asking(parent_);
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    messageText(text), QMessageBox::Yes | QMessageBox::No, asking.owner());
    box.setDefaultButton(QMessageBox::Yes);
    return exec(box, topLeft) == QMessageBox::Yes;
}

void QtDialogs::message(MessageKind kind, const std::string& text) {
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                                    : QMessageBox::Critical;
    const Asking asking(parent_);
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), messageText(text),
                    QMessageBox::Ok, asking.owner());
    exec(box, nullptr);
}

SaveChoice QtDialogs::askToSave(const std::string& text) {
    const Asking asking(parent_);
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    messageText(text), QMessageBox::NoButton, asking.owner());
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    exec(box, nullptr);
    if (box.clickedButton() == save) return SaveChoice::Save;
    if (box.clickedButton() == discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

std::optional<std::string> QtDialogs::chooseFile(const FileChoiceRequest& request, bool saving) {
    const Asking asking(parent_);
    QFileDialog dialog(asking.owner(), QString(), QString::fromStdString(request.startFolder),
                       qtFileFilter(request.filter));
    standOnTop(dialog);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtDialogs::chooseFileToOpen(const FileChoiceRequest& request) {
    return chooseFile(request, false);
}

std::optional<std::string> QtDialogs::chooseFileToSave(const FileChoiceRequest& request) {
    return chooseFile(request, true);
}

bool QtDialogs::openDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace marvoten

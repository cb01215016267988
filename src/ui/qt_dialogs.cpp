#include "ui/qt_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

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

bool QtDialogs::confirm(const std::string& text) {
    return ask(text, nullptr);
}

bool QtDialogs::confirmAt(const std::string& text, int x, int y) {
    const QPoint topLeft(x, y);
    return ask(text, &topLeft);
}

bool QtDialogs::ask(const std::string& text, const QPoint* topLeft) {
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    messageText(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    if (topLeft) box.move(*topLeft);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::message(MessageKind kind, const std::string& text) {
    const QMessageBox::Icon icon = kind == MessageKind::Information ? QMessageBox::Information
                                   : kind == MessageKind::Warning   ? QMessageBox::Warning
                                                                    : QMessageBox::Critical;
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), messageText(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

SaveChoice QtDialogs::askToSave(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                    messageText(text), QMessageBox::NoButton, parent_);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveChoice::Save;
    if (box.clickedButton() == discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

std::optional<std::string> QtDialogs::chooseFile(const FileChoiceRequest& request, bool saving) {
    QFileDialog dialog(parent_, QString(), QString::fromStdString(request.startFolder),
                       qtFileFilter(request.filter));
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

#pragma once
// Support for driving the desktop windows in tests: the desktop over scripted
// dialogs, and a helper that answers a real modal dialog should one appear.
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "ui/about_box.h"
#include "ui/desktop.h"
#include "ui/results_window.h"

namespace marvoten::testing {

// Where the screenshot tests write: the folder the environment variable names
// (make screenshots), otherwise a temporary folder, so that they also run as tests.
class ScreenshotFolder {
public:
    explicit ScreenshotFolder(const char* variable) : named_(qEnvironmentVariable(variable)) {}
    QString path() const { return named_.isEmpty() ? temporary_.path() : named_; }

private:
    QString named_;
    QTemporaryDir temporary_;
};

// A picture file that was written and shows something: not one colour all over.
inline bool showsAPicture(const QString& file) {
    const QImage image(file);
    if (image.isNull()) return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return true;
    return false;
}

// The whole program as start-up builds it, every question answered by the
// scripted dialogs.
struct TestDesktop {
    FakeDialogs dialogs;
    WindowRegistry registry;
    std::unique_ptr<Desktop> desktop;

    TestDesktop() : TestDesktop(allWindows()) {}
    explicit TestDesktop(WindowRegistry windows) : registry(std::move(windows)) {
        desktop = std::make_unique<Desktop>(dialogs, registry);
    }
    static WindowRegistry allWindows() {
        WindowRegistry r;
        registerWindows(r);
        return r;
    }
    Desktop& operator*() { return *desktop; }
    Desktop* operator->() { return desktop.get(); }
};

// Answers modal dialogs while a command runs: every few milliseconds the modal
// widget in front (a message box, a file or printer dialog) gets the next answer
// of the script; what each box said is kept. A dialog left without an answer is
// rejected, so a test never hangs on one.
class ModalAnswerer {
public:
    // An answer: the text of the button to press ("&Yes", "Cancel"...), or empty
    // for the dialog's reject().
    explicit ModalAnswerer(std::vector<QString> answers = {}) : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answerFrontDialog(); });
        timer_.start(10);
    }
    // The texts and window titles of the dialogs that appeared, in order.
    const std::vector<QString>& texts() const { return texts_; }
    const std::vector<QString>& titles() const { return titles_; }
    int answered() const { return static_cast<int>(texts_.size()); }

private:
    void answerFrontDialog() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        titles_.push_back(dialog->windowTitle());
        auto* box = qobject_cast<QMessageBox*>(dialog);
        texts_.push_back(box ? box->text() : dialog->metaObject()->className());
        const QString answer = next_ < answers_.size() ? answers_[next_++] : QString();
        if (box && !answer.isEmpty()) {
            // A standard button is also found by its English name: once the program has
            // loaded Qt's Japanese translations, "&Yes" reads "はい(&Y)".
            const struct {
                const char* name;
                QMessageBox::StandardButton button;
            } standard[] = {{"Yes", QMessageBox::Yes},
                            {"No", QMessageBox::No},
                            {"OK", QMessageBox::Ok},
                            {"Cancel", QMessageBox::Cancel}};
            for (const auto& s : standard)
                if (QString(answer).remove('&') == QLatin1String(s.name) && box->button(s.button))
                    return box->button(s.button)->click();
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove('&') == QString(answer).remove('&')) {
                    b->click();
                    return;
                }
        }
        dialog->reject();
    }

    std::vector<QString> answers_;
    std::size_t next_ = 0;
    std::vector<QString> texts_;
    std::vector<QString> titles_;
    QTimer timer_;
};

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace marvoten::testing

// The desktop program "marvoten": the main window and its windows over one
// design session, with the design file it was started on (the desktop entry's
// "Exec=marvoten %f") loaded.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "platform/version.h"
#include "ui/desktop.h"
#include "ui/qt_dialogs.h"

namespace {

constexpr const char* usage =
    "使い方: marvoten [設計条件ファイル.dat]\n"
    "逆Ｌ型擁壁の設計条件を入力し、計算を実行して計算書を表示・印刷・出力します。\n"
    "設計条件ファイルを指定すると、「ファイル → 1.設計条件読込...」と同じように\n"
    "読み込んだ状態で起動します。出力ファイルはそのファイルのフォルダに書かれます。\n"
    "\n"
    "  --help     この説明を表示します。\n"
    "  --version  バージョンを表示します。\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before the window system is asked for, so that they work without one.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "marvoten " << marvoten::programVersion << "\n";
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::cout << usage;
        return 0;
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() > 1 || (args.size() == 1 && args[0].startsWith('-'))) {
        std::cerr << usage;
        return 1;
    }
    marvoten::QtDialogs dialogs;
    marvoten::WindowRegistry registry;
    marvoten::registerWindows(registry);
    marvoten::Desktop desktop(dialogs, registry);
    dialogs.setParent(&desktop.mainWindow());
    std::optional<std::string> designFile;
    if (!args.isEmpty()) designFile = args[0].toStdString();
    desktop.start(designFile);
    return app.exec();
}

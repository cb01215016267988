#pragma once
// An output command as the menus and the command line run it: a question before
// writing, the files it writes and the message after them. Several commands run
// together write their files as one batch, so that the disk waits once.
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/safe_file.h"

namespace marvoten {

struct OutputCommand {
    std::string confirmation;
    std::string done;
    std::function<void(FileBatch&)> addFiles;
    std::function<void(Dialogs&)> afterDone;  // none: nothing follows the message
};

// Asks every command's question first and leaves out a command answered No;
// writes the files of the others in one batch and then shows each one's message.
// An error while making or writing any file is shown through `dialogs`, writes
// nothing and leaves every earlier file as it was. True when every command was
// answered Yes and its files were written.
bool runOutputCommands(const std::vector<OutputCommand>& commands, Dialogs& dialogs);

}  // namespace marvoten

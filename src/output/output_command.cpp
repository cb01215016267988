#include "output/output_command.h"

#include <exception>

namespace marvoten {

bool runOutputCommands(const std::vector<OutputCommand>& commands, Dialogs& dialogs) {
    std::vector<const OutputCommand*> chosen;
    for (const OutputCommand& c : commands)
        if (dialogs.confirm(c.confirmation)) chosen.push_back(&c);
    if (chosen.empty()) return false;
    try {
        FileBatch batch;
        for (const OutputCommand* c : chosen) c->addFiles(batch);
        batch.commit();
    } catch (const std::exception& e) {
        dialogs.message(MessageKind::Error, e.what());
        return false;
    }
    for (const OutputCommand* c : chosen) {
        dialogs.message(MessageKind::Information, c->done);
        if (c->afterDone) c->afterDone(dialogs);
    }
    return chosen.size() == commands.size();
}

}  // namespace marvoten

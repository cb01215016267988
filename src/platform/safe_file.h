#pragma once
// Output files replace an earlier file only by a complete new one: the bytes go
// to a temporary file in the same folder, are flushed to disk, and the temporary
// file is then renamed over the target. On any failure the old file is untouched.
//
// A command that writes many files writes them as one batch: every temporary file
// first, then one flush of them all, the renames, and one flush of each folder.
// The disk waits once per command instead of twice per file, and a failure
// anywhere leaves every earlier file as it was.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/native_file.h"

namespace marvoten {

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileBatch {
public:
    FileBatch() = default;
    FileBatch(const FileBatch&) = delete;
    FileBatch& operator=(const FileBatch&) = delete;
    // A batch that was not committed removes its temporary files.
    ~FileBatch();

    // Writes `bytes` to a temporary file beside `target`; FileWriteError when it
    // cannot. A target named twice is written once, with the later bytes.
    void add(const std::filesystem::path& target, std::string_view bytes);

    // Flushes every temporary file, renames each over its target and flushes the
    // folders. On FileWriteError every target holds what it held before and no
    // temporary file is left. The batch is empty afterwards either way.
    void commit();

private:
    struct Pending {
        std::filesystem::path target;
        std::filesystem::path temporary;
        native::Handle file;
        std::filesystem::path backup;  // a second name of the replaced file while renaming
        bool hadEarlier = false;
    };
    void syncAll();
    void renameAll();
    void syncFolders();
    void rollBack(std::size_t renamed);
    void discard();

    std::vector<Pending> pending_;
};

// One file as a batch of its own.
void writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

// The whole file as bytes; FileReadError with the system's reason when it cannot
// be opened or read to its end.
std::string readFileBytes(const std::filesystem::path& source);

}  // namespace marvoten

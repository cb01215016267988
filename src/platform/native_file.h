#pragma once
// The system's file calls under the safe file output, one body per system:
// native_file_posix.cpp and native_file_windows.cpp. An Error is the system's own
// code (errno, or GetLastError() on Windows); 0 is success.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace marvoten::native {

using Handle = std::intptr_t;
inline constexpr Handle kNoHandle = -1;
using Error = int;

struct CreatedFile {
    Handle handle = kNoHandle;
    std::filesystem::path name;
    Error error = 0;
};

// A new, empty file with a name of its own in the folder of `target`, beginning
// with "." and the target's name, writable by whoever may write the folder.
CreatedFile createBeside(const std::filesystem::path& target);

Error writeAll(Handle file, std::string_view bytes);
// The file's bytes reach the disk.
Error flush(Handle file);
Error close(Handle file);

enum class SecondName { made, noEarlierFile, notPossible };
// `existing` gets the further name `name`, which keeps it when another file
// replaces `existing`.
SecondName addSecondName(const std::filesystem::path& existing, const std::filesystem::path& name);

// `from` takes the place of `to` in one step, replacing a file already there.
Error replace(const std::filesystem::path& from, const std::filesystem::path& to);
void remove(const std::filesystem::path& file);

// The folder's entries reach the disk. A folder that cannot be opened, or a file
// system that does not flush folders, leaves nothing to do.
Error flushFolder(const std::filesystem::path& folder);

struct OpenedFile {
    Handle handle = kNoHandle;
    Error error = 0;
};
OpenedFile openForReading(const std::filesystem::path& source);

struct ReadResult {
    std::size_t count = 0;  // 0 at the end of the file
    Error error = 0;
};
ReadResult readSome(Handle file, char* buffer, std::size_t size);

// The system's description of the error, as UTF-8.
std::string reason(Error error);

}  // namespace marvoten::native

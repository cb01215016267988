#pragma once
// Output files replace an earlier file only by a complete new one: the bytes go
// to a temporary file in the same folder, are flushed to disk, and the temporary
// file is then renamed over the target. On any failure the old file is untouched.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace marvoten {

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FileReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void writeFileSafely(const std::filesystem::path& target, std::string_view bytes);

// The whole file as bytes; FileReadError with the system's reason when it cannot be read.
std::string readFileBytes(const std::filesystem::path& source);

}  // namespace marvoten

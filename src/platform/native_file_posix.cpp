#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/message_text.h"
#include "platform/native_file.h"

namespace marvoten::native {
namespace {

int fd(Handle file) {
    return static_cast<int>(file);
}

// New files get the usual permissions rather than mkstemp's 0600.
void giveUsualPermissions(int file) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file, 0666 & ~mask);
}

}  // namespace

CreatedFile createBeside(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::string name = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int file = ::mkstemp(name.data());
    if (file < 0) return {kNoHandle, {}, errno};
    giveUsualPermissions(file);
    return {file, name, 0};
}

Error writeAll(Handle file, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd(file), p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

Error flush(Handle file) {
    return ::fsync(fd(file)) == 0 ? 0 : errno;
}

Error close(Handle file) {
    return ::close(fd(file)) == 0 ? 0 : errno;
}

SecondName addSecondName(const std::filesystem::path& existing, const std::filesystem::path& name) {
    if (::link(existing.c_str(), name.c_str()) == 0) return SecondName::made;
    return errno == ENOENT ? SecondName::noEarlierFile : SecondName::notPossible;
}

Error replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void remove(const std::filesystem::path& file) {
    ::unlink(file.c_str());
}

Error flushFolder(const std::filesystem::path& folder) {
    const int file = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (file < 0) return 0;
    const Error err = ::fsync(file) == 0 || errno == EINVAL ? 0 : errno;
    ::close(file);
    return err;
}

OpenedFile openForReading(const std::filesystem::path& source) {
    const int file = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return {kNoHandle, errno};
    return {file, 0};
}

ReadResult readSome(Handle file, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd(file), buffer, size);
        if (n >= 0) return {static_cast<std::size_t>(n), 0};
        if (errno != EINTR) return {0, errno};
    }
}

std::string reason(Error error) {
    return systemErrorText(error);
}

}  // namespace marvoten::native

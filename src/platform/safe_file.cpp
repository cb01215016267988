#include "platform/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace marvoten {
namespace {

[[noreturn]] void fail(const std::filesystem::path& target, int err) {
    throw FileWriteError("ファイル「" + target.string() + "」を書き込めません：" +
                         std::strerror(err));
}

void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void writeFileSafely(const std::filesystem::path& target, std::string_view bytes) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) fail(target, errno);

    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(pattern.c_str());
        fail(target, err);
    };
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon(errno);
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    // New files get the usual permissions rather than mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::fsync(fd) != 0) abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(pattern.c_str());
        fail(target, err);
    }
    if (::rename(pattern.c_str(), target.c_str()) != 0) {
        int err = errno;
        ::unlink(pattern.c_str());
        fail(target, err);
    }
    syncFolder(folder);
}

std::string readFileBytes(const std::filesystem::path& source) {
    std::error_code ec;
    if (std::filesystem::is_directory(source, ec))
        throw FileReadError("ファイル「" + source.string() + "」を開けません：" +
                            std::strerror(EISDIR));
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        int err = errno;
        throw FileReadError("ファイル「" + source.string() + "」を開けません：" +
                            std::strerror(err ? err : ENOENT));
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw FileReadError("ファイル「" + source.string() + "」を読めません");
    return ss.str();
}

}  // namespace marvoten

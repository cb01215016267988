#include "platform/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/message_text.h"

namespace marvoten {
namespace {

// The whole path, so that the user knows which folder was meant.
std::string shownPath(const std::filesystem::path& p) {
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(p, ec);
    return (ec ? p : whole.lexically_normal()).string();
}

[[noreturn]] void fail(const std::filesystem::path& target, int err) {
    throw FileWriteError("ファイル「" + shownPath(target) + "」を書き込めません：" +
                         systemErrorText(err));
}

[[noreturn]] void failToRead(const std::filesystem::path& source, const char* what, int err) {
    throw FileReadError("ファイル「" + shownPath(source) + "」を" + what + "：" +
                        systemErrorText(err));
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? "." : folder;
}

// 0 when every byte was written, else the system's error.
int writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return 0;
}

// New files get the usual permissions rather than mkstemp's 0600.
void giveUsualPermissions(int fd) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// A folder's entries reach the disk; 0 or the system's error. A folder that cannot
// be opened, or a file system that does not flush folders, leaves nothing to do.
int syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    const int err = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
    ::close(fd);
    return err;
}

}  // namespace

FileBatch::~FileBatch() {
    discard();
}

void FileBatch::add(const std::filesystem::path& target, std::string_view bytes) {
    auto same = std::find_if(pending_.begin(), pending_.end(),
                             [&](const Pending& p) { return p.target == target; });
    if (same != pending_.end()) {
        ::close(same->fd);
        ::unlink(same->temporary.c_str());
        pending_.erase(same);
    }
    std::string temporary =
        (folderOf(target) / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        const int err = errno;
        discard();
        fail(target, err);
    }
    pending_.push_back({target, temporary, fd, "", false});
    giveUsualPermissions(fd);
    if (const int err = writeAll(fd, bytes)) {
        discard();
        fail(target, err);
    }
}

void FileBatch::commit() {
    syncAll();
    renameAll();
    syncFolders();
}

// Several files are flushed side by side, so that the file system joins their
// waits for the disk into one journal commit instead of one commit after another.
void FileBatch::syncAll() {
    std::vector<int> errors(pending_.size(), 0);
    auto flush = [this, &errors](std::size_t i) {
        if (::fsync(pending_[i].fd) != 0) errors[i] = errno;
    };
    if (pending_.size() == 1) {
        flush(0);
    } else {
        std::vector<std::jthread> flushes;
        for (std::size_t i = 0; i < pending_.size(); ++i) flushes.emplace_back(flush, i);
    }
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        Pending& p = pending_[i];
        int err = errors[i];
        if (::close(p.fd) != 0 && err == 0) err = errno;
        p.fd = -1;
        if (err != 0) {
            const std::filesystem::path target = p.target;
            discard();
            fail(target, err);
        }
    }
}

// An earlier file keeps a second name until every rename has succeeded, so that a
// failed rename can put back the files renamed before it.
void FileBatch::renameAll() {
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        Pending& p = pending_[i];
        const std::string backup = p.temporary + ".old";
        if (::link(p.target.c_str(), backup.c_str()) == 0) p.backup = backup;
        p.hadEarlier = !p.backup.empty() || errno != ENOENT;
        if (::rename(p.temporary.c_str(), p.target.c_str()) != 0) {
            const int err = errno;
            const std::filesystem::path target = p.target;
            rollBack(i);
            fail(target, err);
        }
        p.temporary.clear();
    }
    for (const Pending& p : pending_)
        if (!p.backup.empty()) ::unlink(p.backup.c_str());
}

void FileBatch::syncFolders() {
    std::vector<std::filesystem::path> synced;
    for (const Pending& p : pending_) {
        const std::filesystem::path folder = folderOf(p.target);
        if (std::find(synced.begin(), synced.end(), folder) != synced.end()) continue;
        synced.push_back(folder);
        if (const int err = syncFolder(folder)) {
            const std::filesystem::path target = p.target;
            pending_.clear();
            fail(target, err);
        }
    }
    pending_.clear();
}

// The first `renamed` targets get their earlier file back, or lose the new one
// where there was none; the rest keep theirs. A file system without second names
// keeps the new file whole where it replaced one.
void FileBatch::rollBack(std::size_t renamed) {
    for (std::size_t i = 0; i < renamed; ++i) {
        const Pending& p = pending_[i];
        if (!p.backup.empty())
            ::rename(p.backup.c_str(), p.target.c_str());
        else if (!p.hadEarlier)
            ::unlink(p.target.c_str());
        pending_[i].backup.clear();
    }
    discard();
}

void FileBatch::discard() {
    for (const Pending& p : pending_) {
        if (p.fd >= 0) ::close(p.fd);
        if (!p.temporary.empty()) ::unlink(p.temporary.c_str());
        if (!p.backup.empty()) ::unlink(p.backup.c_str());
    }
    pending_.clear();
}

void writeFileSafely(const std::filesystem::path& target, std::string_view bytes) {
    FileBatch batch;
    batch.add(target, bytes);
    batch.commit();
}

std::string readFileBytes(const std::filesystem::path& source) {
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) failToRead(source, "開けません", errno);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            failToRead(source, "読めません", err);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

}  // namespace marvoten

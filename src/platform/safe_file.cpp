#include "platform/safe_file.h"

#include <algorithm>
#include <thread>

#include "platform/utf8_path.h"

namespace marvoten {
namespace {

// The whole path, so that the user knows which folder was meant.
std::string shownPath(const std::filesystem::path& p) {
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(p, ec);
    return utf8FromPath(ec ? p : whole.lexically_normal());
}

[[noreturn]] void fail(const std::filesystem::path& target, native::Error err) {
    throw FileWriteError("ファイル「" + shownPath(target) + "」を書き込めません：" +
                         native::reason(err));
}

[[noreturn]] void failToRead(const std::filesystem::path& source, const char* what,
                             native::Error err) {
    throw FileReadError("ファイル「" + shownPath(source) + "」を" + what + "：" +
                        native::reason(err));
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    return folder.empty() ? "." : folder;
}

}  // namespace

FileBatch::~FileBatch() {
    discard();
}

void FileBatch::add(const std::filesystem::path& target, std::string_view bytes) {
    auto same = std::find_if(pending_.begin(), pending_.end(),
                             [&](const Pending& p) { return p.target == target; });
    if (same != pending_.end()) {
        native::close(same->file);
        native::remove(same->temporary);
        pending_.erase(same);
    }
    const native::CreatedFile created = native::createBeside(target);
    if (created.error != 0) {
        discard();
        fail(target, created.error);
    }
    pending_.push_back({target, created.name, created.handle, {}, false});
    if (const native::Error err = native::writeAll(created.handle, bytes)) {
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
    std::vector<native::Error> errors(pending_.size(), 0);
    auto flush = [this, &errors](std::size_t i) { errors[i] = native::flush(pending_[i].file); };
    if (pending_.size() == 1) {
        flush(0);
    } else {
        std::vector<std::jthread> flushes;
        for (std::size_t i = 0; i < pending_.size(); ++i) flushes.emplace_back(flush, i);
    }
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        Pending& p = pending_[i];
        native::Error err = errors[i];
        if (const native::Error closeErr = native::close(p.file); err == 0) err = closeErr;
        p.file = native::kNoHandle;
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
        std::filesystem::path backup = p.temporary;
        backup += ".old";
        const native::SecondName second = native::addSecondName(p.target, backup);
        if (second == native::SecondName::made) p.backup = backup;
        p.hadEarlier = second != native::SecondName::noEarlierFile;
        if (const native::Error err = native::replace(p.temporary, p.target)) {
            const std::filesystem::path target = p.target;
            rollBack(i);
            fail(target, err);
        }
        p.temporary.clear();
    }
    for (const Pending& p : pending_)
        if (!p.backup.empty()) native::remove(p.backup);
}

void FileBatch::syncFolders() {
    std::vector<std::filesystem::path> synced;
    for (const Pending& p : pending_) {
        const std::filesystem::path folder = folderOf(p.target);
        if (std::find(synced.begin(), synced.end(), folder) != synced.end()) continue;
        synced.push_back(folder);
        if (const native::Error err = native::flushFolder(folder)) {
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
            native::replace(p.backup, p.target);
        else if (!p.hadEarlier)
            native::remove(p.target);
        pending_[i].backup.clear();
    }
    discard();
}

void FileBatch::discard() {
    for (const Pending& p : pending_) {
        if (p.file != native::kNoHandle) native::close(p.file);
        if (!p.temporary.empty()) native::remove(p.temporary);
        if (!p.backup.empty()) native::remove(p.backup);
    }
    pending_.clear();
}

void writeFileSafely(const std::filesystem::path& target, std::string_view bytes) {
    FileBatch batch;
    batch.add(target, bytes);
    batch.commit();
}

std::string readFileBytes(const std::filesystem::path& source) {
    const native::OpenedFile opened = native::openForReading(source);
    if (opened.error != 0) failToRead(source, "開けません", opened.error);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const native::ReadResult read = native::readSome(opened.handle, buffer, sizeof buffer);
        if (read.error != 0) {
            native::close(opened.handle);
            failToRead(source, "読めません", read.error);
        }
        if (read.count == 0) break;
        bytes.append(buffer, read.count);
    }
    native::close(opened.handle);
    return bytes;
}

}  // namespace marvoten

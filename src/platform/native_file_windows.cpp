#include <windows.h>

#include <random>

#include "platform/native_file.h"
#include "platform/windows_text.h"

namespace marvoten::native {
namespace {

HANDLE win(Handle file) {
    return reinterpret_cast<HANDLE>(file);
}

Handle ours(HANDLE file) {
    return reinterpret_cast<Handle>(file);
}

Error lastError() {
    return static_cast<Error>(::GetLastError());
}

std::wstring randomSuffix() {
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<unsigned> hex(0, 0xFFFFFF);
    wchar_t text[8];
    ::swprintf(text, 8, L"%06X", hex(random));
    return text;
}

}  // namespace

CreatedFile createBeside(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    for (;;) {
        std::filesystem::path name =
            folder / (L"." + target.filename().wstring() + L"." + randomSuffix());
        const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return {ours(file), name, 0};
        if (::GetLastError() != ERROR_FILE_EXISTS) return {kNoHandle, {}, lastError()};
    }
}

Error writeAll(Handle file, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(win(file), p, chunk, &written, nullptr)) return lastError();
        p += written;
        left -= written;
    }
    return 0;
}

Error flush(Handle file) {
    return ::FlushFileBuffers(win(file)) ? 0 : lastError();
}

Error close(Handle file) {
    return ::CloseHandle(win(file)) ? 0 : lastError();
}

// A file that another program holds open without leave to delete it (a viewer
// showing the book) cannot be replaced, and a second name of it could not be
// removed again: it gets none, and its replacement fails with the system's reason.
SecondName addSecondName(const std::filesystem::path& existing, const std::filesystem::path& name) {
    const HANDLE file = ::CreateFileW(existing.c_str(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD err = ::GetLastError();
        return err == ERROR_FILE_NOT_FOUND ? SecondName::noEarlierFile : SecondName::notPossible;
    }
    const bool made = ::CreateHardLinkW(name.c_str(), existing.c_str(), nullptr);
    ::CloseHandle(file);
    return made ? SecondName::made : SecondName::notPossible;
}

// The replacement waits until the new name is on the disk, as the folder flush
// does on other systems.
Error replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastError();
}

void remove(const std::filesystem::path& file) {
    ::DeleteFileW(file.c_str());
}

// MOVEFILE_WRITE_THROUGH has already put each folder's new entries on the disk.
Error flushFolder(const std::filesystem::path&) {
    return 0;
}

OpenedFile openForReading(const std::filesystem::path& source) {
    const HANDLE file = ::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {kNoHandle, lastError()};
    return {ours(file), 0};
}

ReadResult readSome(Handle file, char* buffer, std::size_t size) {
    DWORD count = 0;
    if (!::ReadFile(win(file), buffer, static_cast<DWORD>(size), &count, nullptr))
        return {0, lastError()};
    return {count, 0};
}

std::string reason(Error error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0) return "Windows error " + std::to_string(error);
    std::wstring wide(text, length);
    ::LocalFree(text);
    while (!wide.empty() && (wide.back() == L'\n' || wide.back() == L'\r' || wide.back() == L' '))
        wide.pop_back();
    return windows::utf8FromWide(wide);
}

}  // namespace marvoten::native

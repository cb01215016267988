#include "platform/windows_text.h"

namespace marvoten::windows {

std::optional<std::wstring> wideOf(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return std::wstring();
    const int inSize = static_cast<int>(bytes.size());
    const int size =
        ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inSize, nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inSize, out.data(), size);
    return out;
}

std::optional<std::string> bytesOf(UINT codePage, std::wstring_view text) {
    if (text.empty()) return std::string();
    const int inSize = static_cast<int>(text.size());
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int size = ::WideCharToMultiByte(codePage, flags, text.data(), inSize, nullptr, 0,
                                           nullptr, usedDefaultOut);
    if (size == 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(codePage, flags, text.data(), inSize, out.data(), size, nullptr, nullptr);
    return out;
}

std::string utf8FromWide(std::wstring_view text) {
    const int inSize = static_cast<int>(text.size());
    const int size =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), inSize, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), inSize, out.data(), size, nullptr, nullptr);
    return out;
}

}  // namespace marvoten::windows

#include "platform/message_text.h"

#include <cerrno>
#include <cstring>

namespace marvoten {
namespace {

std::size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

const char* japaneseReason(int e) {
    switch (e) {
        case EACCES:
        case EPERM:
            return "アクセスする権限がありません";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "ディスクの空き容量が足りません";
        case ENOENT:
            return "フォルダが見つかりません";
        case EROFS:
            return "読み取り専用の場所です";
        case EISDIR:
            return "ファイルの場所にフォルダがあります";
        case ENOTDIR:
            return "パスの途中にフォルダではないものがあります";
        case ENAMETOOLONG:
            return "ファイル名が長すぎます";
        default:
            return nullptr;
    }
}

}  // namespace

std::string echoText(std::string_view text, std::size_t limit) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (characters == limit) return out + "…";
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t n = utf8Length(lead);
        if (i + n > text.size()) n = 1;
        if (lead < 0x20 || lead == 0x7F)
            out += '?';
        else
            out.append(text.substr(i, n));
        i += n;
        ++characters;
    }
    return out;
}

std::string systemErrorText(int errorNumber) {
    const std::string system = std::strerror(errorNumber);
    const char* reason = japaneseReason(errorNumber);
    return reason ? std::string(reason) + "（" + system + "）" : system;
}

}  // namespace marvoten

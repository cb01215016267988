#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/cp932_conversion.h"
#include "platform/encoding.h"

namespace marvoten::cp932 {
namespace {

// glibc's "CP932" maps U+FF5E, U+FF0D, U+2460 ... to the Windows code-page bytes.
constexpr const char* kCp932 = "CP932";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw EncodingError(std::string("文字コード変換を開始できません：") + from + " -> " +
                                to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; `describe` names the offending position for the message.
    std::string run(std::string_view in, const char* what) {
        std::string out;
        std::vector<char> buf(4 * in.size() + 16);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        while (true) {
            char* dst = buf.data();
            size_t dstLeft = buf.size();
            size_t rc = iconv(cd_, srcLeft ? &src : nullptr, &srcLeft, &dst, &dstLeft);
            out.append(buf.data(), dst - buf.data());
            if (rc != static_cast<size_t>(-1)) {
                if (srcLeft == 0) break;
                continue;
            }
            if (errno == E2BIG) continue;
            size_t offset = in.size() - srcLeft;
            throw EncodingError(std::string(what) + "（" + std::to_string(offset + 1) +
                                "バイト目）");
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string fromUtf8(std::string_view utf8, const char* what) {
    return Converter(kCp932, "UTF-8").run(utf8, what);
}

std::string toUtf8(std::string_view cp932, const char* what) {
    return Converter("UTF-8", kCp932).run(cp932, what);
}

std::u16string toUtf16(std::string_view cp932, const char* what) {
    const std::string bytes = Converter("UTF-16LE", kCp932).run(cp932, what);
    std::u16string out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return out;
}

}  // namespace marvoten::cp932

#pragma once
// The program's UTF-8 texts as the strings of the widgets.
#include <QString>
#include <string_view>

namespace marvoten {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace marvoten

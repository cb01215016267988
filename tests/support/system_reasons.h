#pragma once
// The system's words for the file failures the tests bring about, as the safe file
// output passes them on.
#include <string>

#ifdef _WIN32
#include <windows.h>
// windows.h keeps two words of 16-bit pointers as macros; the tests use one as a name.
#undef near
#undef far

#include "platform/native_file.h"
#endif

namespace marvoten::testing {

#ifdef _WIN32
inline const std::string kNoSuchFolder = native::reason(ERROR_PATH_NOT_FOUND);
// Windows refuses to open a folder as a file.
inline const std::string kReadingAFolder = "を開けません：" + native::reason(ERROR_ACCESS_DENIED);
#else
inline const std::string kNoSuchFolder = "No such file or directory";
// A folder opens for reading and fails at the first read.
inline const std::string kReadingAFolder =
    "を読めません：ファイルの場所にフォルダがあります（Is a directory）";
#endif

}  // namespace marvoten::testing

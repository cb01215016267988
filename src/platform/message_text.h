#pragma once
// Pieces of the messages the user reads: a typed text quoted back, a system error.
#include <string>
#include <string_view>

namespace marvoten {

// The text as a message quotes it: at most `limit` characters, a longer text cut with
// "…"; control characters (a NUL byte would end the message box's text) shown as "?".
// Invalid UTF-8 bytes count as one character each.
std::string echoText(std::string_view text, std::size_t limit = 40);

// The system's reason for a failed file operation in Japanese, for the common ones
// (no permission, disk full, missing folder, read-only place, a folder in the way),
// the system's own text beside it.
std::string systemErrorText(int errorNumber);

}  // namespace marvoten

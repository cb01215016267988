#pragma once
#include <stdexcept>

namespace marvoten {

// A misuse of the PDF writer (no output stream, no open document, an unknown font).
class TPDFError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace marvoten

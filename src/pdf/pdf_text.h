#pragma once
// Number and string forms of the PDF writer's output.
#include <string>
#include <string_view>

namespace marvoten {

// The largest real every PDF 1.2 reader is bound to read (its implementation limit).
inline constexpr double kPdfRealLimit = 32767;

// A real as the content stream and dictionaries write it: rounded to hundredths
// (halves away from zero), shortest form, no exponent: "817", "12.5", "0.75", "-1.5".
// TPDFError for a value beyond ±kPdfRealLimit or not finite: the document is not
// written, so an earlier file stays as it was.
std::string formatPdfNumber(double v);

// A document-information text: the UTF-16BE hex digits of `utf8` (after the trip
// through CP932 every other text of the file takes) behind the BOM and the
// Japanese language escape; at most 1024 code units.
std::string pdfTextString(std::string_view utf8);

// True when the CP932 bytes hold a double-byte character.
bool hasDoubleByteChar(std::string_view cp932);
// True when `c` opens a double-byte CP932 character.
bool isCp932LeadByte(unsigned char c);

// One piece of a TextOut as a content-stream string operand: hexadecimal "<...>"
// when it holds a double-byte character (a second byte may be 0x5C, which a literal
// string would read as an escape), else a literal "(...)" with "(", ")" and "\" escaped.
std::string pdfStringOperand(std::string_view cp932);

}  // namespace marvoten

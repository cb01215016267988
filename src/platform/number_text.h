#pragma once
// Conversion of the texts the user typed into design fields.
#include <stdexcept>
#include <string>
#include <string_view>

namespace marvoten {

// A text that is not a number where one is needed. The message is Japanese and
// quotes the text; when the field is known it is named first.
class ConversionError : public std::runtime_error {
public:
    ConversionError(std::string text, bool wholeNumber, std::string field = {});
    const std::string& text() const { return text_; }
    const std::string& field() const { return field_; }
    // The same error, now naming the field by its editor label.
    ConversionError forField(const std::string& fieldLabel) const;

private:
    std::string text_;
    std::string field_;
    bool wholeNumber_;
};

// The text with full-width digits, point, minus and plus ("１２３", "１．５", "－２", typed
// with the Japanese input method on) in their ASCII forms; everything else as it was.
std::string asciiNumberForms(std::string_view text);

// A decimal with optional sign, decimals and exponent ("7100", "0.6", "-0.3", "1e3").
// Blanks around the number are allowed.
double textToNumber(std::string_view text);
double textToNumber(std::string_view text, const std::string& fieldLabel);

// A whole number with optional sign ("24", "-1"); "24.0" is not one.
int textToInteger(std::string_view text);
int textToInteger(std::string_view text, const std::string& fieldLabel);

}  // namespace marvoten

#pragma once
// Number conversions used wherever a rule needs a number from a text.
// A text that is no number raises ConversionError; the screen shows its message and the
// running command ends there. The message quotes the text as ReadableText shows it.
#include <stdexcept>
#include <string>

namespace mivo {

struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Decimal integer with optional leading blanks and sign ("12", " -3", "+4").
// Throws ConversionError("'abc' is not a valid integer value").
int StrToInt(const std::string& text);

// Like StrToInt but returns false instead of throwing.
bool TryStrToInt(const std::string& text, int& value);

// Decimal floating-point number ("1.5", "-0.25", "3").
// Throws ConversionError("'abc' is not a valid floating point value").
double StrToFloat(const std::string& text);
// Like StrToFloat but returns false instead of throwing.
bool TryStrToFloat(const std::string& text, double& value);

// The shortest decimal text of a number, to 15 significant digits: 300 gives "300", 14.85
// "14.85", 0.1 * 3 "0.3". Magnitudes from 1e15 on, or below 1e-5, are written as "1.5E20",
// "1E-6". Independent of the locale.
std::string FloatToStr(double value);

}  // namespace mivo

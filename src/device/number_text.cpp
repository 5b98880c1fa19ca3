// SPDX-License-Identifier: MIT
#include "device/number_text.h"

#include <cctype>
#include <cmath>
#include <locale>
#include <sstream>

#include "device/blank_trim.h"
#include "platform/failure.h"
#include "platform/failure_numbers.h"

namespace vq72 {
namespace {

constexpr double kInt16Min = -32768.0;
constexpr double kInt16Max = 32767.0;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Sign, digits, an optional point and more digits; at least one digit in all.
bool isDecimal(const std::string& text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t wholeStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    std::size_t digits = i - wholeStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
        digits += i - fractionStart;
    }
    return digits > 0 && i == text.size();
}

}  // namespace

std::optional<double> numericValue(const std::string& text) {
    const std::string trimmed = trimBlanks(text);
    if (!isDecimal(trimmed)) return std::nullopt;
    // Read in the C locale: Qt sets the user's, whose decimal separator may be a comma (in which
    // strtod reads "2.6" as 2).
    std::istringstream in(trimmed);
    in.imbue(std::locale::classic());
    double value = 0;
    in >> value;  // past a double's range: the largest double, outside every 16-bit range too
    return value;
}

int toInteger16(const std::string& text) {
    const std::optional<double> value = numericValue(text);
    if (!value) throw Failure(failure_number::kTypeMismatch, "Type mismatch");
    const double rounded = std::nearbyint(*value);
    if (rounded < kInt16Min || rounded > kInt16Max)
        throw Failure(failure_number::kOverflow, "Overflow");
    return static_cast<int>(rounded);
}

std::string blankPrefixed(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace vq72

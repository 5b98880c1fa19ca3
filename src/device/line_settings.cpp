// SPDX-License-Identifier: MIT
#include "device/line_settings.h"

#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

namespace vq72 {
namespace {

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<LineSettings::Parity> parityOf(const std::string& text) {
    if (text.size() != 1) return std::nullopt;
    switch (std::toupper(static_cast<unsigned char>(text[0]))) {
        case 'N':
            return LineSettings::Parity::None;
        case 'E':
            return LineSettings::Parity::Even;
        case 'O':
            return LineSettings::Parity::Odd;
        default:
            return std::nullopt;
    }
}

std::optional<LineSettings::StopBits> stopBitsOf(const std::string& text) {
    if (text == "1") return LineSettings::StopBits::One;
    if (text == "2") return LineSettings::StopBits::Two;
    return std::nullopt;
}

}  // namespace

std::optional<LineSettings> LineSettings::parse(const std::string& text) {
    std::vector<std::string> fields;
    std::stringstream stream(text);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    if (fields.size() != 4 || text.back() == ',') return std::nullopt;
    const auto baud = wholeNumber(fields[0]);
    const auto parity = parityOf(fields[1]);
    const auto dataBits = wholeNumber(fields[2]);
    const auto stopBits = stopBitsOf(fields[3]);
    if (!baud || *baud <= 0 || !parity || !dataBits || *dataBits < 5 || *dataBits > 8 ||
        !stopBits) {
        return std::nullopt;
    }
    return LineSettings{*baud, *parity, *dataBits, *stopBits};
}

}  // namespace vq72

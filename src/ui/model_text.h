// SPDX-License-Identifier: MIT
// Text between the model and Qt: the model holds 8-bit characters, one byte each (Latin-1).
#pragma once

#include <QString>
#include <string>

namespace vq72 {

inline QString toQString(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become "?".
inline std::string toModelText(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace vq72

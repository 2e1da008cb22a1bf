#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lumora::ui {

// The model's UTF-16 text and Qt's share one encoding: no conversion, only a copy.
inline QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string ToU16(const QString& text) {
    return text.toStdU16String();
}

}  // namespace lumora::ui

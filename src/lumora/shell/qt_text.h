#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace lumora::shell {

// The core speaks UTF-16, Qt too; paths go through the local 8-bit encoding.
inline QString ToQt(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQt(const QString& text) {
    return text.toStdU16String();
}

inline QString PathToQt(const std::filesystem::path& path) {
    return QString::fromLocal8Bit(path.string());
}

inline std::filesystem::path PathFromQt(const QString& path) {
    return std::filesystem::path(path.toLocal8Bit().toStdString());
}

}  // namespace lumora::shell

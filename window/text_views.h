#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace quarvel {

// The core and Qt both hold UTF-16; these only reinterpret the code units.
inline std::u16string_view utf16View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QString toQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quarvel

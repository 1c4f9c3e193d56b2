#pragma once
#include <QString>
#include <string_view>

namespace tav {

// Our texts are UTF-8; Qt's are UTF-16. ASCII text (numbers, most names) reads the same as
// Latin-1, which Qt widens without decoding: a display cycle converts every text it shows.
inline QString qtext(std::string_view text) {
    const auto size = static_cast<qsizetype>(text.size());
    unsigned char high = 0;
    for (const char c : text) high |= static_cast<unsigned char>(c);
    if (high < 0x80) return QString::fromLatin1(text.data(), size);
    return QString::fromUtf8(text.data(), size);
}

}  // namespace tav

#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tav {

// A 128-bit class, interface or library identifier, written in the registry form
// "{6B29FC40-CA47-1067-B31D-00DD010662DA}". Tables spell their identifiers as text and get
// them parsed at compile time, so a typo fails the build instead of a lookup.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    constexpr Guid() = default;
    // Compile-time parse of the braced form; a malformed literal does not compile when
    // used in a constant expression (and throws std::invalid_argument at run time).
    consteval explicit Guid(const char* text) : Guid(parseOrThrow(text)) {}

    // Run-time parse; nullopt when the text is not a braced identifier.
    static std::optional<Guid> parse(std::string_view text) noexcept;
    std::string toString() const;
    constexpr bool isNull() const { return *this == Guid(); }

    friend constexpr bool operator==(const Guid&, const Guid&) = default;

private:
    static constexpr int hexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }
    // Reads the 36 characters between the braces; false when any is out of place.
    static constexpr bool parseInto(std::string_view t, Guid& g) {
        constexpr size_t kLength = 38;
        if (t.size() != kLength || t.front() != '{' || t.back() != '}') return false;
        size_t pos = 1;
        auto take = [&](int digits, uint64_t& out) {
            out = 0;
            for (int i = 0; i < digits; ++i, ++pos) {
                const int d = hexDigit(t[pos]);
                if (d < 0) return false;
                out = out * 16 + static_cast<uint64_t>(d);
            }
            return true;
        };
        auto dash = [&] { return t[pos++] == '-'; };
        uint64_t a = 0, b = 0, c = 0, d = 0, e = 0;
        if (!take(8, a) || !dash() || !take(4, b) || !dash() || !take(4, c) || !dash() || !take(4, d) ||
            !dash() || !take(12, e))
            return false;
        g.data1 = static_cast<uint32_t>(a);
        g.data2 = static_cast<uint16_t>(b);
        g.data3 = static_cast<uint16_t>(c);
        g.data4[0] = static_cast<uint8_t>(d >> 8);
        g.data4[1] = static_cast<uint8_t>(d);
        for (int i = 0; i < 6; ++i) g.data4[2 + i] = static_cast<uint8_t>(e >> (8 * (5 - i)));
        return true;
    }
    static constexpr Guid parseOrThrow(const char* text) {
        Guid g;
        if (!parseInto(std::string_view(text), g)) throw std::invalid_argument("malformed GUID literal");
        return g;
    }
};

}  // namespace tav

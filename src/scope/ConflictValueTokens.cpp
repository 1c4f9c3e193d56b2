#include "scope/ConflictValueTokens.h"

namespace tav::ConflictValueTokens {

namespace {

struct Token {
    std::string_view text;
    Variant (*value)();
    bool (*standsFor)(const Variant&) noexcept;
};

constexpr Token kTokens[] = {
    {VtNull, [] { return Variant::Null(); }, [](const Variant& v) noexcept { return v.isNull(); }},
    {VtEmpty, [] { return Variant(); }, [](const Variant& v) noexcept { return v.isEmpty(); }},
    {Nothing, [] { return Variant::Nothing(); }, [](const Variant& v) noexcept { return v.isObject(); }},
    {EmptyString, [] { return Variant(std::string_view()); },
     [](const Variant& v) noexcept { return v.isString() && v.str().empty(); }},
};

}  // namespace

std::optional<std::string_view> tokenOf(const Variant& v) noexcept {
    for (const Token& t : kTokens)
        if (t.standsFor(v)) return t.text;
    return std::nullopt;
}

std::optional<Variant> valueOf(std::string_view text) {
    for (const Token& t : kTokens)
        if (t.text == text) return t.value();
    return std::nullopt;
}

}  // namespace tav::ConflictValueTokens

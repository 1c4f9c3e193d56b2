#include "automation/format/CompiledFormat.h"

#include <optional>

#include "automation/format/CompileCache.h"
#include "automation/format/NamedFormats.h"

namespace tav {

namespace {

using Kind = CompiledFormat::Kind;

constexpr size_t kCachedFormats = 8;

// What the raw character at i says about the kind of the format, if anything.
std::optional<Kind> tellingKind(std::span<const FormatChar> chars, size_t i) {
    if (isTextMark(chars[i].c)) return Kind::Text;
    if (isNumberMark(chars[i].c)) return Kind::Number;
    if (startsDateToken(chars, i)) return Kind::Date;
    return std::nullopt;
}

Kind detectKind(const std::vector<FormatSection>& sections) {
    for (const FormatSection& section : sections)
        for (size_t i = 0; i < section.chars.size(); ++i)
            if (section.chars[i].isRaw())
                if (auto kind = tellingKind(section.chars, i)) return *kind;
    return Kind::Number;
}

template <class Section, class CompileSection>
std::vector<Section> compileSections(const std::vector<FormatSection>& sections,
                                     CompileSection compile) {
    std::vector<Section> out;
    out.reserve(sections.size());
    for (const FormatSection& s : sections) {
        out.push_back(compile(s.chars));
        out.back().empty = s.empty;
    }
    return out;
}

}  // namespace

CompiledFormat compileCustomFormat(std::string_view format) {
    CompiledFormat f;
    if (format.empty()) return f;
    const std::vector<FormatSection> sections = lexSections(format);
    f.kind = detectKind(sections);
    switch (f.kind) {
        case Kind::Date:
            f.date = compileSections<DateSection>(sections, compileDateSection);
            break;
        case Kind::Text:
            f.text = compileSections<TextSection>(sections, compileTextSection);
            break;
        default:
            f.number = compileSections<NumberSection>(sections, compileNumberSection);
            break;
    }
    return f;
}

CompiledFormat compileFormat(std::string_view format) {
    if (auto named = namedFormat(format)) return std::move(*named);
    return compileCustomFormat(format);
}

const CompiledFormat& cachedFormat(std::string_view format) {
    thread_local CompileCache<CompiledFormat, kCachedFormats> cache;
    return cache.get(format, compileFormat);
}

}  // namespace tav

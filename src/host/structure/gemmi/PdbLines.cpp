#include "host/structure/gemmi/PdbLines.h"

namespace tav::structure {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The first four characters, upper-cased; what is missing reads as blank.
bool startsWith(std::string_view line, std::string_view name) {
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = i < line.size() ? upper(line[i]) : ' ';
        if (c != name[i]) return false;
    }
    return true;
}

// "TER" and "END" stand alone: a blank or the line's end follows them.
bool isWord3(std::string_view line, std::string_view name) {
    return startsWith(line, name) &&
           (line.size() == 3 || line[3] == ' ' || line[3] == '\t' || line[3] == '\0');
}

}  // namespace

PdbRecord PdbLine::record() const {
    if (startsWith(text, "ATOM") || startsWith(text, "HETA")) return PdbRecord::Atom;
    if (startsWith(text, "MODE")) return PdbRecord::Model;
    if (startsWith(text, "ENDM")) return PdbRecord::EndModel;
    if (isWord3(text, "TER")) return PdbRecord::Ter;
    if (isWord3(text, "END")) return PdbRecord::End;
    return PdbRecord::Other;
}

bool PdbLines::next(PdbLine& line) {
    if (pos_ >= text_.size()) return false;
    const size_t eol = text_.find('\n', pos_);
    const size_t end = eol == std::string_view::npos ? text_.size() : eol;
    size_t content = end;
    if (content > pos_ && text_[content - 1] == '\r') --content;
    line.begin = pos_;
    line.text = text_.substr(pos_, content - pos_);
    line.number = ++number_;
    pos_ = eol == std::string_view::npos ? text_.size() : eol + 1;
    return true;
}

}  // namespace tav::structure

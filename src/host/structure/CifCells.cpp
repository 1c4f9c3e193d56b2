#include "host/structure/CifCells.h"

namespace tav::structure {

namespace {

constexpr std::string_view kCategory = "_atom_site.";
constexpr std::string_view kData = "data_";
constexpr std::string_view kLoop = "loop_";
constexpr std::string_view kSave = "save_";
constexpr std::string_view kGlobal = "global_";
constexpr std::string_view kStop = "stop_";

// gemmi's white space; a vertical tab or form feed is a character of a quoted value.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (lower(s[i]) != prefix[i]) return false;
    return true;
}

enum class Kind : uint8_t { End, Tag, Value, Data, Loop, Save, Global, Stop };

struct Token {
    Kind kind = Kind::End;
    size_t begin = 0, end = 0;
};

class Tokenizer {
  public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    Token next() {
        skipBlanks();
        Token t;
        t.begin = pos_;
        if (pos_ >= text_.size()) return t;
        const char c = text_[pos_];
        if (c == ';' && atLineStart()) {
            textField();
            t.kind = Kind::Value;
        } else if (c == '\'' || c == '"') {
            quoted(c);
            t.kind = Kind::Value;
        } else {
            while (pos_ < text_.size() && !isBlank(text_[pos_])) ++pos_;
            t.kind = classify(text_.substr(t.begin, pos_ - t.begin));
        }
        t.end = pos_;
        return t;
    }

  private:
    void skipBlanks() {
        while (pos_ < text_.size()) {
            if (isBlank(text_[pos_])) {
                ++pos_;
            } else if (text_[pos_] == '#') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else {
                return;
            }
        }
    }

    bool atLineStart() const { return pos_ == 0 || text_[pos_ - 1] == '\n'; }

    // Up to the next line that starts with ';', which it includes.
    void textField() {
        ++pos_;
        for (;;) {
            const size_t nl = text_.find('\n', pos_);
            if (nl == std::string_view::npos) {
                pos_ = text_.size();
                return;
            }
            pos_ = nl + 1;
            if (pos_ < text_.size() && text_[pos_] == ';') {
                ++pos_;
                return;
            }
        }
    }

    // Up to a closing quote that a blank, a '#' or the end follows.
    void quoted(char q) {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            if (text_[pos_] == q &&
                (pos_ + 1 == text_.size() || isBlank(text_[pos_ + 1]) || text_[pos_ + 1] == '#')) {
                ++pos_;
                return;
            }
            ++pos_;
        }
    }

    static Kind classify(std::string_view word) {
        if (word.front() == '_') return Kind::Tag;
        if (startsWithNoCase(word, kData)) return Kind::Data;
        if (startsWithNoCase(word, kLoop)) return Kind::Loop;
        if (startsWithNoCase(word, kSave)) return Kind::Save;
        if (startsWithNoCase(word, kGlobal)) return Kind::Global;
        if (startsWithNoCase(word, kStop)) return Kind::Stop;
        return Kind::Value;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

std::string lowerCase(std::string_view s) {
    std::string out(s.size(), '\0');
    for (size_t i = 0; i < s.size(); ++i) out[i] = lower(s[i]);
    return out;
}

}  // namespace

void CifCells::walk(std::string_view text, Visitor& visitor) {
    Tokenizer tokens(text);
    Token t = tokens.next();
    // The first data block.
    while (t.kind != Kind::End && t.kind != Kind::Data) t = tokens.next();
    if (t.kind == Kind::End) return;
    t = tokens.next();
    while (t.kind != Kind::End && t.kind != Kind::Data && t.kind != Kind::Global) {
        const std::string_view word = text.substr(t.begin, t.end - t.begin);
        if (t.kind == Kind::Loop) {
            std::vector<std::string> tags;
            bool mine = false;
            t = tokens.next();
            while (t.kind == Kind::Tag) {
                const std::string_view tag = text.substr(t.begin, t.end - t.begin);
                mine = mine || startsWithNoCase(tag, kCategory);
                tags.push_back(lowerCase(tag));
                t = tokens.next();
            }
            if (mine) visitor.loop(tags);
            uint64_t n = 0;
            while (t.kind == Kind::Value) {
                if (mine && !tags.empty())
                    visitor.cell(n / tags.size(), n % tags.size(), t.begin, t.end);
                ++n;
                t = tokens.next();
            }
            if (t.kind == Kind::Stop) t = tokens.next();
            continue;
        }
        if (t.kind == Kind::Tag) {
            t = tokens.next();
            if (t.kind != Kind::Value) continue;  // an item without a value
            if (startsWithNoCase(word, kCategory)) visitor.item(lowerCase(word), t.begin, t.end);
            t = tokens.next();
            continue;
        }
        // A save frame (save_NAME ... save_) is not the block's own content.
        if (t.kind == Kind::Save && word.size() > kSave.size()) {
            do t = tokens.next();
            while (t.kind != Kind::End &&
                   !(t.kind == Kind::Save && t.end - t.begin == kSave.size()));
        }
        t = tokens.next();
    }
}

}  // namespace tav::structure

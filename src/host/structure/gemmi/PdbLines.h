#pragma once
// Plain C++17 (see AtomSite.h).
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tav::structure {

// What a line of a PDB file is, by its record name (the first letters, in any case, as gemmi
// tells them apart).
enum class PdbRecord : uint8_t { Atom, Model, EndModel, Ter, End, Other };

// One line of a PDB text: where it starts and its characters without the line end.
struct PdbLine {
    size_t begin = 0;
    std::string_view text;
    uint64_t number = 0;  // 1-based

    PdbRecord record() const;
};

// The lines of a PDB text in order. The reader and the writer that patches a file walk the
// same lines with the same rules, so the n-th atom record is the same line for both.
class PdbLines {
  public:
    explicit PdbLines(std::string_view text) : text_(text) {}
    // The next line; false at the end of the text.
    bool next(PdbLine& line);

  private:
    std::string_view text_;
    size_t pos_ = 0;
    uint64_t number_ = 0;
};

}  // namespace tav::structure

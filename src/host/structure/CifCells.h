#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tav::structure {

// Finds the values of the _atom_site category in the first data block of a CIF text, with
// where each stands, tokenizing as gemmi's parser does: blanks (space, tab, CR, LF) and
// # comments between tokens, 'quoted' and "quoted" values that end at a quote followed by a
// blank, a # or the end, ;text fields; from a line starting with ;. Writing a file back by
// patching cells needs their places, which a parsed document no longer knows.
class CifCells {
  public:
    // What a walk meets.
    class Visitor {
      public:
        virtual ~Visitor() = default;
        // A loop with a tag of the category starts: all its tags, in lower case (a loop may
        // hold tags of other categories, which the loop's values are for as well).
        virtual void loop(const std::vector<std::string>& tags) = 0;
        // A value of the loop: its row and tag, and where it stands in the text.
        virtual void cell(uint64_t row, size_t tag, size_t begin, size_t end) = 0;
        // A tag of the category (in lower case) given as a single item with its value.
        virtual void item(const std::string& tag, size_t begin, size_t end) = 0;
    };

    static void walk(std::string_view text, Visitor& visitor);
};

}  // namespace tav::structure

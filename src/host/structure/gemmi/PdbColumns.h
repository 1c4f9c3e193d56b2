#pragma once
// Plain C++17 (see AtomSite.h).
#include <cstddef>
#include <string_view>

// What the columns of a PDB atom record say beyond its plain fields, read alike by the reader and
// by saving, which must not write a record that reads otherwise than the model holds it: whether
// columns 73-80 are the legacy layout's identifier and line number, and the element (columns
// 77-78, or inferred from the name in columns 13-16 as gemmi infers it). `record` is an atom
// record padded with blanks to its 80 columns.
namespace tav::structure::PdbColumns {

inline constexpr size_t Width = 80;
inline constexpr size_t LegacyWidth = 72;  // what the legacy layout reads

// A field's text without the blanks and tabs around it, as every field is read.
std::string_view trimmed(const char* field, size_t width);

// Columns 77-80 hold digits and blanks with a digit among them, under an identifier in 73-76.
bool legacy(const char* record);
// Columns 77-78 hold a letter, so they give the element.
bool elementGiven(const char* record);
// The element as read: columns 77-78 trimmed, or (in the legacy layout, or when they hold no
// letter) the one the name implies, in upper case.
std::string_view element(const char* record, bool legacyLayout);

}  // namespace tav::structure::PdbColumns

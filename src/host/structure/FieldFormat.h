#pragma once
#include <string>
#include <string_view>

#include "automation/values/Variant.h"
#include "host/structure/StructureFields.h"

// An edited value as each format writes it. A value that the format's layout can't hold throws
// StructureFileError with a message that names the field and the value (not the atom).
namespace tav::structure::FieldFormat {

// Exactly the field's columns of a PDB atom record: numbers right-justified with the format's
// decimals (%8.3f coordinates, %6.2f occupancy and B-factor), serials and residue numbers in
// hybrid-36 beyond their columns' decimal range, charges as 2+ or 1-, element symbols
// right-justified, and atom names starting in column 14 unless four characters long or their
// element has two letters (as gemmi writes them). `element` is the atom's element, for its name.
// Texts are read trimmed, so one with blanks at its ends is refused, as is an element without a
// letter (blank columns read as the element the name implies).
std::string pdb(const StructureField& field, const Variant& value, std::string_view element);

// An mmCIF value: a number with as many decimals as `original` (the cell as the file had it)
// when they show it exactly, else the fewest digits that read back the same; text quoted where
// the grammar needs it (blanks, characters beyond printable ASCII), "." or "?" for no text.
std::string cif(const StructureField& field, const Variant& value, std::string_view original);

// A residue number with its insertion code after it (15A), as old mmCIF files write auth_seq_id.
std::string cifNumberWithInsCode(const StructureField& seq, const Variant& number,
                                 const StructureField& insCode, const Variant& code);

}  // namespace tav::structure::FieldFormat

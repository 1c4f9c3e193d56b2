#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/structure/StructureText.h"

namespace tav::structure {

// Which objects a field belongs to.
enum class Level : uint8_t { Chain, Residue, Atom };
// How the model keeps it: text, a Long, a Double.
enum class FieldType : uint8_t { Text, Long, Double };

enum class FieldId : uint8_t {
    AtomName,
    Element,
    AltLoc,
    Serial,
    Charge,
    BFactor,
    Occupancy,
    X,
    Y,
    Z,
    ResidueName,
    SeqNum,
    InsCode,
    ChainName
};

// One field of a structure file as the model holds it: the class and property, the schema's
// data type code, and where the field stands in a PDB atom record (columns counted from 0) and
// among mmCIF's _atom_site tags (where two tags hold it, both are written).
struct StructureField {
    FieldId id;
    Level level;
    std::string_view property;
    FieldType type;
    int32_t typeCode;
    size_t pdbColumn, pdbWidth;
    std::array<std::string_view, 2> cifTags;
    std::string_view cifFallback;  // written when the file has none of cifTags
    std::string_view what;         // for messages
};

// The schema's data type codes of the fields.
inline constexpr int32_t kTextType = 2;
inline constexpr int32_t kLongType = 0;
inline constexpr int32_t kDoubleType = 3;

inline constexpr std::array<StructureField, 14> kStructureFields = {{
    {FieldId::AtomName,
     Level::Atom,
     "Name",
     FieldType::Text,
     kTextType,
     12,
     4,
     {"auth_atom_id", "label_atom_id"},
     {},
     "name"},
    {FieldId::Element,
     Level::Atom,
     "Element",
     FieldType::Text,
     kTextType,
     76,
     2,
     {"type_symbol", {}},
     {},
     "element"},
    {FieldId::AltLoc,
     Level::Atom,
     "AltLoc",
     FieldType::Text,
     kTextType,
     16,
     1,
     {"label_alt_id", {}},
     {},
     "altloc"},
    {FieldId::Serial,
     Level::Atom,
     "Serial",
     FieldType::Long,
     kLongType,
     6,
     5,
     {"id", {}},
     {},
     "serial"},
    {FieldId::Charge,
     Level::Atom,
     "Charge",
     FieldType::Long,
     kLongType,
     78,
     2,
     {"pdbx_formal_charge", {}},
     {},
     "charge"},
    {FieldId::BFactor,
     Level::Atom,
     "BFactor",
     FieldType::Double,
     kDoubleType,
     60,
     6,
     {"b_iso_or_equiv", {}},
     {},
     "B-factor"},
    {FieldId::Occupancy,
     Level::Atom,
     "Occupancy",
     FieldType::Double,
     kDoubleType,
     54,
     6,
     {"occupancy", {}},
     {},
     "occupancy"},
    {FieldId::X,
     Level::Atom,
     "X",
     FieldType::Double,
     kDoubleType,
     30,
     8,
     {"cartn_x", {}},
     {},
     "x coordinate"},
    {FieldId::Y,
     Level::Atom,
     "Y",
     FieldType::Double,
     kDoubleType,
     38,
     8,
     {"cartn_y", {}},
     {},
     "y coordinate"},
    {FieldId::Z,
     Level::Atom,
     "Z",
     FieldType::Double,
     kDoubleType,
     46,
     8,
     {"cartn_z", {}},
     {},
     "z coordinate"},
    {FieldId::ResidueName,
     Level::Residue,
     "Name",
     FieldType::Text,
     kTextType,
     17,
     3,
     {"auth_comp_id", "label_comp_id"},
     {},
     "residue name"},
    {FieldId::SeqNum,
     Level::Residue,
     "SeqNum",
     FieldType::Long,
     kLongType,
     22,
     4,
     {"auth_seq_id", {}},
     {},
     "residue number"},
    {FieldId::InsCode,
     Level::Residue,
     "InsCode",
     FieldType::Text,
     kTextType,
     26,
     1,
     {"pdbx_pdb_ins_code", {}},
     {},
     "insertion code"},
    {FieldId::ChainName,
     Level::Chain,
     "Name",
     FieldType::Text,
     kTextType,
     20,
     2,
     {"auth_asym_id", {}},
     "label_asym_id",
     "chain name"},
}};

inline constexpr std::array<std::string_view, 3> kLevelClasses = {
    StructureText::Chain, StructureText::Residue, StructureText::Atom};

inline constexpr std::string_view classOf(Level level) {
    return kLevelClasses[static_cast<size_t>(level)];
}

}  // namespace tav::structure

#include "host/structure/StructureDocument.h"

#include <filesystem>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"
#include "host/model/Model.h"
#include "host/model/Schema.h"
#include "host/model/Scope.h"
#include "host/structure/AtomSelector.h"
#include "host/structure/EditedFields.h"
#include "host/structure/ModelAtomSite.h"
#include "host/structure/SafeFileWriter.h"
#include "host/structure/StructurePatch.h"
#include "host/structure/gemmi/SelectionCriteria.h"
#include "host/structure/gemmi/StructureReaders.h"
#include "host/structure/gemmi/StructureWriter.h"

namespace tav::structure {

namespace {

namespace T = StructureText;
using hostmodel::Model;
using hostmodel::ModelClass;

[[noreturn]] void fail(const std::string& message) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::Source), message);
}

[[noreturn]] void failFile(const std::string& path, std::string_view message) {
    fail(path + std::string(T::PathSeparator) + std::string(message));
}

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    for (size_t i = 0; i < suffix.size(); ++i) {
        const char c = s[s.size() - suffix.size() + i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != suffix[i])
            return false;
    }
    return true;
}

// The format a file name asks for, if it names one (before a .gz).
std::optional<StructureFormat> formatOfName(std::string_view path) {
    if (endsWithNoCase(path, T::GzipSuffix)) path.remove_suffix(T::GzipSuffix.size());
    for (std::string_view s : T::PdbSuffixes)
        if (endsWithNoCase(path, s)) return StructureFormat::Pdb;
    for (std::string_view s : T::MmcifSuffixes)
        if (endsWithNoCase(path, s)) return StructureFormat::Mmcif;
    return std::nullopt;
}

std::string_view formatName(StructureFormat f) {
    return f == StructureFormat::Pdb ? T::FormatPdb : T::FormatMmcif;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a, b, ec);
    return !ec && same;
}

// The properties of the three classes, declared for the accessors unless a declaration of
// that name is there already (a form's range or warning stays).
void declareProperties() {
    for (const StructureField& f : kStructureFields) {
        if (hostmodel::Schema::find(f.property)) continue;
        hostmodel::PropertyDeclaration d;
        d.name = f.property;
        d.typeCode = f.typeCode;
        hostmodel::Schema::define(std::move(d));
    }
}

// Moves the file's columns into the model; nothing here fails but for memory.
StructureLayout fill(Model& model, AtomSite& site) {
    StructureLayout l;
    for (Level level : {Level::Chain, Level::Residue, Level::Atom})
        l.classes[static_cast<int>(level)] = model.classIdOf(classOf(level));
    l.counts[static_cast<int>(Level::Chain)] = static_cast<uint32_t>(site.chainCount());
    l.counts[static_cast<int>(Level::Residue)] = static_cast<uint32_t>(site.residueCount());
    l.counts[static_cast<int>(Level::Atom)] = static_cast<uint32_t>(site.atomCount());
    ModelClass& chains = model.classAt(l.classOf(Level::Chain));
    ModelClass& residues = model.classAt(l.classOf(Level::Residue));
    ModelClass& atoms = model.classAt(l.classOf(Level::Atom));
    chains.addNamed(site.chainNames.codes, site.chainNames.texts);
    residues.addNamed(site.residueNames.codes, site.residueNames.texts);
    atoms.addNamed(site.atomNames.codes, site.atomNames.texts);
    auto texts = [](ModelClass& cls, std::string_view property, TextColumn& t) {
        cls.column(property).adoptTexts(std::move(t.codes), t.texts);
        t = {};
    };
    for (const StructureField& f : kStructureFields) {
        ModelClass& cls = model.classAt(l.classOf(f.level));
        switch (f.id) {
            case FieldId::AtomName:
                texts(cls, f.property, site.atomNames);
                break;
            case FieldId::Element:
                texts(cls, f.property, site.elements);
                break;
            case FieldId::AltLoc:
                texts(cls, f.property, site.altLocs);
                break;
            case FieldId::ResidueName:
                texts(cls, f.property, site.residueNames);
                break;
            case FieldId::InsCode:
                texts(cls, f.property, site.insCodes);
                break;
            case FieldId::ChainName:
                texts(cls, f.property, site.chainNames);
                break;
            case FieldId::Serial:
                cls.column(f.property).adopt(std::move(site.serials));
                break;
            case FieldId::Charge:
                cls.column(f.property).adopt(std::move(site.charges));
                break;
            case FieldId::SeqNum:
                cls.column(f.property).adopt(std::move(site.seqNums));
                break;
            case FieldId::BFactor:
                cls.column(f.property).adopt(std::move(site.bFactors));
                break;
            case FieldId::Occupancy:
                cls.column(f.property).adopt(std::move(site.occupancies));
                break;
            case FieldId::X:
                cls.column(f.property).adopt(std::move(site.xs));
                break;
            case FieldId::Y:
                cls.column(f.property).adopt(std::move(site.ys));
                break;
            case FieldId::Z:
                cls.column(f.property).adopt(std::move(site.zs));
                break;
        }
    }
    residues.setOwners(l.classOf(Level::Chain), std::move(site.residueChains));
    atoms.setOwners(l.classOf(Level::Residue), std::move(site.atomResidues));
    site.residueChains = {};
    site.atomResidues = {};
    for (ModelClass* cls : {&chains, &residues, &atoms}) cls->keepOriginals(true);
    return l;
}

}  // namespace

std::unique_ptr<StructureDocument> StructureDocument::load(Model& model, const std::string& path) {
    for (Level level : {Level::Chain, Level::Residue, Level::Atom}) {
        const auto cls = model.findClass(classOf(level));
        if (cls && model.classAt(*cls).size() > 0) failFile(path, T::HoldsAtoms);
    }
    std::unique_ptr<StructureDocument> doc(new StructureDocument());
    try {
        StructureBytes bytes = StructureBytes::read(path);
        doc->file_ = readers::detectFormat(bytes.text) == StructureFormat::Pdb
                         ? readers::readPdb(bytes.text)
                         : readers::readMmcif(bytes.text, path);
        doc->gzipped_ = bytes.gzipped;
        doc->stamp_ = bytes.stamp;
        doc->hash_ = bytes.hash;
    } catch (const StructureFileError& e) {
        failFile(path, e.message());
    }
    doc->path_ = path;
    doc->layout_ = fill(model, doc->file_);
    declareProperties();
    return doc;
}

Ref<hostmodel::Scope> StructureDocument::select(Model& model, const std::string& selection) const {
    std::vector<uint32_t> rows;
    try {
        const SelectionCriteria criteria(selection);
        rows = AtomSelector::select({model, layout_, file_.modelName, file_.entityKinds}, criteria);
    } catch (const StructureFileError& e) {
        fail(e.message());
    }
    Ref<hostmodel::Scope> scope = makeRef<hostmodel::Scope>();
    scope->addRows(Ref<Model>(&model), layout_.classOf(Level::Atom),
                   std::make_shared<std::vector<uint32_t>>(std::move(rows)));
    return scope;
}

int32_t StructureDocument::changedAtoms(const Model& model) const {
    return EditedFields(model, layout_).changedAtoms();
}

std::string StructureDocument::patched(const Model& model) const {
    // The original text, which must be the one read.
    StructureBytes bytes;
    const auto stamp = FileStamp::of(path_);
    try {
        if (!stamp || *stamp != stamp_) throw StructureFileError(std::string(T::ChangedOnDisk));
        bytes = StructureBytes::read(path_);
        if (bytes.hash != hash_ || bytes.stamp != stamp_)
            throw StructureFileError(std::string(T::ChangedOnDisk));
    } catch (const StructureFileError& e) {
        failFile(path_, e.message());
    }
    const EditedFields edits(model, layout_);
    const StructurePatch::Source source{bytes.text, file_};
    return file_.format == StructureFormat::Pdb ? StructurePatch::pdb(source, edits)
                                                : StructurePatch::cif(source, edits);
}

std::string StructureDocument::inOtherFormat(const Model& model, StructureFormat format) const {
    const AtomSite site = modelAtomSite(model, layout_, file_);
    if (format == StructureFormat::Pdb)
        for (const std::string& chain : site.chainNames.texts)
            if (chain.size() > 2) throw StructureFileError(std::string(T::ChainTooLong) + chain);
    const std::string name = std::filesystem::path(path_).stem().string();
    return writers::writeFile(site, format, name);
}

std::string StructureDocument::notes(const Model& model, bool otherFormat) const {
    std::string out;
    if (otherFormat) {
        const StructureFormat written =
            file_.format == StructureFormat::Pdb ? StructureFormat::Mmcif : StructureFormat::Pdb;
        out = std::string(T::WrittenAs) + std::string(formatName(written)) + std::string(T::Kept);
        std::string lost;
        for (const std::string& what : file_.otherContent)
            lost += (lost.empty() ? "" : std::string(T::ListSeparator)) + what;
        if (file_.otherModels)
            lost +=
                (lost.empty() ? "" : std::string(T::ListSeparator)) + std::string(T::OtherModels);
        if (!lost.empty()) out += std::string(T::NotKept) + lost;
    }
    const uint32_t atoms = model.classAt(layout_.classOf(Level::Atom)).size();
    if (atoms > layout_.atoms()) {
        if (!out.empty()) out += T::NoteSeparator;
        out += std::to_string(atoms - layout_.atoms()) + std::string(T::AddedAtoms);
    }
    return out;
}

std::string StructureDocument::save(Model& model, const std::string& path) {
    const StructureFormat format = formatOfName(path).value_or(file_.format);
    const bool gzip = endsWithNoCase(path, T::GzipSuffix);
    const bool otherFormat = format != file_.format;
    const bool intoOriginal = !otherFormat && sameFile(path, path_);
    std::string text;
    FileStamp stamp;
    try {
        text = otherFormat ? inOtherFormat(model, format) : patched(model);
        stamp = writeFileAtomically(path, text, gzip);
    } catch (const StructureFileError& e) {
        failFile(path, e.message());
    }
    if (intoOriginal) {
        stamp_ = stamp;
        hash_ = StructureBytes::hashOf(text);
        gzipped_ = gzip;
        for (Level level : {Level::Chain, Level::Residue, Level::Atom})
            model.classAt(layout_.classOf(level)).forgetOriginals();
    }
    return notes(model, otherFormat);
}

size_t StructureDocument::bytes() const {
    size_t tags = 0;
    for (const std::string& t : file_.cifLoopTags) tags += sizeof(std::string) + t.capacity();
    return sizeof(StructureDocument) + path_.capacity() + file_.entityKinds.capacity() +
           file_.hetFlags.capacity() + file_.records.capacity() * sizeof(RecordRange) + tags +
           file_.insCodeInSeqRows.capacity() * sizeof(uint64_t);
}

}  // namespace tav::structure

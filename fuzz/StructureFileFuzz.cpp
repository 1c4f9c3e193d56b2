// Structure files (PDB or mmCIF, the format from the content), read into a model as
// Host.Model.LoadStructure reads them: what can't be read is error 5 from "Model" and leaves
// the model empty; what is read selects every atom, and saved with one atom edited, reads back
// with as many atoms and the edit in place (or the save is refused as the layout can't hold it).
#include <fstream>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "host/model/Model.h"
#include "host/model/Scope.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    static const std::filesystem::path scratch = fuzz::makeScratchFolder("tav-structure-fuzz");
    const std::string in = (scratch / "in").string(), out = (scratch / "out").string();
    std::ofstream(in, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const auto model = makeRef<hostmodel::Model>();
    int32_t atoms = 0;
    try {
        atoms = model->LoadStructure(in);
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == 5 && e.source() == "Model" && model->Count() == 0);
        return 0;
    }
    fuzz::check(atoms > 0 && model->Select("*")->count() == atoms);
    auto& atomClass = model->classAt(*model->findClass("Atom"));
    atomClass.column("BFactor").set(0, Variant::R8(12.5));
    try {
        model->SaveStructure(out);
    } catch (const AutomationError& e) {
        fuzz::check(e.number() == 5);
        return 0;
    }
    const auto again = makeRef<hostmodel::Model>();
    fuzz::check(again->LoadStructure(out) == atoms);
    const Variant b = again->classAt(*again->findClass("Atom")).findColumn("BFactor")->get(0);
    fuzz::check(b.type() == VarType::R8 && b.r8() == 12.5);
    return 0;
}

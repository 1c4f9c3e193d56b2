// Form files, read, loaded and run step by step as `tavparts run` does: a form that cannot be
// read or loaded is refused with its file and line, and its edits apply or fail in the form.
// A form may save a structure file, so each one runs in a scratch folder.
#include <sstream>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "host/forms/FormRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    static const fuzz::ScratchFolder folder("tav-form-fuzz");
    const std::filesystem::path& scratch = folder.path();
    fuzz::InFolder inScratch(scratch);
    FormFile file;
    try {
        file = FormFile::parse(fuzz::text(data, size), "fuzz.form");
    } catch (const FormSyntaxError&) {
        return 0;
    }
    std::ostringstream out;
    FormRunner runner(out);
    try {
        runner.load(file);
        runner.start();
        for (const FormFile::Line& edit : file.edits) runner.apply(edit);
    } catch (const FormLoadError&) {
    }
    return 0;
}

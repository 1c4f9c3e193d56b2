// Script lines, read and run by the script runner as `tavparts script` runs them: a script that
// cannot be read is refused, and every command of one that can prints its one line (a value,
// "ok" or an error line) without escaping the runner. A script may write files and change the
// current directory, so each one runs in a scratch folder and the directory is restored after it.
#include <sanitizer/lsan_interface.h>

#include <sstream>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "host/script/ScriptRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    static const fuzz::ScratchFolder folder("tav-script-fuzz");
    const std::filesystem::path& scratch = folder.path();
    fuzz::InFolder inScratch(scratch);
    // A script can tie objects into a cycle (a state whose property holds the state), which
    // reference counting never frees, as with the objects they stand for. That is the script's
    // doing, so what a script allocates is not checked for leaks here; the library's own leaks
    // show in the other targets and in the sanitizer build's script tests.
    __lsan::ScopedDisabler scriptCyclesAreTheScripts;
    std::ostringstream out, err;
    const int status = ScriptRunner::runText(fuzz::text(data, size), out, err, true);
    fuzz::check(status == ScriptRunner::ExitPassed || status == ScriptRunner::ExitFailed ||
                status == ScriptRunner::ExitUnreadable);
    return 0;
}

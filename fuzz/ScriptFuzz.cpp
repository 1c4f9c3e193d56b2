// Script lines, read and run by the script runner as `tavparts script` runs them: a script that
// cannot be read is refused, and every command of one that can prints its one line (a value,
// "ok" or an error line) without escaping the runner. A script may write files and change the
// current directory, so each one runs in a scratch folder and the directory is restored after it.
#include <sstream>

#include "FuzzInput.h"
#include "ScratchFolder.h"
#include "host/script/ScriptRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tav;
    static const std::filesystem::path scratch = fuzz::makeScratchFolder("tav-script-fuzz");
    fuzz::InFolder inScratch(scratch);
    std::ostringstream out, err;
    const int status = ScriptRunner::runText(fuzz::text(data, size), out, err, true);
    fuzz::check(status == ScriptRunner::ExitPassed || status == ScriptRunner::ExitFailed ||
                status == ScriptRunner::ExitUnreadable);
    return 0;
}

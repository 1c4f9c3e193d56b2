#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// tavparts gui: a form file in a window of real widgets, or rendered off screen into a PNG.
namespace tav::guirunner {

// `gui FORM [EDIT]...` opens the window and returns when it is closed; the EDITs replace the
// file's edit steps for Replay. `gui --screenshot OUT.png FORM [EDIT]...` applies the EDITs to
// the form and writes the window's picture without needing a display (Qt's offscreen platform,
// unless QT_QPA_PLATFORM names another). Exit status as tavparts run: 2 for a command or file
// that cannot be read, 1 for a form that cannot be built or a picture that cannot be written.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `run FORM [EDIT]...` as tavparts run does it (FormRunner::runFile), the widgets of a Designer
// form that the file names standing for its controls, off screen.
int runForm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tav::guirunner

// tavparts gui: a form file in a window of Qt widgets, or its picture rendered off screen.
#include <iostream>

#include "Commands.h"
#ifdef TAV_HAVE_QT
#include "qt/GuiRunner.h"
#endif

namespace tav::cli {

int runGui(const std::vector<std::string>& args, std::istream&, std::ostream& out,
           std::ostream& err) {
#ifdef TAV_HAVE_QT
    return guirunner::run(args, out, err);
#else
    (void)args;
    (void)out;
    err << "tavparts gui: built without Qt 6 Widgets (install qt6-base-dev and configure again)\n";
    return ExitFailure;
#endif
}

}  // namespace tav::cli

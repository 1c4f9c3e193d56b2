#include "qt/GuiRunner.h"

#include <QApplication>
#include <QImage>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

#include "host/forms/FormFile.h"
#include "host/forms/FormRunner.h"
#include "qt/DesignerForm.h"
#include "qt/FormWindow.h"
#include "qt/WidgetBinder.h"

namespace tav::guirunner {

namespace {

constexpr std::string_view kScreenshot = "--screenshot";
constexpr std::string_view kErrPrefix = "tavparts gui: ";
constexpr std::string_view kUsage =
    "usage: tavparts gui [--screenshot OUT.png] FORM [CONTROL=VALUE | OBJECT.PROPERTY=VALUE]...\n";
constexpr std::string_view kCannotWrite = "cannot write ";
constexpr std::string_view kStepSeparator = ": ";
constexpr char kPlatformVariable[] = "QT_QPA_PLATFORM";
constexpr char kOffscreen[] = "offscreen";
constexpr char kX11Display[] = "DISPLAY";
constexpr char kWaylandDisplay[] = "WAYLAND_DISPLAY";
constexpr std::string_view kNoDisplay =
    "no display to open a window on (DISPLAY is not set); --screenshot needs none";
constexpr char kPngFormat[] = "PNG";

// The arguments of the application object, which keeps them for its lifetime.
int gArgc = 1;
char gName[] = "tavparts";
char* gArgv[] = {gName, nullptr};

// The application object, made here unless the caller (a test) has made one.
std::optional<QApplication>& application(std::optional<QApplication>& app) {
    if (!QApplication::instance()) app.emplace(gArgc, gArgv);
    return app;
}

}  // namespace

int runForm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Declared in the order they must be made; they go in the reverse order, the binder first.
    std::optional<QApplication> app;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<DesignerForm> designer;
    std::unique_ptr<WidgetBinder> binder;
    const FormRunner::Preparation prepare = [&](FormRunner& runner) {
        runner.setDesignerLoader([&](const std::string& ui) {
            // Nothing is shown: the widgets need no display.
            if (qEnvironmentVariableIsEmpty(kPlatformVariable) && !QApplication::instance())
                qputenv(kPlatformVariable, kOffscreen);
            application(app);
            window = std::make_unique<QWidget>();
            designer = std::make_unique<DesignerForm>(ui, *window);
            binder = std::make_unique<WidgetBinder>(Ref<Form>(&runner.form()), window.get());
        });
        runner.setControlMaker([&](const FormFile::Line& line) {
            return designer ? Ref<Object>(objectOf(&binder->control(&designer->widgetFor(line)))) : Ref<Object>();
        });
    };
    return FormRunner::runFile(args.front(), {args.begin() + 1, args.end()}, out, err, prepare);
}

int run(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    size_t next = 0;
    std::string picture;
    if (next < args.size() && args[next] == kScreenshot) {
        if (args.size() < next + 2) {
            err << kUsage;
            return FormRunner::ExitUnreadable;
        }
        picture = args[next + 1];
        next += 2;
    }
    if (next >= args.size() || args[next].starts_with("--")) {
        err << kUsage;
        return FormRunner::ExitUnreadable;
    }
    const std::string path = args[next];
    const size_t firstEdit = next + 1;
    FormFile file;
    std::vector<FormFile::Line> edits;
    try {
        file = FormFile::read(path);
        for (size_t i = firstEdit; i < args.size(); ++i)
            edits.push_back(FormFile::parseEdit(args[i]));
    } catch (const FormSyntaxError& e) {
        err << kErrPrefix << e.what() << '\n';
        return FormRunner::ExitUnreadable;
    }

    // A picture needs no display; a window does, and Qt would abort without one.
    if (qEnvironmentVariableIsEmpty(kPlatformVariable) && !QApplication::instance()) {
        if (!picture.empty()) {
            qputenv(kPlatformVariable, kOffscreen);
        } else if (qEnvironmentVariableIsEmpty(kX11Display) &&
                   qEnvironmentVariableIsEmpty(kWaylandDisplay)) {
            err << kErrPrefix << kNoDisplay << '\n';
            return FormRunner::ExitLoadFailed;
        }
    }
    // The caller (a test) may have made the application object already.
    std::optional<QApplication> app;
    application(app);
    std::unique_ptr<FormWindow> window;
    try {
        window = std::make_unique<FormWindow>(file, edits.empty() ? file.edits : edits);
        if (picture.empty()) {
            window->show();
            return QApplication::exec();
        }
        for (size_t i = 0; i < edits.size(); ++i) {
            try {
                window->apply(edits[i]);
            } catch (const FormLoadError& e) {
                throw FormLoadError(args[firstEdit + i] + std::string(kStepSeparator) + e.what());
            }
        }
    } catch (const FormLoadError& e) {
        err << kErrPrefix << e.what() << '\n';
        return FormRunner::ExitLoadFailed;
    }
    if (!window->snapshot().save(QString::fromStdString(picture), kPngFormat)) {
        err << kErrPrefix << kCannotWrite << picture << '\n';
        return FormRunner::ExitLoadFailed;
    }
    return FormRunner::ExitOk;
}

}  // namespace tav::guirunner

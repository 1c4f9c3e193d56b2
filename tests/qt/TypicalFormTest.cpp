// The picture of the typical form, made as tavparts gui --screenshot makes it, and the widgets
// showing exactly what the host's stand-in controls show after the same cycles and steps.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QSet>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "automation/values/TypedLiteral.h"
#include "host/controls/Control.h"
#include "host/forms/FormText.h"
#include "qt/FormWindow.h"
#include "qt/GuiRunner.h"
#include "qt/QtText.h"

namespace tav {
namespace {

const std::string kTypical = std::string(TAV_EXAMPLES) + "/forms/typical.form";

TEST(TypicalForm, PictureShowsTheFormAsTheDisplayCycleLeftIt) {
    const std::string png = ::testing::TempDir() + "typical-form.png";
    std::ostringstream out, err;
    ASSERT_EQ(guirunner::run({"--screenshot", png, kTypical}, out, err), 0) << err.str();
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), QtText::MinimumFormWidth);
    EXPECT_GE(image.height(), image.width() / 2);
    QSet<QRgb> colours;  // text, frames and widgets, not one flat colour
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 32);

    // After the load and after each of the file's steps, every widget shows what the host's
    // stand-in control shows after the same cycles.
    std::ifstream in(kTypical);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const FormFile file = FormFile::parse(text, kTypical);
    FormWindow window(file);
    std::ostringstream log;
    FormRunner standIns(log);
    standIns.load(file);
    standIns.start();
    EXPECT_EQ(window.findChild<QLineEdit*>("lengthText")->text(), "2500");
    for (size_t step = 0; step <= file.edits.size(); ++step) {
        if (step) {
            window.apply(file.edits[step - 1]);
            standIns.apply(file.edits[step - 1]);
        }
        for (const FormFile::Line& line : file.setup) {
            if (line.keyword != FormText::Control) continue;
            const std::string& name = line.words[0];
            EXPECT_EQ(literal::print(window.control(name)->CurrentValue()),
                      literal::print(query<Control>(standIns.named(name).get())->CurrentValue()))
                << name << " after step " << step;
        }
    }
    EXPECT_EQ(window.findChild<QLineEdit*>("lengthText")->text(), "abc");  // the last step failed
    EXPECT_TRUE(window.control("lengthText")->marked());
}

// What the command refuses: its exit status and the start of its one line on standard error.
TEST(TypicalForm, GuiCommandRefusesBadArgumentsAndFailedSteps) {
    const std::string png = ::testing::TempDir() + "refused.png";
    const struct {
        std::vector<std::string> args;
        int status;
        std::string error;
    } cases[] = {
        {{}, FormRunner::ExitUnreadable, "usage: tavparts gui"},
        {{"--screenshot"}, FormRunner::ExitUnreadable, "usage: tavparts gui"},
        {{"--screenshot", png, "--screenshot"}, FormRunner::ExitUnreadable, "usage: tavparts gui"},
        {{"/no/such.form"}, FormRunner::ExitUnreadable, "tavparts gui: /no/such.form: cannot be read"},
        {{kTypical, "lengthText"}, FormRunner::ExitUnreadable, "tavparts gui: "},
        {{"--screenshot", png, kTypical, "noSuchControl=I4:1"}, FormRunner::ExitLoadFailed,
         "tavparts gui: noSuchControl=I4:1: "},
        {{"--screenshot", "/no/such/folder/x.png", kTypical}, FormRunner::ExitLoadFailed,
         "tavparts gui: cannot write /no/such/folder/x.png"},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(guirunner::run(c.args, out, err), c.status) << err.str();
        EXPECT_EQ(err.str().rfind(c.error, 0), 0u) << err.str();
    }
}

}  // namespace
}  // namespace tav

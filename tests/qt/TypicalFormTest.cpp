// The picture of the typical form, made as tavparts gui --screenshot makes it, and the widgets
// showing exactly what the host's stand-in controls show after the same display cycles.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QSet>
#include <fstream>
#include <iterator>
#include <sstream>

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

    std::ifstream in(kTypical);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const FormFile file = FormFile::parse(text, kTypical);
    FormWindow window(file);
    std::ostringstream log;
    FormRunner standIns(log);
    standIns.load(file);
    standIns.start();
    int controls = 0;
    for (const FormFile::Line& line : file.setup) {
        if (line.keyword != FormText::Control) continue;
        ++controls;
        const std::string& name = line.words[0];
        EXPECT_EQ(literal::print(window.control(name)->CurrentValue()),
                  literal::print(query<Control>(standIns.named(name).get())->CurrentValue()))
            << name;
    }
    EXPECT_EQ(controls, 5);
    EXPECT_EQ(window.findChild<QLineEdit*>("lengthText")->text(), "2500");
}

}  // namespace
}  // namespace tav

// Form files: what a form holds, the lines that cannot be read, and a run step by step.
#include "host/forms/FormFile.h"

#include <gtest/gtest.h>

#include <sstream>

#include "automation/values/TypedLiteral.h"
#include "host/forms/FormRunner.h"

namespace tav {
namespace {

constexpr std::string_view kForm = R"(# a small form
object sample Host.AutoObject
    class Sample
    enum Shade sh_Light=0 sh_Dark=5
    property Length R8 R8:2.5
    property Tint Shade

part src SCTAVParts.SrcPart_iDisp
    # the saved bag
    SharingName = Str:"Sample"
part scale SCTAVParts.GluPart_ScaleProp
    ScaleByCoef = R8:1000
control box TextBox Str:"Length in mm" Str:"Sample"
command Apply fail:7:Out of memory, really
source src sample
bind len src Length box scale
edit box Str:"3000"
change sample.Length R8:4
edit box Str:"x"
)";

TEST(FormFile, ReadsObjectsPartsBagsAndEdits) {
    const FormFile f = FormFile::parse(kForm, "small.form");
    ASSERT_EQ(f.setup.size(), 7u);
    EXPECT_EQ(f.setup[0].keyword, "object");
    ASSERT_EQ(f.setup[0].members.size(), 4u);
    EXPECT_EQ(f.setup[0].members[1].words, (std::vector<std::string>{"Shade", "sh_Light=0", "sh_Dark=5"}));
    EXPECT_EQ(literal::print(f.setup[0].members[2].values.at(0)), "R8:2.5");
    EXPECT_TRUE(f.setup[0].members[3].values.empty());
    ASSERT_EQ(f.setup[1].bag.size(), 1u);
    EXPECT_EQ(f.setup[1].bag[0].first, "SharingName");
    EXPECT_EQ(literal::print(f.setup[3].values.at(1)), "Str:\"Sample\"");
    EXPECT_EQ(f.setup[4].text, "fail:7:Out of memory, really");
    EXPECT_EQ(f.setup[6].words, (std::vector<std::string>{"len", "src", "Length", "box", "scale"}));
    ASSERT_EQ(f.edits.size(), 3u);
    EXPECT_EQ(f.edits[1].keyword, "change");
    EXPECT_EQ(f.edits[1].number, 18);

    const FormFile::Line cli = FormFile::parseEdit("box=Str:\"a=b\"");
    EXPECT_EQ(cli.keyword, "edit");
    EXPECT_EQ(literal::print(cli.values.at(0)), "Str:\"a=b\"");
    EXPECT_EQ(FormFile::parseEdit("sample.Length=R8:1").keyword, "change");
    EXPECT_THROW(FormFile::parseEdit("box"), FormSyntaxError);
    EXPECT_THROW(FormFile::parseEdit("box=abc"), FormSyntaxError);
}

TEST(FormFile, LinesThatCannotBeReadAreNamed) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object a Host.AutoObject\nwhatever x\n", "f.form:2: unknown line: whatever"},
        {"object a Host.AutoObject\n    property X\n", "f.form:2: expected: property NAME TYPE [VALUE]"},
        {"object a Host.AutoObject\n    enum E a=1 b\n", "f.form:2: expected ITEM=INTEGER: b"},
        {"    class X\n", "f.form:1: an indented line belongs under an object or a part"},
        {"property X I4\n", "f.form:1: property does not belong under the top level"},
        {"control c TextBox\n    class X\n", "f.form:2: an indented line belongs under an object or a part"},
        {"part p X.Y\n    A = I4:1\n\n    B I4:2\n", "f.form:4: expected '=' after the key 'B'"},
        {"part p X.Y\n    A = I4:1\n    A = I4:2\n", "f.form:3: key 'A' given twice (first on line 2)"},
        {"edit box nonsense\n", "f.form:1: malformed value nonsense: ..."},
        {"edit box R8:1e400\n", "f.form:1: malformed value R8:1e400: number out of range: R8:1e400"},
        {"part p X.Y\n    A = R8:-1e400\n", "f.form:2: expected a typed literal value: number out of range: R8:-1e400"},
        {"bind a b c\n", "f.form:1: expected: bind NAME PART PROPERTY CONTROL [GLUE...]"},
        {"command Go\n", "f.form:1: expected: command NAME ok|fail:NUMBER:TEXT"},
        {"control c TextBox I4:1\n", "f.form:1: expected a Str: literal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            FormFile::parse(c.text, "f.form");
            ADD_FAILURE() << "read";
        } catch (const FormSyntaxError& e) {
            std::string message = c.message;
            if (message.ends_with(" ...")) message.resize(message.size() - 4);
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message);
        }
    }
}

TEST(FormRunner, ShowsEveryStepWithChangesMarkedAndFailuresListed) {
    std::ostringstream out;
    FormRunner runner(out);
    const FormFile f = FormFile::parse(kForm, "small.form");
    runner.load(f);
    runner.start();
    for (const FormFile::Line& e : f.edits) runner.apply(e);
    EXPECT_EQ(out.str(),
              "load small.form\n"
              "    control box          = Str:\"2500\"\n"
              "    source sample.Length = R8:2.5\n"
              "    command Apply        = ran 0 times\n"
              "edit box Str:\"3000\"\n"
              "  * control box          = Str:\"3000\"\n"
              "  * source sample.Length = R8:3\n"
              "    command Apply        = ran 0 times\n"
              "change sample.Length R8:4\n"
              "    control box          = Str:\"3000\"\n"
              "  * source sample.Length = R8:4\n"
              "    command Apply        = ran 0 times\n"
              "edit box Str:\"x\"\n"
              "  * control box          = Str:\"x\"\n"
              "    source sample.Length = R8:4\n"
              "    command Apply        = ran 0 times\n"
              "  failed len storage Err:13 \"\" \"Invalid value, a numeric value is required.\"\n");
}

TEST(FormRunner, LoadFailuresNameTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"object a Host.Nope\n", "f.form:1: Err:429 ..."},
        {"object a Host.AutoObject\n    property X Nope\n", "f.form:2: Err:5 \"AutoObject\" \"Unknown type name: Nope\""},
        {"control c Slider\n", "f.form:1: Err:429 ..."},
        {"object a Host.AutoObject\nobject a Host.AutoObject\n", "f.form:2: name used twice: a"},
        {"control c TextBox\nbind x p Length c\n", "f.form:2: no such name: part p"},
        {"object a Host.AutoObject\n    float L R8 3\n", "f.form:2: float does not belong under an object"},
        {"state s\n    class C\n", "f.form:2: class does not belong under a state"},
        {"state s\n    type T\n    enumerated M A=0 I4:5\n", "f.form:3: Err:5 \"State\" \"Not an item value: 5\""},
        // A relative meta file of a form without a folder is looked for in the current directory.
        {"state s Str:\"no/such.xml\"\n", "f.form:1: ..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::ostringstream out;
        FormRunner runner(out);
        try {
            runner.load(FormFile::parse(c.text, "f.form"));
            ADD_FAILURE() << "loaded";
        } catch (const FormLoadError& e) {
            std::string message = c.message;
            if (message.ends_with(" ...")) message.resize(message.size() - 4);
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message);
        }
    }
}

}  // namespace
}  // namespace tav

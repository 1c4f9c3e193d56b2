// The model world's lines in form files: what cannot be read or loaded, and a run that selects,
// idles, stores, undoes and redoes.
#include "host/forms/ModelForm.h"

#include <gtest/gtest.h>

#include <sstream>

#include "host/forms/FormRunner.h"

namespace tav {
namespace {

std::string firstError(std::string_view text, bool load) {
    try {
        const FormFile f = FormFile::parse(text, "f.form");
        if (!load) return {};
        std::ostringstream out;
        FormRunner runner(out);
        runner.load(f);
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

TEST(ModelForm, LinesThatCannotBeReadOrLoadedAreNamed) {
    struct Case {
        const char* text;
        bool load;
        const char* message;
    };
    const Case cases[] = {
        {"    item a Atom\n", false,
         "f.form:1: an indented line belongs under an object or a part"},
        {"object o Host.AutoObject\n    item a Atom\n", false,
         "f.form:2: item does not belong under object"},
        {"model m\n    property X I4\n", false, "f.form:2: property does not belong under model"},
        {"model m\n    item a\n", false, "f.form:2: expected: item NAME CLASS [VALUE...]"},
        {"schema Charge\n", false,
         "f.form:1: expected: schema PROPERTY TYPECODE [FLAGS] [MULTIVALUED]"},
        {"model m\n    columns A\n    item a Atom I4:1 I4:2\n", true,
         "f.form:1: Err:5 \"\" \"line 3: more values than columns: a\""},
        {"model m\n    item a Atom\n    item a Atom\n", true,
         "f.form:1: Err:5 \"\" \"line 3: name used twice: a\""},
        {"container c nobody\n", true, "f.form:1: Err:5 \"\" \"no such item: nobody\""},
        {"range Nope I4:1 I4:2\n", true,
         "f.form:1: Err:5 \"Schema\" \"No property accessor for: Nope\""},
        // Structure files.
        {"structure s\n", false, "f.form:1: expected: structure NAME FILE"},
        {"structure s I4:1\n", true, "f.form:1: Err:5 \"\" \"expected a text (Str:\\\"...\\\"): I4:1\""},
        {"structure s Str:\"/nowhere.pdb\"\n", true,
         "f.form:1: Err:5 \"Model\" \"/nowhere.pdb: cannot be opened: No such file or directory\""},
        {"model m\n    item a Atom\ncontainer c m Str:\"//A\"\n", true,
         "f.form:3: Err:5 \"\" \"not a model read from a structure file: m\""},
        {"model m\n    item a Atom\ncontainer c a m Str:\"//A\"\n", true,
         "f.form:3: Err:5 \"\" \"items and a selection together: c\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(firstError(c.text, c.load), c.message);
    }
}

TEST(ModelForm, StepsSelectIdleStoreUndoAndRedo) {
    constexpr std::string_view kForm = R"(schema Charge I4:3
model m
    columns Charge
    item a Atom R8:1
    item b Atom R8:2
container host a
part p SCTAVParts.SrcPart_InScopeIsdObjS
    NumProps = I4:1
    SrcPropName1 = Str:"Charge"
control box TextBox
source p host
bind charge p Charge box
select host a b
idle host
edit box Str:"3"
undo host
redo host
lock m Str:"Job 7"
edit box Str:"4"
)";
    std::ostringstream out;
    FormRunner runner(out);
    const FormFile f = FormFile::parse(kForm, "m.form");
    runner.load(f);
    runner.start();
    for (const FormFile::Line& e : f.edits) runner.apply(e);
    EXPECT_EQ(
        out.str(),
        "load m.form\n"
        "    control box        = Str:\"1\"\n"
        "    source host.Charge = R8:1\n"
        "    item a             = R8:1\n"
        "    item b             = R8:2\n"
        "    history host       = 0 to undo, 0 to redo\n"
        "select host a b\n"
        "    control box        = Str:\"1\"\n"
        "    source host.Charge = R8:1\n"
        "    item a             = R8:1\n"
        "    item b             = R8:2\n"
        "    history host       = 0 to undo, 0 to redo\n"
        "idle host\n"
        "  * control box        = Str:\"\"\n"
        "  * source host.Charge = Null\n"
        "    item a             = R8:1\n"
        "    item b             = R8:2\n"
        "    history host       = 0 to undo, 0 to redo\n"
        "edit box Str:\"3\"\n"
        "  * control box        = Str:\"3\"\n"
        "  * source host.Charge = R8:3\n"
        "  * item a             = R8:3\n"
        "  * item b             = R8:3\n"
        "  * history host       = 1 to undo, 0 to redo\n"
        "undo host\n"
        "  * control box        = Str:\"\"\n"
        "  * source host.Charge = Null\n"
        "  * item a             = R8:1\n"
        "  * item b             = R8:2\n"
        "  * history host       = 0 to undo, 1 to redo\n"
        "redo host\n"
        "  * control box        = Str:\"3\"\n"
        "  * source host.Charge = R8:3\n"
        "  * item a             = R8:3\n"
        "  * item b             = R8:3\n"
        "  * history host       = 1 to undo, 0 to redo\n"
        "lock m Str:\"Job 7\"\n"
        "    control box        = Str:\"3\"\n"
        "    source host.Charge = R8:3\n"
        "    item a             = R8:3\n"
        "    item b             = R8:3\n"
        "    history host       = 1 to undo, 0 to redo\n"
        "edit box Str:\"4\"\n"
        "  * control box        = Str:\"4\"\n"
        "    source host.Charge = R8:3\n"
        "    item a             = R8:3\n"
        "    item b             = R8:3\n"
        "    history host       = 1 to undo, 0 to redo\n"
        "  failed charge storage Err:5 \"\" \"Unable to update document locked by: Job 7\"\n");
}

}  // namespace
}  // namespace tav

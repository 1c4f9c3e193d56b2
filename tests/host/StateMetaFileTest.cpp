// State meta files: a file of every kind of property, bad files that fail with their file and
// line and leave the state as it was, and hostile files that end in a clear error.
#include "host/state/StateMetaFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "host/state/State.h"
#include "host/state/StateListing.h"

namespace tav {
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(TAV_TEST_DATA) / ".." / ".." / "examples";
constexpr std::string_view kHead = "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\">\n";

// A system folder with State.dtd made current for the test, and a folder for meta files.
class StateMetaFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tav-meta-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "system");
        fs::create_directories(root_ / "files");
        fs::copy_file(kExamples / "State.dtd", root_ / "system" / "State.dtd");
        previous_ = fs::current_path();
        fs::current_path(root_ / "system");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    std::string write(const std::string& name, const std::string& text) {
        const fs::path p = root_ / "files" / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    // The description of the load's error (number 5, source "State" checked), or "loaded".
    static std::string loadError(State& state, const std::string& path) {
        try {
            state.LoadMetaFile(path, 1);
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_EQ(e.source(), "State");
            return e.description();
        }
        return "loaded";
    }

    fs::path root_, previous_;
};

TEST_F(StateMetaFileTest, LoadsEveryKindOfPropertyInOrder) {
    Ref<State> state = makeRef<State>();
    ASSERT_EQ(loadError(*state, (kExamples / "state" / "Sample.xml").string()), "loaded");
    EXPECT_EQ(StateListing::text(*state),
              "state Sample\n"
              "  Length   R8 precision 3      R8:2.5\n"
              "  Count    I4                  I4:7\n"
              "  Label    Str                 Str:\"abc\"\n"
              "  Mode     Enum Slow=0 Fast=1  I4:1\n"
              "  Weights  R8 array            [1: R8:1.5, R8:2.5]\n"
              "  Owner    Object              Nothing\n");
}

TEST_F(StateMetaFileTest, BadFilesNameFileAndLineAndLeaveTheStateAsItWas) {
    struct Case {
        std::string body;
        std::string line;
        std::string why;  // a regular expression
    };
    const Case cases[] = {
        {"<State type=\"T\">\n<Property name=\"A\" type=\"I4\">\n</State>\n", "5", ".*"},
        {"<State type=\"T\">\n<Extra/>\n</State>\n", "4", ".*Extra.*"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"R9\"/>\n</State>\n", "4", "unknown type: R9"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"I4\"/>\n<Property name=\"a\" type=\"R8\"/>\n</State>\n", "5",
         "Already defined: a"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"I2\" value=\"70000\"/>\n</State>\n", "4",
         "not a value of type I2: '70000'"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"R8\" value=\"1e400\"/>\n</State>\n", "4",
         "not a value of type R8: '1e400'"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"Enum\" value=\"5\">\n<Item name=\"X\" value=\"1\"/>\n"
         "</Property>\n</State>\n",
         "4", "Not an item value: 5"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"Str\" precision=\"2\"/>\n</State>\n", "4",
         "precision is for R4 and R8 properties"},
        {"<State type=\"T\">\n<Property name=\"A\" type=\"I4\" array=\"yes\" value=\"1\"/>\n</State>\n", "4",
         "an array property takes Element values, not a value"},
    };
    Ref<State> state = makeRef<State>();
    ASSERT_EQ(loadError(*state, (kExamples / "state" / "Sample.xml").string()), "loaded");
    for (const Case& c : cases) {
        const std::string path = write("Bad.xml", std::string(kHead) + c.body);
        const std::string got = loadError(*state, path);
        EXPECT_TRUE(std::regex_match(got, std::regex(std::regex_replace(path, std::regex("[.]"), "\\.") + ":" +
                                                     c.line + ": " + c.why)))
            << got;
        EXPECT_EQ(state->TypeName(), "Sample");
        EXPECT_EQ(state->Properties()->Count(), 6);
    }
    // Without a document type the file is not a state meta file.
    EXPECT_NE(loadError(*state, write("NoDtd.xml", "<State type=\"T\"/>")), "loaded");
    EXPECT_EQ(loadError(*state, (root_ / "files" / "Missing.xml").string()),
              (root_ / "files" / "Missing.xml").string() + ": cannot read the file");
}

TEST_F(StateMetaFileTest, HostileFilesEndInClearErrors) {
    auto repeat = [](std::string_view s, size_t n) {
        std::string out;
        out.reserve(s.size() * n);
        for (size_t i = 0; i < n; ++i) out += s;
        return out;
    };
    std::string manyProperties = std::string(kHead) + "<State type=\"T\">\n";
    for (int i = 0; i < 100000; ++i) manyProperties += "<Property name=\"P" + std::to_string(i) + "\" type=\"I4\"/>\n";
    manyProperties += "</State>\n";
    std::string laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\" [\n<!ENTITY l0 \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        laughs += "<!ENTITY l" + std::to_string(i) + " \"" + repeat("&l" + std::to_string(i - 1) + ";", 10) + "\">\n";
    laughs += "]>\n<State type=\"&l9;\"/>\n";
    const struct {
        std::string name, text, why;
    } cases[] = {
        {"deep", std::string(kHead) + "<State type=\"T\">" + repeat("<Property name=\"a\" type=\"I4\">", 100000),
         ".*"},
        {"many", manyProperties, "A state holds at most 32767 properties."},
        {"wide", std::string(kHead) + "<State type=\"T\"><Property name=\"A\" type=\"Str\" value=\"" +
                     std::string(1 << 20, 'x') + "\"/></State>",
         "a value longer than 65535 characters: value"},
        {"huge", std::string(kHead) + "<State type=\"T\">" + std::string(17 << 20, ' ') + "</State>",
         "the file is larger than 16 MiB"},
        {"laughs", laughs, "a state meta file declares no entities: l0"},
        {"outside",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\" [\n<!ENTITY x SYSTEM \"/etc/passwd\">\n]>\n"
         "<State type=\"&x;\"/>\n",
         "a state meta file declares no entities: x"},
        {"parameter", "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\" [\n<!ENTITY % p SYSTEM "
                      "\"http://example.invalid/p.dtd\">\n%p;\n]>\n<State type=\"T\"/>\n",
         "a state meta file declares no entities: %p"},
        {"otherdtd", "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"../files/State.dtd\">\n<State type=\"T\"/>\n",
         "external entity refused \\(only State.dtd is read\\): ../files/State.dtd"},
        {"netdtd", "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"http://example.invalid/State.dtd\">\n"
                   "<State type=\"T\"/>\n",
         "external entity refused \\(only State.dtd is read\\): http://example.invalid/State.dtd"},
        // Only State.dtd defines the document: no defaults or elements of the file's own.
        {"defaults", "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\" [\n"
                     "<!ATTLIST Property value CDATA \"injected\">\n]>\n"
                     "<State type=\"T\"><Property name=\"A\" type=\"Str\"/></State>\n",
         "a state meta file brings no document type definition of its own"},
        {"elements", "<?xml version=\"1.0\"?>\n<!DOCTYPE State [\n<!ELEMENT State ANY>\n"
                     "<!ATTLIST State type CDATA #REQUIRED>\n]>\n<State type=\"T\"/>\n",
         "a state meta file brings no document type definition of its own"},
    };
    Ref<State> state = makeRef<State>();
    for (const auto& c : cases) {
        const std::string got = loadError(*state, write(c.name + ".xml", c.text));
        EXPECT_TRUE(std::regex_match(got, std::regex(".*" + c.name + "\\.xml(:[0-9]+)?: " + c.why))) << c.name << ": " << got;
        EXPECT_EQ(state->Properties()->Count(), 0) << c.name;
    }
}

TEST_F(StateMetaFileTest, StateDtdComesFromTheSystemFolderFirstThenFromBesideTheMetaFile) {
    // A State.dtd beside the meta file that gives values a default is not read while the
    // system folder (here the current directory) has one.
    write("State.dtd", "<!ELEMENT State (Property*)><!ATTLIST State type CDATA #REQUIRED><!ELEMENT Property EMPTY>"
                       "<!ATTLIST Property name CDATA #REQUIRED type CDATA #REQUIRED value CDATA \"7\">");
    const std::string stray = write("Stray.xml", std::string(kHead) + "<State type=\"T\"><Property name=\"A\" type=\"I4\"/></State>");
    Ref<State> state = makeRef<State>();
    ASSERT_EQ(loadError(*state, stray), "loaded");
    EXPECT_NE(StateListing::text(*state).find("I4:0"), std::string::npos);
    // Elsewhere a meta file that travels with its State.dtd loads with it, beside it or above it.
    fs::current_path(root_);
    ASSERT_EQ(loadError(*state, stray), "loaded");
    EXPECT_NE(StateListing::text(*state).find("I4:7"), std::string::npos);
    EXPECT_EQ(loadError(*state, (kExamples / "state" / "Sample.xml").string()), "loaded");
    // With none anywhere, the load names where it looked first.
    fs::remove(root_ / "files" / "State.dtd");
    EXPECT_EQ(loadError(*state, stray), stray + ":2: State.dtd is not in " + root_.string() +
                                            " nor beside the meta file or in a folder above it");
}

}  // namespace
}  // namespace tav

// The state system and its parts, each beside a peer in the same run:
//  - loading a state meta file of 200 properties of every kind (validated against State.dtd);
//  - a display cycle through SrcPart_1UnivState + GluPart_StateFloatFormatting into a text
//    box (peer: SrcPart_iDisp + GluPart_Formating with the same format on an automation object);
//  - the display of an enumerated state property of 200 items in a combo box through
//    GluDrct_StateEnumIntoVbCombo (peer: GluDrct_TypeListIntoVbCombo on an enumeration of 200).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "direct/GluDrct_StateEnumIntoVbCombo.h"
#include "direct/GluDrct_TypeListIntoVbCombo.h"
#include "glues/GluPart_Formating.h"
#include "glues/GluPart_StateFloatFormatting.h"
#include "host/controls/ComboBox.h"
#include "host/controls/TextBox.h"
#include "host/framework/Form.h"
#include "host/objects/AutoObject.h"
#include "host/state/State.h"
#include "sources/SrcPart_1UnivState.h"
#include "sources/SrcPart_iDisp.h"

namespace tav {
namespace {

namespace fs = std::filesystem;

constexpr int kProperties = 200;
constexpr int kItems = 200;
const fs::path kDtd = fs::path(TAV_EXAMPLES) / "State.dtd";

// A system folder (the current directory while it lives) with a meta file of 200 properties:
// floats with a precision, integers, texts, enumerations of four items and arrays of three.
class MetaFile200 {
public:
    MetaFile200() : folder_(fs::temp_directory_path() / ("tav-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(folder_);
        fs::copy_file(kDtd, folder_ / "State.dtd", fs::copy_options::overwrite_existing);
        std::ofstream out(path());
        out << "<?xml version=\"1.0\"?>\n<!DOCTYPE State SYSTEM \"State.dtd\">\n<State type=\"Bench\">\n";
        for (int i = 0; i < kProperties; ++i) {
            const std::string name = "P" + std::to_string(i);
            switch (i % 5) {
                case 0: out << "<Property name=\"" << name << "\" type=\"R8\" precision=\"3\" value=\"2.5\"/>\n"; break;
                case 1: out << "<Property name=\"" << name << "\" type=\"I4\" value=\"" << i << "\"/>\n"; break;
                case 2: out << "<Property name=\"" << name << "\" type=\"Str\" value=\"text " << i << "\"/>\n"; break;
                case 3:
                    out << "<Property name=\"" << name << "\" type=\"Enum\" value=\"1\"><Item name=\"A\" value=\"0\"/>"
                        << "<Item name=\"B\" value=\"1\"/><Item name=\"C\" value=\"2\"/><Item name=\"D\" value=\"3\"/>"
                        << "</Property>\n";
                    break;
                default:
                    out << "<Property name=\"" << name << "\" type=\"R8\" array=\"yes\"><Element value=\"1.5\"/>"
                        << "<Element value=\"2.5\"/><Element value=\"4\"/></Property>\n";
            }
        }
        out << "</State>\n";
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    ~MetaFile200() {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    std::string path() const { return (folder_ / "Bench.xml").string(); }

private:
    fs::path folder_, previous_;
};

void BM_LoadMetaFile200(benchmark::State& state) {
    MetaFile200 file;
    for (auto _ : state) {
        Ref<State> s = makeRef<State>();
        s->LoadMetaFile(file.path(), 1);
        benchmark::DoNotOptimize(s->Properties()->Count());
    }
    Ref<State> check = makeRef<State>();
    check->LoadMetaFile(file.path(), 1);
    if (check->Properties()->Count() != kProperties) state.SkipWithError("wrong property count");
}
BENCHMARK(BM_LoadMetaFile200)->Unit(benchmark::kMicrosecond);

void BM_StateFloatDisplayCycle(benchmark::State& state) {
    Ref<State> st = makeRef<State>();
    st->SetTypeName("Bench");
    st->DefineFloatProperty("Length", "R8", 3, Variant::R8(2.12345));
    Ref<Form> form = makeRef<Form>();
    Ref<SrcPart_1UnivState> source = makeRef<SrcPart_1UnivState>();
    Ref<GluPart_StateFloatFormatting> glue = makeRef<GluPart_StateFloatFormatting>();
    Ref<TextBox> box = makeRef<TextBox>();
    form->setSource(source, st);
    const Ref<Object> glues[] = {glue};
    Binding& b = form->addBinding("len", source, "Length", box, glues);
    for (auto _ : state) benchmark::DoNotOptimize(form->display(b).outcome);
    if (box->text() != "2.123") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_StateFloatDisplayCycle);

void BM_PeerFormattingDisplayCycle(benchmark::State& state) {
    Ref<AutoObject> object = makeRef<AutoObject>();
    object->DefineProperty("Length", "R8", Variant::R8(2.12345));
    Ref<Form> form = makeRef<Form>();
    Ref<SrcPart_iDisp> source = makeRef<SrcPart_iDisp>();
    Ref<GluPart_Formating> glue = makeRef<GluPart_Formating>();
    glue->InitProperties();
    glue->SetFormatString("0.0##");
    Ref<TextBox> box = makeRef<TextBox>();
    form->setSource(source, object);
    const Ref<Object> glues[] = {glue};
    Binding& b = form->addBinding("len", source, "Length", box, glues);
    for (auto _ : state) benchmark::DoNotOptimize(form->display(b).outcome);
    if (box->text() != "2.123") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_PeerFormattingDisplayCycle);

void BM_StateEnumComboDisplay200(benchmark::State& state) {
    Ref<State> st = makeRef<State>();
    std::vector<Variant> items;
    for (int i = 0; i < kItems; ++i) {
        items.emplace_back(std::string_view("Choice_Number_" + std::to_string(i)));
        items.push_back(Variant::I4(i));
    }
    st->DefineEnumProperty("Choice", Variant::I4(kItems / 2), items);
    Ref<GluDrct_StateEnumIntoVbCombo> glue = makeRef<GluDrct_StateEnumIntoVbCombo>();
    glue->SetSuppressedEnumValueS("3|77|150");
    Ref<ComboBox> combo = makeRef<ComboBox>();
    glue->WakeUp(st, "Choice", combo);
    for (auto _ : state) {
        Variant shown = missingArg();
        combo->Show(glue->GetDisplayValue(shown));
        benchmark::DoNotOptimize(combo->ListIndex());
    }
    if (combo->Text() != "Choice_Number_100") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_StateEnumComboDisplay200);

void BM_PeerTypeListComboDisplay200(benchmark::State& state) {
    Ref<AutoObject> object = makeRef<AutoObject>();
    std::vector<Variant> items;
    for (int i = 0; i < kItems; ++i) {
        items.emplace_back(std::string_view("Choice_Number_" + std::to_string(i)));
        items.push_back(Variant::I4(i));
    }
    object->DefineEnum("Choices", items);
    object->DefineProperty("Choice", "Choices", Variant::I4(kItems / 2));
    Ref<GluDrct_TypeListIntoVbCombo> glue = makeRef<GluDrct_TypeListIntoVbCombo>();
    glue->InitProperties();
    glue->SetSuppressedEnumValueS("3|77|150");
    Ref<ComboBox> combo = makeRef<ComboBox>();
    glue->WakeUp(object, "Choice", combo);
    for (auto _ : state) {
        Variant shown = missingArg();
        combo->Show(glue->GetDisplayValue(shown));
        benchmark::DoNotOptimize(combo->ListIndex());
    }
    if (combo->Text() != "Choice_Number_100") state.SkipWithError("wrong text shown");
}
BENCHMARK(BM_PeerTypeListComboDisplay200);

}  // namespace
}  // namespace tav

// An application's own data class bound to a text box that shows millimetres, as
// docs/embedding.md shows it: the class declares its members in a table and announces its
// changes; the parts are made typed and by program id; the form runs the cycles, shows a
// program change by itself and tells its failures to a callback; then the user types a decimal
// comma on a German desktop.
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "automation/locale/Locale.h"
#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/IPropertyNotifySink.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/ObjectCreation.h"
#include "glues/GluPart_ScaleProp.h"
#include "host/controls/TextBox.h"
#include "host/framework/FailureCallback.h"
#include "host/framework/Form.h"
#include "host/framework/HostClasses.h"
#include "sources/SrcPart_AxCls.h"

namespace {

// The application's data: a length in metres, announced when it changes.
class Sample : public tav::Dispatchable<Sample>, public tav::PropertyNotifySource {
public:
    static tav::ClassDesc describe() {
        return tav::ClassDesc("Sample", "A sample of the application.")
            .add(tav::property<&Sample::Length, &Sample::SetLength>("Length", "In metres."));
    }

    double Length() const { return length_; }
    void SetLength(double metres) {
        length_ = metres;
        static const tav::DispId id = table().defaultInterface().find("Length")->id;
        changes_.fire([](tav::IPropertyNotifySink& sink) { sink.OnChanged(id); });
    }
    tav::ConnectionPoint<tav::IPropertyNotifySink>& propertyNotifyPoint() override { return changes_; }

private:
    double length_ = 2.5;
    tav::ConnectionPoint<tav::IPropertyNotifySink> changes_;
};

int failures = 0;

void expect(const std::string& what, const std::string& got, const std::string& wanted) {
    if (got == wanted) return;
    std::printf("FAIL %s: got %s, wanted %s\n", what.c_str(), got.c_str(), wanted.c_str());
    ++failures;
}

}  // namespace

int main() {
    using namespace tav;
    hostclasses::ensureRegistered();

    Ref<Sample> sample = makeRef<Sample>();
    Ref<SrcPart_AxCls> source = makeRef<SrcPart_AxCls>();
    Ref<GluPart_ScaleProp> millimetres = makeRef<GluPart_ScaleProp>();
    millimetres->SetScaleByCoef(1000);
    // The same part by program id, set up by name as a form designer would.
    Ref<Object> alsoMillimetres = createObject("SCTAVParts.GluPart_ScaleProp");
    Variant coefficient[] = {Variant::R8(1000)};
    invoke(*alsoMillimetres, "ScaleByCoef", InvokeKind::PropertyLet, coefficient);

    Ref<Form> form = makeRef<Form>();
    std::vector<std::string> heard;
    FailureCallback onFailure(*form, [&](const CycleFailure& f) { heard.push_back(f.description); });
    Ref<TextBox> box = makeRef<TextBox>();
    form->setSource(source, sample);
    const std::vector<Ref<Object>> glues{millimetres};
    Binding& length = form->addBinding("length", source, "Length", box, glues);

    form->display(length);
    expect("display", std::string(box->text()), "2500");
    box->SetValue(Variant("3000"));
    form->store(length);
    expect("storage", literal::print(Variant::R8(sample->Length())), "R8:3");
    sample->SetLength(0.125);  // a program change shows by itself
    expect("program change", std::string(box->text()), "125");
    sample->SetLength(std::numeric_limits<double>::infinity());  // and its failure is heard
    expect("failure", heard.empty() ? "" : heard.back(), "Overflow");
    expect("kept text", std::string(box->text()), "125");

    // On a German desktop the user types a decimal comma (the regional data comes from ICU).
    Locale::setCurrent(Locale::named("de-DE"));
    box->SetValue(Variant("1500,5"));
    form->store(length);
    expect("storage in de-DE", literal::print(Variant::R8(sample->Length())), "R8:1.5005");
    expect("redisplay in de-DE", std::string(box->text()), "1500,5");

    std::printf(failures ? "consumer: %d failed\n" : "consumer: ok\n", failures);
    return failures ? 1 : 0;
}

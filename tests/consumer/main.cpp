// Binds a length in metres to a text box that shows millimetres, as a form would: the parts are
// made by program id, the harness runs a display and a storage cycle, and the values are checked,
// in en-US and in de-DE.
#include <cstdio>
#include <string>
#include <vector>

#include "automation/locale/Locale.h"
#include "automation/objects/Invoke.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/ObjectCreation.h"
#include "host/controls/TextBox.h"
#include "host/framework/Form.h"
#include "host/framework/HostClasses.h"

namespace {

int failures = 0;

void expect(const std::string& what, const std::string& got, const std::string& wanted) {
    if (got == wanted) return;
    std::printf("FAIL %s: got %s, wanted %s\n", what.c_str(), got.c_str(), wanted.c_str());
    ++failures;
}

tav::Variant call(tav::Object& obj, std::string_view name, tav::InvokeKind kind, std::vector<tav::Variant> args) {
    return tav::invoke(obj, name, kind, args);
}

}  // namespace

int main() {
    using namespace tav;
    hostclasses::ensureRegistered();

    Ref<Object> sample = createObject("Host.AutoObject");
    call(*sample, "DefineProperty", InvokeKind::Method, {Variant("Length"), Variant("R8"), Variant::R8(2.5)});

    Ref<Object> source = createObject("SCTAVParts.SrcPart_iDisp");
    Ref<Object> scale = createObject("SCTAVParts.GluPart_ScaleProp");
    call(*scale, "ScaleByCoef", InvokeKind::PropertyLet, {Variant::R8(1000)});

    Ref<Form> form = makeRef<Form>();
    Ref<TextBox> box = makeRef<TextBox>();
    form->setSource(source, sample);
    std::vector<Ref<Object>> glues{scale};
    Binding& length = form->addBinding("length", source, "Length", Ref<Object>(box), glues);

    form->display(length);
    expect("display", std::string(box->text()), "2500");

    box->SetValue(Variant("3000"));
    form->store(length);
    expect("storage", literal::print(call(*sample, "Length", InvokeKind::PropertyGet, {})), "R8:3");
    expect("redisplay", std::string(box->text()), "3000");

    // On a German desktop the user types a decimal comma (the regional data comes from ICU).
    Locale::setCurrent(Locale::named("de-DE"));
    box->SetValue(Variant("1500,5"));
    form->store(length);
    expect("storage in de-DE", literal::print(call(*sample, "Length", InvokeKind::PropertyGet, {})), "R8:1.5005");
    expect("redisplay in de-DE", std::string(box->text()), "1500,5");

    std::printf(failures ? "consumer: %d failed\n" : "consumer: ok\n", failures);
    return failures ? 1 : 0;
}

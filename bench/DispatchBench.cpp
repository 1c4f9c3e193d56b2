// Call by name against a direct virtual call: a property get by name on a class with twenty
// members, the same through the shared call-by-name service (arguments last-first), a let
// that coerces its value, a method with two arguments, a member of a framework interface by
// name, and the plain virtual call that the framework's fast path makes.
#include <benchmark/benchmark.h>

#include <array>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/TLIApplication.h"

namespace tav {
namespace {

class iValueSource {
public:
    virtual ~iValueSource() = default;
    virtual double Current() = 0;
    static const InterfaceDesc& describeInterface() {
        static const InterfaceDesc d =
            InterfaceDesc("iValueSource", "").add(property<&iValueSource::Current>("Current"));
        return d;
    }
};

// Twenty members: sixteen read/write doubles, a string, a flag, a method and a read-only one.
class Twenty : public Dispatchable<Twenty>, public iValueSource {
public:
    static ClassDesc describe() {
        using C = Twenty;
        return ClassDesc("Twenty", "")
            .add(property<&C::Get<0>, &C::Set<0>>("ScaleByCoef"))
            .add(property<&C::Get<1>, &C::Set<1>>("OffsetValue"))
            .add(property<&C::Get<2>, &C::Set<2>>("MinimumValue"))
            .add(property<&C::Get<3>, &C::Set<3>>("MaximumValue"))
            .add(property<&C::Get<4>, &C::Set<4>>("StepSize"))
            .add(property<&C::Get<5>, &C::Set<5>>("Tolerance"))
            .add(property<&C::Get<6>, &C::Set<6>>("DisplayFactor"))
            .add(property<&C::Get<7>, &C::Set<7>>("StorageFactor"))
            .add(property<&C::Get<8>, &C::Set<8>>("LowerBound"))
            .add(property<&C::Get<9>, &C::Set<9>>("UpperBound"))
            .add(property<&C::Get<10>, &C::Set<10>>("DefaultValue"))
            .add(property<&C::Get<11>, &C::Set<11>>("ResetValue"))
            .add(property<&C::Get<12>, &C::Set<12>>("Increment"))
            .add(property<&C::Get<13>, &C::Set<13>>("Decrement"))
            .add(property<&C::Get<14>, &C::Set<14>>("Precision"))
            .add(property<&C::Get<15>, &C::Set<15>>("Threshold"))
            .add(property<&C::Name, &C::SetName>("SharingName"))
            .add(property<&C::Flag, &C::SetFlag>("Enabled"))
            .add(method<&C::Scale>("Scale", {"dVal", "nTimes"}))
            .add(property<&C::Current>("Current"))
            .implements<iValueSource>();
    }
    template <int I>
    double Get() const {
        return values_[I];
    }
    template <int I>
    void Set(double d) {
        values_[I] = d;
    }
    std::string Name() const { return name_; }
    void SetName(std::string_view s) { name_ = s; }
    bool Flag() const { return flag_; }
    void SetFlag(bool b) { flag_ = b; }
    double Scale(double d, int16_t n) { return d * values_[0] * n; }
    double Current() override { return values_[9]; }

private:
    std::array<double, 16> values_{1.5, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    std::string name_;
    bool flag_ = false;
};

void InvokeByNamePropertyGet(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    Object& o = *obj;
    for (auto _ : state) benchmark::DoNotOptimize(invoke(o, "upperbound", InvokeKind::PropertyGet));
}
BENCHMARK(InvokeByNamePropertyGet);

void InvokeHookPropertyGet(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    TLIApplication& tli = TLIApplication::shared();
    for (auto _ : state) benchmark::DoNotOptimize(tli.invokeHook(obj.get(), "UpperBound", InvokeKind::PropertyGet));
}
BENCHMARK(InvokeHookPropertyGet);

void DirectVirtualCall(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    IRef<iValueSource> src = query<iValueSource>(obj.get());
    iValueSource* volatile p = src.get();  // keep the call virtual
    for (auto _ : state) benchmark::DoNotOptimize(p->Current());
}
BENCHMARK(DirectVirtualCall);

void DirectVirtualCallIntoVariant(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    IRef<iValueSource> src = query<iValueSource>(obj.get());
    iValueSource* volatile p = src.get();
    for (auto _ : state) benchmark::DoNotOptimize(Variant::R8(p->Current()));
}
BENCHMARK(DirectVirtualCallIntoVariant);

void InvokeByNameLetWithCoercion(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    std::array<Variant, 1> args;
    for (auto _ : state) {
        args[0] = Variant::I4(42);
        invoke(*obj, "Threshold", InvokeKind::PropertyLet, args);
    }
}
BENCHMARK(InvokeByNameLetWithCoercion);

void InvokeByNameMethodTwoArguments(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    std::array<Variant, 2> args{Variant::R8(2), Variant::I2(3)};
    for (auto _ : state) benchmark::DoNotOptimize(invoke(*obj, "Scale", InvokeKind::Method, args));
}
BENCHMARK(InvokeByNameMethodTwoArguments);

void InvokeInterfaceMemberByName(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    for (auto _ : state)
        benchmark::DoNotOptimize(invoke(*obj, "iValueSource", "Current", InvokeKind::PropertyGet));
}
BENCHMARK(InvokeInterfaceMemberByName);

void InvokeByNameStringGet(benchmark::State& state) {
    Ref<Twenty> obj = makeRef<Twenty>();
    obj->SetName("Charge");
    for (auto _ : state) benchmark::DoNotOptimize(invoke(*obj, "SharingName", InvokeKind::PropertyGet));
}
BENCHMARK(InvokeByNameStringGet);

}  // namespace
}  // namespace tav

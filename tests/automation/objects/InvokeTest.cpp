// Call by name through a class's member table: coercion, arity, by-reference arguments and
// the 438-versus-everything-else distinction.
#include <gtest/gtest.h>

#include "automation/objects/Dispatchable.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/TLIApplication.h"
#include "automation/values/TypedLiteral.h"
#include "support/ErrorOf.h"

namespace tav {
namespace {

enum class Shade : int32_t { sh_Light = 0, sh_Dark = 5 };
const EnumDesc& enumDesc(Shade) {
    static const EnumDesc e{"Shade", "How dark.", {{"sh_Light", 0}, {"sh_Dark", 5}}};
    return e;
}

class iSample {
public:
    virtual ~iSample() = default;
    virtual void Bump(Variant& TheValue) = 0;
    static const InterfaceDesc& describeInterface() {
        static const InterfaceDesc d = InterfaceDesc("iSample", "A framework-style interface.")
                                           .add(method<&iSample::Bump>("Bump", {"TheValue"}));
        return d;
    }
};

// A parameter name held in a string_view, braced: the parameter list, never the help text
// (clang once read such a one-element list as help, and the table refused to build).
constexpr std::string_view kIndexParam = "nIndex";

class Sample : public Dispatchable<Sample>, public iSample {
public:
    static ClassDesc describe() {
        using C = Sample;
        return ClassDesc("Sample", "A class for the call-by-name tests.")
            .add(property<&C::Scale, &C::SetScale>("Scale", "A double."))
            .add(property<&C::Flag, &C::SetFlag>("Flag"))
            .add(property<&C::Small, &C::SetSmall>("Small"))
            .add(property<&C::Name>("Name", "Read only."))
            .add(property<&C::Tint, &C::SetTint>("Tint"))
            .add(property<&C::Any, &C::LetAny, &C::SetAny>("Any"))
            .add(property<&C::Item, &C::SetItem>("Item", {kIndexParam}).withId(DispIdValue))
            .add(method<&C::Add>("Add", {"a", opt("b", Variant::I2(10))}, "Adds."))
            .add(method<&C::Describe>("Describe", {opt("v")}))
            .add(method<&C::Twice>("Twice", {"TheValue", "nCount"}))
            .add(method<&C::Sum>("Sum", {"Values"}))
            .add(method<&C::Blend>("Blend", {"dWeight", "nSteps", "Extra"}))
            .add(method<&C::Reset>("Reset").hide())
            .add(property<&C::Secret>("_Secret"))
            .implements<iSample>()
            .enumeration(enumDesc(Shade{}));
    }

    double Scale() const { return scale_; }
    void SetScale(double d) { scale_ = d; }
    bool Flag() const { return flag_; }
    void SetFlag(bool b) { flag_ = b; }
    int16_t Small() const { return small_; }
    void SetSmall(int16_t n) { small_ = n; }
    std::string Name() const { return "sample"; }
    Shade Tint() const { return tint_; }
    void SetTint(Shade s) { tint_ = s; }
    Variant Any() const { return any_; }
    void LetAny(const Variant& v) { any_ = v; }
    void SetAny(const Variant& v) { any_ = v; }
    Variant Item(int32_t i) const { return Variant::I4(i * 100); }
    void SetItem(int32_t i, const Variant& v) { lastItem_ = {i, v}; }
    int32_t Add(int32_t a, int16_t b) { return a + b; }
    std::string Describe(const Variant& v) { return isMissing(v) ? "missing" : literal::print(v); }
    void Twice(Variant& v, int16_t& n) {
        v = Variant::I4(v.i4() * 2);
        n = static_cast<int16_t>(n + 1);
    }
    double Sum(std::span<Variant> values) {
        double s = 0;
        for (auto& v : values) {
            s += v.r8();
            v = Variant("seen");
        }
        return s;
    }
    std::string Blend(double w, int16_t n, const Variant& extra) {
        return literal::print(Variant::R8(w)) + " " + literal::print(Variant::I2(n)) + " " + literal::print(extra);
    }
    void Reset() { scale_ = 0; }
    int32_t Secret() const { return 42; }
    void Bump(Variant& v) override { v = Variant::I4(v.i4() + 1); }

    std::pair<int32_t, Variant> lastItem_;

private:
    double scale_ = 1.5;
    bool flag_ = false;
    int16_t small_ = 0;
    Shade tint_ = Shade::sh_Light;
    Variant any_;
};

Variant call(Object& o, std::string_view name, InvokeKind k, std::vector<Variant> args = {}) {
    return invoke(o, name, k, args);
}

using testing_support::errorOf;

TEST(Invoke, GetsAndLetsByNameWithoutRegardToCase) {
    Ref<Sample> s = makeRef<Sample>();
    EXPECT_EQ(literal::print(call(*s, "scale", InvokeKind::PropertyGet)), "R8:1.5");
    call(*s, "SCALE", InvokeKind::PropertyLet, {Variant::R8(2.25)});
    EXPECT_EQ(s->Scale(), 2.25);
    EXPECT_EQ(literal::print(call(*s, "Name", InvokeKind::PropertyGet)), "Str:\"sample\"");
    EXPECT_EQ(literal::print(call(*s, "item", InvokeKind::PropertyGet, {Variant::I4(3)})), "I4:300");
    call(*s, "Item", InvokeKind::PropertyLet, {Variant::I2(7), Variant("x")});
    EXPECT_EQ(s->lastItem_.first, 7);
    std::vector<Variant> index{Variant::I4(2)};
    EXPECT_EQ(literal::print(invoke(*s, DispIdValue, InvokeKind::PropertyGet, index)), "I4:200");
}

TEST(Invoke, CoercesArgumentsToDeclaredTypes) {
    struct Case {
        const char* member;
        const char* value;
        const char* expected;  // the property read back, or Err:N
    };
    const Case cases[] = {
        {"Flag", "I4:5", "Bool:True"},         {"Flag", "R8:0", "Bool:False"},
        {"Flag", "Str:\"abc\"", "Err:13"},     {"Small", "I4:32767", "I2:32767"},
        {"Small", "I4:32768", "Err:6"},        {"Small", "I4:-32769", "Err:6"},
        {"Small", "Str:\"12\"", "I2:12"},      {"Small", "R8:2.5", "I2:2"},
        {"Scale", "Str:\"abc\"", "Err:13"},    {"Scale", "I2:4", "R8:4"},
        {"Tint", "I2:5", "I4:5"},              {"Any", "Str:\"kept\"", "Str:\"kept\""},
    };
    for (const Case& c : cases) {
        Ref<Sample> s = makeRef<Sample>();
        std::string got;
        try {
            call(*s, c.member, InvokeKind::PropertyLet, {literal::parse(c.value)});
            got = literal::print(call(*s, c.member, InvokeKind::PropertyGet));
        } catch (const AutomationError& e) {
            got = "Err:" + std::to_string(e.number());
        }
        EXPECT_EQ(got, c.expected) << c.member << " = " << c.value;
    }
}

TEST(Invoke, MissingMemberIs438AndNothingElseIs) {
    Ref<Sample> s = makeRef<Sample>();
    struct Case {
        const char* member;
        InvokeKind kind;
        std::vector<Variant> args;
        int expected;
    };
    const Case cases[] = {
        {"Nope", InvokeKind::PropertyGet, {}, err::ObjectDoesNotSupport},
        {"Name", InvokeKind::PropertyLet, {Variant("x")}, err::ObjectDoesNotSupport},  // read only
        {"Scale", InvokeKind::Method, {}, err::ObjectDoesNotSupport},                // not a method
        {"Add", InvokeKind::PropertyGet, {Variant::I4(1)}, err::ObjectDoesNotSupport},  // not a property
        {"Flag", InvokeKind::PropertySet, {Variant::Bool(true)}, err::ObjectDoesNotSupport},
        {"Add", InvokeKind::Method, {}, err::WrongArgumentCount},
        {"Add", InvokeKind::Method, {Variant::I4(1), Variant::I4(2), Variant::I4(3)}, err::WrongArgumentCount},
        {"Add", InvokeKind::Method, {missingArg()}, err::ArgumentNotOptional},
        {"Add", InvokeKind::Method, {Variant("x")}, err::TypeMismatch},
        {"Scale", InvokeKind::PropertyLet, {}, err::WrongArgumentCount},
        {"Any", InvokeKind::PropertySet, {Variant::I4(1)}, err::TypeMismatch},
        {"Scale", InvokeKind::PropertyGet, {Variant::I4(1)}, err::WrongArgumentCount},
        {"Blend", InvokeKind::Method, {Variant::I4(1), Variant::I4(2)}, err::WrongArgumentCount},
        {"Blend", InvokeKind::Method, {Variant::I4(1), missingArg(), Variant()}, err::ArgumentNotOptional},
        {"Blend", InvokeKind::Method, {Variant::I4(1), Variant::I4(2), missingArg()}, err::ArgumentNotOptional},
        {"Blend", InvokeKind::Method, {Variant::I4(1), Variant::I4(40000), Variant()}, err::Overflow},
        {"Blend", InvokeKind::PropertyGet, {Variant::I4(1), Variant::I4(2), Variant()}, err::ObjectDoesNotSupport},
    };
    for (const Case& c : cases) {
        auto args = c.args;
        EXPECT_EQ(errorOf([&] { invoke(*s, c.member, c.kind, args); }), c.expected)
            << c.member << " kind " << static_cast<int>(c.kind);
    }
}

TEST(Invoke, RequiredScalarParametersConvertEachArgument) {
    Ref<Sample> s = makeRef<Sample>();
    EXPECT_EQ(call(*s, "blend", InvokeKind::Method, {Variant::I4(2), Variant::R8(2.5), Variant::Null()}).str(),
              "R8:2 I2:2 Null");
    EXPECT_EQ(call(*s, "Blend", InvokeKind::Method, {Variant("1.5"), Variant::Bool(true), Variant::I4(7)}).str(),
              "R8:1.5 I2:-1 I4:7");
    EXPECT_EQ(call(*s, "Item", InvokeKind::PropertyGet, {Variant("3")}).i4(), 300);
}

TEST(Invoke, OptionalParametersTakeDefaultsOrMissing) {
    Ref<Sample> s = makeRef<Sample>();
    EXPECT_EQ(call(*s, "Add", InvokeKind::Method, {Variant::I4(1)}).i4(), 11);
    EXPECT_EQ(call(*s, "Add", InvokeKind::Method, {Variant::I4(1), missingArg()}).i4(), 11);
    EXPECT_EQ(call(*s, "Add", InvokeKind::Method, {Variant::I4(1), Variant::I2(2)}).i4(), 3);
    EXPECT_EQ(call(*s, "Describe", InvokeKind::Method).str(), "missing");
    EXPECT_EQ(call(*s, "Describe", InvokeKind::Method, {Variant::I2(3)}).str(), "I2:3");
}

TEST(Invoke, ByReferenceArgumentsReachTheCaller) {
    Ref<Sample> s = makeRef<Sample>();
    std::vector<Variant> args{Variant::I4(21), Variant::I4(4)};
    invoke(*s, "Twice", InvokeKind::Method, args);
    EXPECT_EQ(literal::print(args[0]), "I4:42");
    EXPECT_EQ(literal::print(args[1]), "I2:5");  // coerced to the parameter's type, then back
    std::vector<Variant> values{Variant::R8(1), Variant::R8(2.5)};
    EXPECT_EQ(invoke(*s, "Sum", InvokeKind::Method, values).r8(), 3.5);
    EXPECT_EQ(values[1].str(), "seen");
}

TEST(Invoke, CallsThroughAFrameworkInterfaceByName) {
    Ref<Sample> s = makeRef<Sample>();
    std::vector<Variant> args{Variant::I4(1)};
    invoke(*s, "ISAMPLE", "bump", InvokeKind::Method, args);
    EXPECT_EQ(args[0].i4(), 2);
    EXPECT_EQ(errorOf([&] { invoke(*s, "iOther", "Bump", InvokeKind::Method, args); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { invoke(*s, "iSample", "Nope", InvokeKind::Method, args); }), err::ObjectDoesNotSupport);
}

TEST(TLIApplication, InvokeHookTakesArgumentsLastFirst) {
    Ref<Sample> s = makeRef<Sample>();
    auto& tli = TLIApplication::shared();
    std::vector<Variant> reversed{Variant::I4(5), Variant::I4(100)};  // Add(100, 5)
    EXPECT_EQ(tli.invokeHook(s.get(), "add", InvokeKind::Method, reversed).i4(), 105);
    EXPECT_EQ(reversed[0].i4(), 5);  // the caller's order is kept
    SafeArray arr = SafeArray::vector({Variant::I2(2), Variant::I4(40)});
    EXPECT_EQ(tli.invokeHookArray(s.get(), "Add", 1, arr).i4(), 42);
    EXPECT_EQ(errorOf([&] { tli.invokeHook(nullptr, "Add", InvokeKind::Method); }), err::ObjectNotSet);
    EXPECT_EQ(errorOf([&] { tli.invokeHookArray(s.get(), "Add", 3, arr); }), err::InvalidProcedureCall);
    EXPECT_EQ(&tli, &TLIApplication::shared());
}

TEST(TLIApplication, DescribesMembersAndTypes) {
    Ref<Sample> s = makeRef<Sample>();
    InterfaceInfo info = TLIApplication::shared().interfaceInfoFromObject(s.get());
    EXPECT_EQ(info.name(), "_Sample");
    std::string listing;
    for (const MemberInfo& m : info.members())
        listing += std::string(m.name()) + ":" + std::to_string(static_cast<int>(m.invokeKind())) + " ";
    EXPECT_EQ(listing,
              "Scale:2 Scale:4 Flag:2 Flag:4 Small:2 Small:4 Name:2 Tint:2 Tint:4 Any:2 Any:4 Any:8 Item:2 "
              "Item:4 Add:1 Describe:1 Twice:1 Sum:1 Blend:1 Reset:1 _Secret:2 ");
    std::string filtered;
    for (const MemberInfo& m : info.filteredMembers(false)) filtered += std::string(m.name()) + " ";
    EXPECT_EQ(filtered, "Scale Flag Small Name Tint Any Item Add Describe Twice Sum Blend ");
    EXPECT_EQ(info.filteredMembers(true).size(), 13u);

    EXPECT_EQ(info.getMember(info.member("flag").memberId()).name(), "Flag");
    EXPECT_EQ(info.member("Flag").returnType().varType(), toCode(VarType::Bool));
    EXPECT_EQ(info.member("Any").returnType().varType(), toCode(VarType::Variant));
    EXPECT_EQ(info.member("Reset").returnType().varType(), VtVoid);
    EXPECT_EQ(errorOf([&] { info.getMember(999); }), err::TypeElementNotFound);
    EXPECT_EQ(errorOf([&] { info.member("Flag").returnType().typeInfo(); }), err::InvalidProcedureCall);

    VarTypeInfo tint = info.member("Tint").returnType();
    EXPECT_EQ(tint.varType(), VtUserDefined);
    TypeInfo e = tint.typeInfo();
    EXPECT_EQ(e.typeKind(), TypeInfo::TypeKindEnum);
    ASSERT_EQ(e.memberCount(), 2u);
    EXPECT_EQ(e.memberName(1), "sh_Dark");
    EXPECT_EQ(e.memberValue(1), 5);
    EXPECT_EQ(literal::print(call(*s, "Tint", InvokeKind::PropertyGet)), "I4:0");
}

TEST(TLIApplication, ObjectsWithoutATableAreRefused) {
    struct Plain : Object {};
    Ref<Plain> p = makeRef<Plain>();
    EXPECT_EQ(errorOf([&] { TLIApplication::shared().interfaceInfoFromObject(p.get()); }), err::TypeMismatch);
    EXPECT_EQ(errorOf([&] { call(*p, "x", InvokeKind::PropertyGet); }), err::ObjectDoesNotSupport);
    EXPECT_EQ(p->typeName(), "Object");
}

}  // namespace
}  // namespace tav

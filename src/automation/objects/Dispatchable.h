#pragma once
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "automation/values/AutomationError.h"
#include "automation/objects/ClassDesc.h"
#include "automation/objects/Interfaces.h"
#include "automation/values/Object.h"
#include "automation/values/SafeArray.h"

// Declaring a dispatchable class.
//
// A class derives from Dispatchable<Self> (an Object) and, for each framework interface it
// implements, from that interface; it writes its member table once, in a static describe():
//
//   class GluPart_Sample : public Dispatchable<GluPart_Sample>, public iTAVGluePart {
//   public:
//       static ClassDesc describe() {
//           using C = GluPart_Sample;
//           return ClassDesc("GluPart_Sample", "Multiplies the value.")
//               .add(property<&C::Factor, &C::SetFactor>("Factor", "The multiplier."))
//               .add(method<&C::Apply>("Apply", {"dVal", opt("nTimes", Variant::I2(1))}, "Applies it."))
//               .implements<iTAVGluePart>();
//       }
//       double Factor() const;  void SetFactor(double);  double Apply(double, int16_t);
//       ...iTAVGluePart overrides...
//   };
//
// Parameter and result types come from the C++ signatures, so the table cannot disagree with
// the code: int16_t Integer, int32_t Long, uint8_t Byte, float Single, double Double, bool
// Boolean, std::string / std::string_view String, Variant Variant, Ref<T> / Object* / IRef<I>
// Object, SafeArray Variant(), an enum with an enumDesc() overload (found by ADL) that
// enumeration. A `Variant&` (or `T&`) parameter is by reference; a trailing
// `std::span<Variant>` is a parameter array. Names and optional defaults come from the list
// of ParamSpec; its length must match the parameter count. Dispatch ids are given in table
// order from 1 unless set with withId() (DispIdValue for a default member, DispIdNewEnum for
// the enumerator).
namespace tav {

// How a table names a parameter: a plain name is required; opt() makes it optional.
struct ParamSpec {
    std::string name;
    bool optional = false;
    bool hasDefault = false;
    Variant defaultValue;

    ParamSpec(const char* n) : name(n) {}
    ParamSpec(std::string_view n) : name(n) {}
};
// The help string of a member: a type of its own, so that a braced list of one parameter name
// ({Text::Key}) is always the parameter list and never reads as help text (clang would take a
// one-element list of a string_view for a string_view).
struct HelpText {
    std::string_view text;
    HelpText() = default;
    HelpText(const char* t) : text(t) {}
    HelpText(std::string_view t) : text(t) {}
    HelpText(const std::string& t) : text(t) {}
};

inline ParamSpec opt(std::string_view name) {
    ParamSpec p(name);
    p.optional = true;
    return p;
}
inline ParamSpec opt(std::string_view name, Variant def) {
    ParamSpec p(name);
    p.optional = true;
    p.hasDefault = true;
    p.defaultValue = std::move(def);
    return p;
}

namespace detail {

template <class... A>
struct TypeList {
    static constexpr size_t size = sizeof...(A);
    template <size_t I>
    using At = std::tuple_element_t<I, std::tuple<A...>>;
};

// The class, result and parameters of a pointer to member function.
template <class F>
struct MemFn;
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    using Args = TypeList<A...>;
};
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...) const> : MemFn<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...) noexcept> : MemFn<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct MemFn<R (C::*)(A...) const noexcept> : MemFn<R (C::*)(A...)> {};

template <class T>
struct IsRef : std::false_type {};
template <class T>
struct IsRef<Ref<T>> : std::true_type {};
template <class T>
struct IsIRef : std::false_type {};
template <class T>
struct IsIRef<IRef<T>> : std::true_type {};

template <class E>
concept DescribedEnum = std::is_enum_v<E> && requires(E e) {
    { enumDesc(e) } -> std::convertible_to<const EnumDesc&>;
};

// The declared Variant type of a C++ value type (I4 for an enumeration).
template <class T>
constexpr VarType vtOf() {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, Variant>) return VarType::Variant;
    else if constexpr (std::is_same_v<U, bool>) return VarType::Bool;
    else if constexpr (std::is_same_v<U, int16_t>) return VarType::I2;
    else if constexpr (std::is_same_v<U, int32_t> || DescribedEnum<U>) return VarType::I4;
    else if constexpr (std::is_same_v<U, uint8_t>) return VarType::UI1;
    else if constexpr (std::is_same_v<U, float>) return VarType::R4;
    else if constexpr (std::is_same_v<U, double>) return VarType::R8;
    else if constexpr (std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>)
        return VarType::String;
    else if constexpr (IsRef<U>::value || IsIRef<U>::value || std::is_same_v<U, Object*>)
        return VarType::Object;
    else if constexpr (std::is_same_v<U, SafeArray> || std::is_same_v<U, std::span<Variant>>)
        return static_cast<VarType>(toCode(VarType::Array) | toCode(VarType::Variant));
    else static_assert(sizeof(U) == 0, "type not supported in a member table");
}

template <class T>
TypeDesc typeOf() {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_void_v<U>) return TypeDesc::voidType();
    else if constexpr (DescribedEnum<U>) return TypeDesc::enumType(enumDesc(U{}));
    else return TypeDesc{vtOf<U>(), nullptr, false};
}

template <class T>
constexpr bool isParamArray = std::is_same_v<std::remove_cvref_t<T>, std::span<Variant>>;
template <class T>
constexpr bool isByRef = std::is_lvalue_reference_v<T> && !std::is_const_v<std::remove_reference_t<T>> &&
                         !isParamArray<T>;

// A C++ value from the Variant the invoker coerced to the declared type.
template <class U>
U fromVariant(Variant& v) {
    if constexpr (std::is_same_v<U, Variant>) return v;
    else if constexpr (std::is_same_v<U, bool>) return v.boolean();
    else if constexpr (std::is_same_v<U, int16_t>) return v.i2();
    else if constexpr (std::is_same_v<U, int32_t>) return v.i4();
    else if constexpr (std::is_same_v<U, uint8_t>) return v.ui1();
    else if constexpr (std::is_same_v<U, float>) return v.r4();
    else if constexpr (std::is_same_v<U, double>) return v.r8();
    else if constexpr (std::is_same_v<U, std::string>) return std::string(v.str());
    else if constexpr (std::is_same_v<U, std::string_view>) return v.str();
    else if constexpr (std::is_same_v<U, Object*>) return v.object();
    else if constexpr (IsRef<U>::value) {
        using T = typename std::remove_pointer_t<decltype(std::declval<U>().get())>;
        if constexpr (std::is_same_v<T, Object>) {
            return U(v.object());
        } else {
            if (!v.object()) return U();
            T* t = dynamic_cast<T*>(v.object());
            if (!t) throwTypeMismatch();
            return U(t);
        }
    } else if constexpr (IsIRef<U>::value) {
        using I = std::remove_pointer_t<decltype(std::declval<U>().get())>;
        return query<I>(v.object());
    } else if constexpr (DescribedEnum<U>) return static_cast<U>(v.i4());
    else static_assert(sizeof(U) == 0, "type not supported in a member table");
}

template <class R>
Variant toVariant(R&& r) {
    using U = std::remove_cvref_t<R>;
    if constexpr (std::is_same_v<U, Variant>) return std::forward<R>(r);
    else if constexpr (std::is_same_v<U, bool>) return Variant::Bool(r);
    else if constexpr (std::is_same_v<U, int16_t>) return Variant::I2(r);
    else if constexpr (std::is_same_v<U, int32_t>) return Variant::I4(r);
    else if constexpr (std::is_same_v<U, uint8_t>) return Variant::UI1(r);
    else if constexpr (std::is_same_v<U, float>) return Variant::R4(r);
    else if constexpr (std::is_same_v<U, double>) return Variant::R8(r);
    else if constexpr (std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>)
        return Variant(std::string_view(r));
    else if constexpr (std::is_same_v<U, Object*>) return Variant::Object(r);
    else if constexpr (IsRef<U>::value) return Variant(r);
    else if constexpr (IsIRef<U>::value) return Variant::Object(r.object());
    else if constexpr (std::is_same_v<U, SafeArray>) return Variant(std::forward<R>(r));
    else if constexpr (DescribedEnum<U>) return Variant::I4(static_cast<int32_t>(r));
    else static_assert(sizeof(U) == 0, "type not supported in a member table");
}

// Hands one argument to the C++ function: by value, by reference to the Variant itself, by
// reference to a local that is written back, or the parameter array.
template <class A>
class Arg {
    using U = std::remove_cvref_t<A>;

public:
    Arg(const CallArgs& a, size_t i) : v_(isParamArray<A> ? nullptr : a.fixed[i]), rest_(a.rest) {
        if constexpr (needsLocal) local_ = fromVariant<U>(*v_);
    }
    decltype(auto) get() {
        if constexpr (isParamArray<A>) return rest_;
        else if constexpr (std::is_same_v<U, SafeArray>) return static_cast<A>(v_->array());
        else if constexpr (std::is_same_v<U, Variant>) return static_cast<A>(*v_);
        else if constexpr (needsLocal) return static_cast<A>(local_);
        else return fromVariant<U>(*v_);
    }
    void finish() {
        if constexpr (needsLocal && isByRef<A>) *v_ = toVariant(local_);
    }

private:
    static constexpr bool needsLocal =
        !isParamArray<A> && !std::is_same_v<U, Variant> && !std::is_same_v<U, SafeArray> &&
        std::is_reference_v<A>;
    struct None {};
    Variant* v_;
    std::span<Variant> rest_;
    [[no_unique_address]] std::conditional_t<needsLocal, U, None> local_{};
};

template <class C>
C& target(Object& self) {
    if constexpr (std::is_base_of_v<Object, C>) {
        return static_cast<C&>(self);
    } else {
        C* c = dynamic_cast<C*>(&self);
        if (!c) throwTypeMismatch();
        return *c;
    }
}

template <auto Fn, size_t... I>
Variant callWith(Object& self, const CallArgs& a, std::index_sequence<I...>) {
    using M = MemFn<decltype(Fn)>;
    using Args = typename M::Args;
    auto& obj = target<typename M::Class>(self);
    std::tuple<Arg<typename Args::template At<I>>...> args{Arg<typename Args::template At<I>>(a, I)...};
    if constexpr (std::is_void_v<typename M::Result>) {
        (obj.*Fn)(std::get<I>(args).get()...);
        (std::get<I>(args).finish(), ...);
        return Variant();
    } else {
        Variant r = toVariant((obj.*Fn)(std::get<I>(args).get()...));
        (std::get<I>(args).finish(), ...);
        return r;
    }
}

// The one thunk template: methods, gets, lets and sets all map the coerced arguments onto
// the C++ parameters in order.
template <auto Fn>
Variant thunk(Object& self, const CallArgs& a) {
    using M = MemFn<decltype(Fn)>;
    return callWith<Fn>(self, a, std::make_index_sequence<M::Args::size>{});
}

// The C++ function of a Double-to-Double method, without Variants (MemberDesc::realFunction).
template <auto Fn>
double realThunk(Object& self, double value) {
    return (target<typename MemFn<decltype(Fn)>::Class>(self).*Fn)(value);
}

template <auto Fn>
constexpr bool isRealFunction() {
    using M = MemFn<decltype(Fn)>;
    if constexpr (M::Args::size == 1)
        return std::is_same_v<typename M::Result, double> && std::is_same_v<typename M::Args::template At<0>, double>;
    else
        return false;
}

template <class Args, size_t... I>
std::vector<ParamDesc> paramTypes(std::index_sequence<I...>) {
    std::vector<ParamDesc> out;
    (out.push_back(ParamDesc{
         {},
         typeOf<typename Args::template At<I>>(),
         static_cast<uint8_t>((isByRef<typename Args::template At<I>> ? ParamDesc::ByRef : 0) |
                              (isParamArray<typename Args::template At<I>> ? ParamDesc::ParamArray : 0)),
         {}}),
     ...);
    return out;
}

// Parameters of the first `count` C++ parameters of Fn, named by `specs`.
template <auto Fn>
std::vector<ParamDesc> params(std::string_view member, std::initializer_list<ParamSpec> specs, size_t count) {
    using Args = typename MemFn<decltype(Fn)>::Args;
    std::vector<ParamDesc> out = paramTypes<Args>(std::make_index_sequence<Args::size>{});
    out.resize(count);
    if (specs.size() != count)
        throw std::logic_error("member '" + std::string(member) + "' names " + std::to_string(specs.size()) +
                               " of its " + std::to_string(count) + " parameters");
    size_t i = 0;
    for (const ParamSpec& s : specs) {
        ParamDesc& p = out[i++];
        p.name = s.name;
        if (s.optional) p.flags |= ParamDesc::Optional;
        if (s.hasDefault) {
            p.flags |= ParamDesc::HasDefault;
            p.defaultValue = s.defaultValue;
        }
        if (p.paramArray() && i != count)
            throw std::logic_error("parameter array of '" + std::string(member) + "' is not last");
    }
    return out;
}

template <auto Fn>
constexpr bool isNone = std::is_same_v<decltype(Fn), std::nullptr_t>;

}  // namespace detail

// A method (invoke kind 1); its result is the C++ result (void: none).
template <auto Fn>
MemberDesc method(std::string_view name, std::initializer_list<ParamSpec> params = {},
                  std::string_view help = {}) {
    using M = detail::MemFn<decltype(Fn)>;
    MemberDesc m;
    m.name = name;
    m.type = detail::typeOf<typename M::Result>();
    m.params = detail::params<Fn>(name, params, M::Args::size);
    m.help = help;
    m.thunks[kindSlot(InvokeKind::Method)] = &detail::thunk<Fn>;
    if constexpr (detail::isRealFunction<Fn>()) m.realFunction = &detail::realThunk<Fn>;
    return m;
}

// A property with any of get, let and set (nullptr for the ones it lacks). Index parameters,
// when the property has them, are the getter's parameters (or the setter's but the last).
template <auto Get, auto Let = nullptr, auto Set = nullptr>
MemberDesc property(std::string_view name, std::initializer_list<ParamSpec> indexParams,
                    std::string_view help = {}) {
    MemberDesc m;
    m.name = name;
    m.help = help;
    if constexpr (!detail::isNone<Get>) {
        using G = detail::MemFn<decltype(Get)>;
        m.type = detail::typeOf<typename G::Result>();
        m.params = detail::params<Get>(name, indexParams, G::Args::size);
        m.thunks[kindSlot(InvokeKind::PropertyGet)] = &detail::thunk<Get>;
    }
    auto addPut = [&]<auto Put, InvokeKind Kind>() {
        using P = detail::MemFn<decltype(Put)>;
        static_assert(P::Args::size >= 1, "a property let or set takes the value last");
        using Value = typename P::Args::template At<P::Args::size - 1>;
        static_assert(Kind == InvokeKind::PropertyLet || detail::vtOf<Value>() == VarType::Object ||
                          detail::vtOf<Value>() == VarType::Variant,
                      "a property set takes an object");
        if constexpr (!detail::isNone<Get>) {
            using G = detail::MemFn<decltype(Get)>;
            static_assert(G::Args::size + 1 == P::Args::size, "get and let/set take different index parameters");
            static_assert(Kind == InvokeKind::PropertySet ||
                              detail::vtOf<typename G::Result>() == detail::vtOf<Value>(),
                          "get and let disagree on the property's type");
        } else {
            m.type = detail::typeOf<Value>();
            m.params = detail::params<Put>(name, indexParams, P::Args::size - 1);
        }
        m.thunks[kindSlot(Kind)] = &detail::thunk<Put>;
    };
    if constexpr (!detail::isNone<Let>) addPut.template operator()<Let, InvokeKind::PropertyLet>();
    if constexpr (!detail::isNone<Set>) addPut.template operator()<Set, InvokeKind::PropertySet>();
    return m;
}
template <auto Get, auto Let = nullptr, auto Set = nullptr>
MemberDesc property(std::string_view name, HelpText help = {}) {
    return property<Get, Let, Set>(name, std::initializer_list<ParamSpec>{}, help.text);
}

// Base of a class with a static member table: `static ClassDesc describe()` in the class.
template <class Self>
class Dispatchable : public Object {
public:
    const ClassDesc* classDesc() const override { return &table(); }
    // The table, built on first use and shared by every instance (and thread).
    static const ClassDesc& table() {
        static const ClassDesc desc = Self::describe();
        return desc;
    }
};

}  // namespace tav

#include "host/script/ScriptRunner.h"

#include <ostream>

#include "automation/locale/Locale.h"
#include "automation/values/AutomationError.h"
#include "automation/objects/ClassDesc.h"
#include "automation/objects/Interfaces.h"
#include "automation/objects/Invoke.h"
#include "automation/objects/PropertyBag.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/Persistable.h"
#include "contracts/iTAVGluePart.h"
#include "host/framework/ErrorLine.h"
#include "host/state/StateClasses.h"
#include "host/script/ScriptText.h"
#include "registry/LibraryClasses.h"

namespace tav {

namespace T = ScriptText;
using Statement = Script::Statement;
using Command = Script::Command;

// In the order of Script::Command.
const ScriptRunner::Handler ScriptRunner::kHandlers[] = {
    &ScriptRunner::doNew,     &ScriptRunner::doInit,   &ScriptRunner::doVar,     &ScriptRunner::doShow,
    &ScriptRunner::doGet,     &ScriptRunner::doLet,    &ScriptRunner::doSet,     &ScriptRunner::doGet,
    &ScriptRunner::doDisplay, &ScriptRunner::doStore,  &ScriptRunner::doSave,    &ScriptRunner::doLoad,
    &ScriptRunner::doNotices, &ScriptRunner::doPrompts, &ScriptRunner::doAnswer,
};

namespace {

[[noreturn]] void scriptError(std::string_view message, std::string_view subject) {
    throw AutomationError(err::InvalidProcedureCall, std::string(T::ErrSource),
                          std::string(message) + "'" + scriptvalue::excerpt(subject) + "'");
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) {
        if (!out.empty()) out += T::ListSeparator;
        out += s;
    }
    return out;
}

PropertyBag& bagIn(Object& obj, std::string_view name) {
    auto* bag = dynamic_cast<PropertyBag*>(&obj);
    if (!bag)
        throw AutomationError(err::TypeMismatch, std::string(T::ErrSource),
                              std::string(T::NotABag) + scriptvalue::excerpt(name));
    return *bag;
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out, bool quiet) : out_(out), quiet_(quiet) {
    stateclasses::ensureRegistered();
}

int ScriptRunner::runText(std::string_view text, std::ostream& out, std::ostream& err, bool quiet) {
    Script script;
    try {
        script = Script::parse(text);
    } catch (const ScriptSyntaxError& e) {
        err << T::UnreadablePrefix << e.what() << '\n';
        return ExitUnreadable;
    }
    ScriptRunner runner(out, quiet);
    return runner.run(script).failed > 0 ? ExitFailed : ExitPassed;
}

ScriptRunner::Result ScriptRunner::run(const Script& script) {
    // Every script starts in en-US whatever the environment, so that its expectations hold
    // anywhere; Host.System.Locale changes it for the rest of the script.
    const LocaleScope scriptLocale(Locale::enUS());
    Result result;
    for (const Statement& s : script.statements) {
        const std::string line = execute(s);
        if (!quiet_) out_ << line << '\n';
        for (const Script::Expectation& e : s.expectations) {
            const Check c = check(e, line);
            if (c.passed) {
                ++result.passed;
                continue;
            }
            ++result.failed;
            out_ << T::FailPrefix << e.line << T::FailExpected << scriptvalue::excerpt(e.text, T::QuotedExpectation)
                 << T::FailGot << line;
            if (!c.why.empty()) out_ << T::FailWhyOpen << c.why << T::FailWhyClose;
            out_ << '\n';
        }
    }
    out_ << result.passed << T::Passed << result.failed << T::Failed << '\n';
    return result;
}

ScriptRunner::Check ScriptRunner::check(const Script::Expectation& e, const std::string& line) {
    switch (e.kind) {
        case Script::Expectation::Kind::Exact:
            return {line == e.compare, {}};
        case Script::Expectation::Kind::Prefix:
            return {line.starts_with(e.compare), {}};
        case Script::Expectation::Kind::Regex: {
            ScriptPattern::Outcome o = e.pattern->matchWhole(line);
            return {o.matched, std::move(o.beyondLimits)};
        }
    }
    return {};
}

std::string ScriptRunner::execute(const Statement& s) {
    static_assert(std::size(kHandlers) == static_cast<size_t>(Command::Answer) + 1, "one handler per command");
    try {
        return (this->*kHandlers[static_cast<size_t>(s.command)])(s);
    } catch (const AutomationError& e) {
        return errorLine(e);
    } catch (const std::exception& e) {
        // A defect, not an automation error; the script goes on all the same.
        return errorLine(err::InvalidProcedureCall, T::InternalSource, e.what());
    }
}

Variant& ScriptRunner::variable(const std::string& name) {
    const auto it = variables_.find(name);
    if (it == variables_.end()) scriptError(T::NoVariable, name);
    return it->second;
}

Object& ScriptRunner::objectIn(const std::string& name) { return objectFrom(variable(name)); }

void ScriptRunner::assign(const std::string& name, Variant value) {
    if (value.isObject()) notices_.watch(value.object());
    variables_[name] = std::move(value);
}

Variant ScriptRunner::valueOf(const ScriptValue& v) {
    switch (v.kind) {
        case ScriptValue::Kind::Literal:
            return v.literal;
        case ScriptValue::Kind::Missing:
            return missingArg();
        case ScriptValue::Kind::ObjectVar: {
            const Variant& held = variable(v.variable);
            if (!held.isObject()) throwError(err::ObjectRequired);
            return held;
        }
        case ScriptValue::Kind::CopyVar:
            return variable(v.variable);
        case ScriptValue::Kind::RefVar:
            return variables_[v.variable];  // a variable passed by reference comes into being
        case ScriptValue::Kind::Array:
            return arrayOf(v);
    }
    return {};
}

Variant ScriptRunner::arrayOf(const ScriptValue& v) {
    const int32_t rows = static_cast<int32_t>(v.elements.size());
    if (!scriptvalue::isTwoDimensional(v)) {
        SafeArray a({{0, rows}});
        for (int32_t i = 0; i < rows; ++i) a.at({i}) = valueOf(v.elements[static_cast<size_t>(i)]);
        return Variant(std::move(a));
    }
    const int32_t columns = static_cast<int32_t>(v.elements.front().elements.size());
    SafeArray a({{0, rows}, {0, columns}});
    for (int32_t i = 0; i < rows; ++i)
        for (int32_t j = 0; j < columns; ++j)
            a.at({i, j}) = valueOf(v.elements[static_cast<size_t>(i)].elements[static_cast<size_t>(j)]);
    return Variant(std::move(a));
}

const MemberDesc& ScriptRunner::member(Object& obj, const Statement& s) const {
    const ClassDesc* desc = obj.classDesc();
    if (!desc) throwError(err::ObjectDoesNotSupport);
    const InterfaceDesc* iface = s.interfaceName.empty() ? &desc->defaultInterface() : desc->findInterface(s.interfaceName);
    if (!iface) throwTypeMismatch();
    const MemberDesc* m = iface->find(s.member);
    if (!m) throwError(err::ObjectDoesNotSupport);
    return *m;
}

Variant ScriptRunner::call(Object& obj, const MemberDesc& m, InvokeKind kind, const Statement& s) {
    std::vector<Variant> args;
    args.reserve(s.values.size());
    for (const ScriptValue& v : s.values) args.push_back(valueOf(v));
    Ref<Object> keepAlive(&obj);  // the call may drop the script's last reference
    // By-reference arguments reach their variables also when the call fails after changing them.
    const auto writeBack = [&] {
        for (size_t i = 0; i < s.values.size(); ++i)
            if (s.values[i].kind == ScriptValue::Kind::RefVar) assign(s.values[i].variable, std::move(args[i]));
    };
    Variant result;
    try {
        result = invokeMember(obj, m, kind, args);
    } catch (...) {
        writeBack();
        throw;
    }
    writeBack();
    return result;
}

std::string ScriptRunner::invokeRead(const Statement& s) {
    Object& obj = objectIn(s.name);
    const MemberDesc& m = member(obj, s);
    const InvokeKind kind = m.supports(InvokeKind::Method) ? InvokeKind::Method : InvokeKind::PropertyGet;
    const bool noResult = kind == InvokeKind::Method && m.type.isVoid;
    Variant result = call(obj, m, kind, s);
    const std::string line = noResult ? std::string(T::Ok) : literal::print(result);
    if (!s.keepAs.empty()) assign(s.keepAs, std::move(result));
    return line;
}

std::string ScriptRunner::invokeWrite(const Statement& s, InvokeKind kind) {
    Object& obj = objectIn(s.name);
    call(obj, member(obj, s), kind, s);
    return std::string(T::Ok);
}

std::string ScriptRunner::doNew(const Statement& s) {
    assign(s.name, Variant(createObject(s.word)));
    return std::string(T::Ok);
}

std::string ScriptRunner::doInit(const Statement& s) {
    query<Persistable>(&objectIn(s.name))->InitProperties();
    return std::string(T::Ok);
}

std::string ScriptRunner::doVar(const Statement& s) {
    assign(s.name, valueOf(s.values.front()));
    return std::string(T::Ok);
}

std::string ScriptRunner::doShow(const Statement& s) { return literal::print(variable(s.name)); }

std::string ScriptRunner::doGet(const Statement& s) { return invokeRead(s); }

std::string ScriptRunner::doLet(const Statement& s) { return invokeWrite(s, InvokeKind::PropertyLet); }

std::string ScriptRunner::doSet(const Statement& s) { return invokeWrite(s, InvokeKind::PropertySet); }

std::string ScriptRunner::doDisplay(const Statement& s) {
    const IRef<iTAVGluePart> glue = query<iTAVGluePart>(&objectIn(s.name));
    Variant v = valueOf(s.values.front());
    glue->TransformForDisplay(v);
    return literal::print(v);
}

std::string ScriptRunner::doStore(const Statement& s) {
    const IRef<iTAVGluePart> glue = query<iTAVGluePart>(&objectIn(s.name));
    Variant v = valueOf(s.values.front());
    glue->InvTransformForStorage(v);
    return literal::print(v);
}

std::string ScriptRunner::doSave(const Statement& s) {
    const IRef<Persistable> p = query<Persistable>(&objectIn(s.name));
    p->WriteProperties(Ref<PropertyBag>(&bagIn(objectIn(s.word), s.word)));
    return std::string(T::Ok);
}

std::string ScriptRunner::doLoad(const Statement& s) {
    const IRef<Persistable> p = query<Persistable>(&objectIn(s.name));
    p->ReadProperties(Ref<PropertyBag>(&bagIn(objectIn(s.word), s.word)));
    return std::string(T::Ok);
}

std::string ScriptRunner::doNotices(const Statement& s) {
    return literal::print(Variant(notices_.take(&objectIn(s.name))));
}

std::string ScriptRunner::doPrompts(const Statement&) { return literal::print(Variant(joined(prompts_.takeShown()))); }

std::string ScriptRunner::doAnswer(const Statement& s) {
    prompts_.queueInput(std::string(s.values.front().literal.str()));
    return std::string(T::Ok);
}

}  // namespace tav

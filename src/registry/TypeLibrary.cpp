#include "registry/TypeLibrary.h"

#include <cstdio>
#include <set>
#include <sstream>

#include "automation/server/FileRegistry.h"
#include "automation/values/TypedLiteral.h"
#include "contracts/RegisteredClasses.h"
#include "registry/PartFactories.h"
#include "registry/ServerRegistration.h"

namespace tav::typelib {

namespace {

constexpr std::string_view kIndent = "  ";
constexpr std::string_view kNotBuilt = "not available yet";
constexpr std::string_view kDefaultInterfaceFlags = "(dual, hidden, non-extensible)";

std::string yesNo(bool b) { return b ? "yes" : "no"; }

std::string kindList(const MemberDesc& m) {
    static constexpr std::pair<InvokeKind, std::string_view> kNames[] = {
        {InvokeKind::PropertyGet, "get"}, {InvokeKind::PropertyLet, "let"}, {InvokeKind::PropertySet, "set"}};
    std::string out;
    for (auto [k, name] : kNames) {
        if (!m.supports(k)) continue;
        if (!out.empty()) out += ' ';
        out += name;
    }
    return out;
}

std::string paramText(const ParamDesc& p) {
    std::string out;
    if (p.paramArray()) out += "ParamArray ";
    else if (p.optional()) out += "Optional ";
    if (p.byRef() && !p.paramArray()) out += "ByRef ";
    out += p.name + " As " + p.type.spelling();
    if (p.hasDefault()) out += " = " + literal::print(p.defaultValue);
    return out;
}

std::string enumerationText(const EnumDesc& e, std::string_view owner) {
    std::string out = std::string(kIndent) + "enum " + e.name + " (" + std::string(owner) + ")";
    if (!e.help.empty()) out += "  " + literal::quote(e.help);
    out += "\n";
    for (const auto& item : e.items)
        out += std::string(kIndent) + std::string(kIndent) + item.name + " = " + std::to_string(item.value) + "\n";
    return out;
}

}  // namespace

std::string memberLine(const MemberDesc& m) {
    // Built by appending: concatenating temporaries trips a false -Wrestrict of GCC 12.
    std::string out = "[";
    out += std::to_string(m.id);
    out += "] ";
    if (m.hidden) out += "hidden ";
    auto appendParams = [&] {
        out += '(';
        for (size_t i = 0; i < m.params.size(); ++i) {
            if (i) out += ", ";
            out += paramText(m.params[i]);
        }
        out += ')';
    };
    if (m.isProperty()) {
        out += "property ";
        out += m.type.spelling();
        out += ' ';
        out += m.name;
        if (!m.params.empty()) appendParams();
        out += ' ';
        out += kindList(m);
    } else {
        out += "method ";
        out += m.name;
        appendParams();
        if (!m.type.isVoid) {
            out += " As ";
            out += m.type.spelling();
        }
    }
    if (!m.help.empty()) {
        out += "  ";
        out += literal::quote(m.help);
    }
    return out;
}

std::string listing() {
    std::ostringstream out;
    char version[16];
    std::snprintf(version, sizeof version, "%d.%d", library::kVersionMajor, library::kVersionMinor);
    char locale[16];
    std::snprintf(locale, sizeof locale, "0x%X", library::kLocale);
    out << "library " << library::kName << "  version " << version << "  locale " << locale << "\n"
        << kIndent << "id " << library::kLibraryId.toString() << "\n"
        << kIndent << "help " << literal::quote(library::kHelpString) << "\n"
        << kIndent << "module " << library::kModuleName << " " << library::kModuleVersion << ": "
        << literal::quote(library::kModuleDescription) << "\n";

    std::set<std::string> describedEnums;
    std::string enumText;
    for (const library::RegisteredClass& c : library::classes()) {
        const PartFactory* f = findPartFactory(c.name);
        const ClassDesc* desc = f ? &f->describe() : nullptr;
        out << "\nclass " << c.name << "  " << c.clsid.toString() << "\n";
        out << kIndent << "program id  " << library::progIdOf(c.name) << "\n";
        out << kIndent << "default     _" << c.name << " " << c.defaultInterfaceId.toString() << " "
            << kDefaultInterfaceFlags << "\n";
        std::string ifaces;
        for (library::Fw fw : c.interfaces) {
            if (fw == library::Fw::None) continue;
            if (!ifaces.empty()) ifaces += ", ";
            ifaces += library::interfaceName(fw);
        }
        out << kIndent << "implements  " << (ifaces.empty() ? "(none)" : ifaces) << "\n";
        if (c.hasEvents)
            out << kIndent << "events      __" << c.name << " " << library::kEventInterfaceId.toString() << "\n";
        out << kIndent << "creatable " << yesNo(c.creatable) << ", persistable " << yesNo(c.persistable) << "\n";
        if (!desc) {
            out << kIndent << "members     " << kNotBuilt << "\n";
            continue;
        }
        if (!desc->help().empty()) out << kIndent << "help        " << literal::quote(desc->help()) << "\n";
        out << kIndent << "members\n";
        for (const MemberDesc& m : desc->defaultInterface().members())
            out << kIndent << kIndent << memberLine(m) << "\n";
        if (const InterfaceDesc* ev = desc->eventInterface()) {
            out << kIndent << "events of __" << c.name << "\n";
            for (const MemberDesc& m : ev->members()) out << kIndent << kIndent << memberLine(m) << "\n";
        }
        for (const EnumDesc* e : desc->enumerations()) {
            if (describedEnums.insert(e->name).second) enumText += enumerationText(*e, c.name);
        }
    }
    out << "\nenumerations\n" << enumText;
    for (std::string_view name : library::kEnumerations)
        if (!describedEnums.count(std::string(name))) out << kIndent << "enum " << name << ": " << kNotBuilt << "\n";
    return out.str();
}

std::string classes(const FileRegistry& reg) {
    std::ostringstream out;
    char line[256];
    constexpr const char* kRow = "%-30s %-38s %-7s %-5s %-9s %s\n";
    std::snprintf(line, sizeof line, kRow, "class", "class id", "create", "bag", "built", "registered");
    out << line;
    for (const library::RegisteredClass& c : library::classes()) {
        const bool built = findPartFactory(c.name) != nullptr;
        const bool registered = reg.hasKey(server::inprocServerKey(c.clsid.toString()));
        std::snprintf(line, sizeof line, kRow, std::string(c.name).c_str(), c.clsid.toString().c_str(),
                      yesNo(c.creatable).c_str(), yesNo(c.persistable).c_str(), yesNo(built).c_str(),
                      c.creatable ? yesNo(registered).c_str() : "-");
        out << line;
    }
    return out.str();
}

}  // namespace tav::typelib

// The state objects of form files: from a meta file, through the library's start-up of the host
// install as the parts use it, or defined line by line.
#include <filesystem>

#include "automation/conversions/Conversions.h"
#include "automation/objects/Invoke.h"
#include "contracts/ObjectCreation.h"
#include "contracts/iQvState.h"
#include "contracts/iQvStateArray.h"
#include "host/forms/FormRunner.h"
#include "host/forms/FormText.h"
#include "host/framework/ErrorLine.h"
#include "sources/ContainerInits.h"

namespace tav {

namespace T = FormText;
using Line = FormFile::Line;

namespace {

// The members of Host.State that state lines call.
constexpr std::string_view kTypeName = "TypeName";
constexpr std::string_view kDefineProperty = "DefineProperty";
constexpr std::string_view kDefineFloatProperty = "DefineFloatProperty";
constexpr std::string_view kDefineEnumProperty = "DefineEnumProperty";
constexpr std::string_view kDefineArrayProperty = "DefineArrayProperty";
// State arrays count from 1.
constexpr int32_t kFirstElement = 1;

}  // namespace

std::string FormRunner::metaFilePath(std::string_view file) const {
    // A bare name is the state folder's; a relative path is the form file's neighbour.
    const std::filesystem::path given(file);
    if (file.find(ContainerInits::Text::PathSeparator) == std::string_view::npos || given.is_absolute())
        return std::string(file);
    // A form named without a folder is the current directory's; one read from text has no
    // path at all, and its meta file is taken relative to the current directory as given.
    std::error_code ec;
    const std::filesystem::path form = std::filesystem::absolute(std::filesystem::path(path_), ec);
    return ec ? std::string(file) : (form.parent_path() / given).string();
}

Variant FormRunner::shownValue(const Variant& value) {
    const IRef<iQvStateArray> array = value.isObject() ? tryQuery<iQvStateArray>(value.object()) : nullptr;
    if (!array) return value;
    std::vector<Variant> elements;
    for (int32_t i = kFirstElement; i <= array->Count(); ++i) elements.push_back(array->Item(i));
    return Variant(SafeArray::vector(std::move(elements), kFirstElement));
}

void FormRunner::defineStateMember(Object& state, const Line& line) {
    std::vector<Variant> args;
    if (line.keyword == T::Type) {
        args.emplace_back(line.words[0]);
        invoke(state, kTypeName, InvokeKind::PropertyLet, args);
        return;
    }
    const Variant value = line.values.empty() ? missingArg() : line.values[0];
    std::string_view member;
    if (line.keyword == T::Property) {
        member = kDefineProperty;
        args = {Variant(line.words[0]), Variant(line.words[1]), value};
    } else if (line.keyword == T::Float) {
        member = kDefineFloatProperty;
        args = {Variant(line.words[0]), Variant(line.words[1]), Variant(line.words[2]), value};
    } else if (line.keyword == T::Enumerated) {
        member = kDefineEnumProperty;
        args = {Variant(line.words[0]), value};
        for (size_t i = 1; i < line.words.size(); ++i) {
            const std::string& item = line.words[i];
            const size_t eq = item.find(T::Assign);
            args.emplace_back(item.substr(0, eq));
            args.push_back(Variant::I4(std::stoi(item.substr(eq + 1))));
        }
    } else if (line.keyword == T::Array) {
        member = kDefineArrayProperty;
        args = {Variant(line.words[0]), Variant(line.words[1]), value};
    } else {
        throw MemberFailure{line.number, line.keyword + std::string(T::NotUnder) + std::string(T::UnderState)};
    }
    invoke(state, member, InvokeKind::Method, args);
}

void FormRunner::addState(const Line& line) {
    Ref<Object> state;
    if (!line.values.empty()) {
        const std::string file = metaFilePath(CStr(line.values[0]));
        const IRef<iQvState> loaded = ContainerInits::CreateStateFromMetaFile(file);
        if (!loaded) throw FormLoadError(std::string(T::NoStateSystem) + file);
        state = loaded.ref();
    } else {
        state = createObject(T::StateProgId);
    }
    for (const Line& member : line.members) {
        try {
            defineStateMember(*state, member);
        } catch (const AutomationError& e) {
            throw MemberFailure{member.number, errorLine(e)};
        }
    }
    name(line.words[0], T::Object, std::move(state));
}

}  // namespace tav

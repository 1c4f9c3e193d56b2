#pragma once
#include <string>

#include "automation/objects/ClassDesc.h"

namespace tav {

class FileRegistry;

// Readable listings of the library's identity, for people (the tavparts commands).
namespace typelib {

// The type library: its identity, every public class with its ids, default interface,
// framework interfaces, flags and members (for built classes), and the enumerations.
std::string listing();
// One line per public class: name, class id, flags, whether built, whether registered in `reg`.
std::string classes(const FileRegistry& reg);
// One member as a line ("[3] property Double ScaleByCoef get let  \"help\"").
std::string memberLine(const MemberDesc& m);

}  // namespace typelib
}  // namespace tav

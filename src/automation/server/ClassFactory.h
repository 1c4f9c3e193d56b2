#pragma once
#include <cstdint>

#include "automation/values/Guid.h"
#include "automation/values/Object.h"

// The in-process server protocol: a server library exports four C functions, and hands out
// one ClassFactory per class. Host and server share these declarations; a server built as a
// separate module keeps its own copy of the library inside it (its own live-object count),
// and the two meet only through virtual calls on objects and these exports.
namespace tav {

// Success codes of the exports (failures are the negative numbers of ErrorNumbers.h).
namespace hr {
constexpr int32_t Ok = 0;
constexpr int32_t False = 1;
}  // namespace hr

class ClassFactory : public Object {
public:
    static constexpr Guid iid{"{11C4B7C1-404F-464D-A2E1-A1B82560F987}"};
    // A new object of the factory's class; throws AutomationError when it cannot be made.
    virtual Ref<Object> createInstance() = 0;
    // Keeps the server loaded while locked (counts; every lock needs its unlock).
    virtual void lockServer(bool lock) = 0;
};

// The exports, as the server library declares them (extern "C").
using DllGetClassObjectFn = int32_t (*)(const Guid* clsid, const Guid* iid, void** out);
using DllCanUnloadNowFn = int32_t (*)();
using DllRegisterServerFn = int32_t (*)();
using DllUnregisterServerFn = int32_t (*)();

inline constexpr const char* kDllGetClassObject = "DllGetClassObject";
inline constexpr const char* kDllCanUnloadNow = "DllCanUnloadNow";
inline constexpr const char* kDllRegisterServer = "DllRegisterServer";
inline constexpr const char* kDllUnregisterServer = "DllUnregisterServer";

}  // namespace tav

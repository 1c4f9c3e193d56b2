#pragma once
#include <string_view>

#include "automation/objects/ConnectionPoint.h"
#include "automation/objects/Interfaces.h"
#include "contracts/iTAVScope.h"

namespace tav {

// The scope processors the parts ask for by name.
namespace ScopeProcessorNames {
// Keeps only document roots.
inline constexpr std::string_view FilterDocumentRoot = "Filter:DocumentRoot";
// Turns whatever the scope holds into the 3D-model document roots it belongs to.
inline constexpr std::string_view DocumentRootCoercion = "DocumentRootCoercion:Model3d";
// Keeps the model objects; refuses an infinite scope.
inline constexpr std::string_view FilterModel3d = "Filter:Model3d";
// Followed by a class filter text: keeps the model objects of that class.
inline constexpr std::string_view FilterModel3dClassPrefix = "Filter:Model3d!";
// Make a finite scope of an infinite one: its display candidates, or its objects taken to
// their periodic or symmetry parents.
inline constexpr std::string_view FilterDisplayCandidate = "Filter:Model3d!!IsDisplayCandidate";
inline constexpr std::string_view NormalizePeriodicParent = "Normalization:Model3d!PeriodicParent";
inline constexpr std::string_view NormalizeSymmetryParent = "Normalization:Model3d!SymmetryParent";
}  // namespace ScopeProcessorNames

// Hears that the host's default scope (the selection) was replaced.
class iTAVScopeManagerEvents {
  public:
    virtual ~iTAVScopeManagerEvents() = default;
    virtual void DefaultScopeChanged(const IRef<iTAVScope>& pActiveScope) = 0;
};

// The host's scope manager: the current default scope, and scopes processed by named
// processors ("Filter:DocumentRoot", "DocumentRootCoercion:Model3d", "Filter:Model3d", ...).
class iTAVScopeManager {
  public:
    virtual ~iTAVScopeManager() = default;

    virtual IRef<iTAVScope> DefaultScope() = 0;
    // A new scope; the processor's own errors reach the caller.
    virtual IRef<iTAVScope> ProcessScope(const IRef<iTAVScope>& pScope,
                                         std::string_view processorName) = 0;
    virtual ConnectionPoint<iTAVScopeManagerEvents>& scopeManagerEvents() = 0;
};

// What hands the scope manager out.
class iTAVScopeManagerHolder {
  public:
    virtual ~iTAVScopeManagerHolder() = default;
    virtual IRef<iTAVScopeManager> ScopeManager() = 0;
};

}  // namespace tav

#pragma once
#include <string_view>

#include "automation/objects/DispatchTypes.h"
#include "automation/objects/Interfaces.h"
#include "contracts/iTAVDocumentRoot.h"
#include "contracts/iTAVScopeManager.h"

// Module ScopeProcesseing: the 3D-model document a host scope belongs to, and the check that
// refuses changes to a document somebody else has locked. The routines keep no state and let
// every error of the host's objects pass unchanged.
namespace tav::ScopeProcesseing {

inline constexpr std::string_view ErrNoScopeManager =
    "GetDocumentFromScope, requires a Scope-Manager.";
inline constexpr std::string_view ErrSource = "ScopeProcessing/GetDocumentFromScope";
inline constexpr std::string_view ErrManyDocuments =
    "Unexpected, more than one document (doc-root) in scope.";
// Followed directly by the lock holder's name.
inline constexpr std::string_view ErrLocked = "Unable to update document locked by: ";

// The document of the scope (the manager's default scope when pScope is Missing): the one
// document root the scope holds, else the one document its objects belong to, else Nothing
// (an empty scope, or objects of no document). Error 5 without a manager, or for objects of
// two documents or more.
IRef<iTAVDocumentRoot> GetDocumentFromScope(const IRef<iTAVScopeManager>& pScopeMgr,
                                            const Variant& pScope = missingArg());

// Error 5 when the document is locked. Nothing (a scope without a document) has no lock to
// respect and passes.
void CheckDocumentNotLocked(const IRef<iTAVDocumentRoot>& document);

void CheckScopeDocumentNotLocked(const IRef<iTAVScopeManager>& pScopeMgr,
                                 const Variant& pScope = missingArg());

}  // namespace tav::ScopeProcesseing

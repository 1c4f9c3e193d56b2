#include "scope/ScopeProcessing.h"

#include <string>

#include "automation/values/AutomationError.h"
#include "automation/values/ErrorNumbers.h"

namespace tav::ScopeProcesseing {

namespace {

namespace P = ScopeProcessorNames;

// An omitted argument (Missing) names the default scope; anything else must be a scope or
// Nothing.
IRef<iTAVScope> scopeToExamine(iTAVScopeManager& manager, const Variant& pScope) {
    if (pScope.type() == VarType::Error && pScope.error() == err::ParamNotFound)
        return manager.DefaultScope();
    return query<iTAVScope>(pScope);
}

// A host that hands out Nothing where a scope or its contents must be is error 91, not a crash.
IRef<iTAVScopeContents> contentsOf(const IRef<iTAVScope>& scope) {
    if (!scope) throwError(err::ObjectNotSet);
    IRef<iTAVScopeContents> contents = scope->Contents();
    if (!contents) throwError(err::ObjectNotSet);
    return contents;
}

IRef<iTAVDocumentRoot> onlyItem(const IRef<iTAVScopeContents>& contents) {
    return query<iTAVDocumentRoot>(contents->Item(1).get());
}

}  // namespace

IRef<iTAVDocumentRoot> GetDocumentFromScope(const IRef<iTAVScopeManager>& pScopeMgr,
                                            const Variant& pScope) {
    if (!pScopeMgr)
        throw AutomationError(err::InvalidProcedureCall, {}, std::string(ErrNoScopeManager));
    const IRef<iTAVScope> scope = scopeToExamine(*pScopeMgr, pScope);
    if (!scope) return {};

    // A scope of one document root names its document itself.
    if (const IRef<iTAVScope> roots = pScopeMgr->ProcessScope(scope, P::FilterDocumentRoot)) {
        const IRef<iTAVScopeContents> contents = contentsOf(roots);
        if (contents->Count() == 1) return onlyItem(contents);
    }
    const IRef<iTAVScopeContents> documents =
        contentsOf(pScopeMgr->ProcessScope(scope, P::DocumentRootCoercion));
    const int32_t n = documents->Count();
    if (n == 0) return {};
    if (n == 1) return onlyItem(documents);
    throw AutomationError(err::InvalidProcedureCall, std::string(ErrSource),
                          std::string(ErrManyDocuments));
}

void CheckDocumentNotLocked(const IRef<iTAVDocumentRoot>& document) {
    if (!document) return;
    std::string holder;
    bool locked = false;
    document->LockState(holder, locked);
    if (locked)
        throw AutomationError(err::InvalidProcedureCall, {}, std::string(ErrLocked) + holder);
}

void CheckScopeDocumentNotLocked(const IRef<iTAVScopeManager>& pScopeMgr, const Variant& pScope) {
    CheckDocumentNotLocked(GetDocumentFromScope(pScopeMgr, pScope));
}

}  // namespace tav::ScopeProcesseing

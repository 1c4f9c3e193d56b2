#pragma once
#include <string_view>

#include "host/model/Scope.h"

namespace tav::hostmodel {

// The scope manager's processors, by name (contracts/iTAVScopeManager.h names them):
//
//   Filter:DocumentRoot                     the document roots (models) the scope holds
//   DocumentRootCoercion:Model3d            the models of its objects, each once, in order
//   Filter:Model3d                          its model objects (error 5 for an infinite scope)
//   Filter:Model3d!CLASS                    its model objects of that class (also refuses)
//   Filter:Model3d!!IsDisplayCandidate      its model objects that are display candidates
//   Normalization:Model3d!PeriodicParent    its model objects, each taken to its periodic
//   Normalization:Model3d!SymmetryParent    (symmetry) parent when it has one, each once
//
// Every result is a new finite scope; runs of rows are shared with the input where a run is
// kept whole. An unknown name is error 5.
namespace ScopeProcessors {

Ref<Scope> process(const Scope& in, std::string_view processorName);

}  // namespace ScopeProcessors
}  // namespace tav::hostmodel

#pragma once
#include <string>

#include "contracts/iQvState.h"

namespace tav::StateListing {

// The state as people read it: its type, then one line per property in order with its kind
// (type, precision, items, array), and its value as a typed literal:
//
//   state Sample
//     Length   R8 precision 3       R8:2.5
//     Mode     Enum Slow=0 Fast=1   I4:1
//     Weights  R8 array             [1: R8:1.5, R8:2.5]
std::string text(iQvState& state);

}  // namespace tav::StateListing

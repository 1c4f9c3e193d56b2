#include "automation/operators/RealPower.h"

namespace tav {

[[gnu::noipa]] double libraryPow(double x, double y) { return std::pow(x, y); }

}  // namespace tav

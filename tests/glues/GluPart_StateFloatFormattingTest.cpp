// The state float format stops growing where no digit can show: every precision from there on,
// up to the largest, shows every value exactly as a format without that stop would.
#include "glues/GluPart_StateFloatFormatting.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "automation/format/Format.h"
#include "automation/values/TypedLiteral.h"

namespace tav {
namespace {

TEST(GluPart_StateFloatFormatting, AnyPrecisionShowsWhatAnUnboundedFormatShows) {
    const std::string unbounded = "0.0" + std::string(1000, '#');
    EXPECT_LT(GluPart_StateFloatFormatting::formatFor(INT_MAX).size(), 400u);
    const Variant values[] = {Variant::R8(std::numeric_limits<double>::denorm_min()),
                              Variant::R8(-std::numeric_limits<double>::min()),
                              Variant::R8(std::numeric_limits<double>::max()),
                              Variant::R8(1.0 / 3),
                              Variant::R8(-2.5e-300),
                              Variant::R4(std::numeric_limits<float>::denorm_min())};
    for (const Variant& v : values) {
        const std::string expected = literal::print(Format(v, unbounded));
        for (int32_t precision : {338, 339, 340, 1000, INT_MAX})
            EXPECT_EQ(literal::print(Format(v, GluPart_StateFloatFormatting::formatFor(precision))), expected)
                << literal::print(v) << " at precision " << precision;
    }
}

}  // namespace
}  // namespace tav

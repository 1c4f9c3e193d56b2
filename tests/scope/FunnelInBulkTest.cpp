// Feeding a funnel all values at once (plain Doubles, Longs, codes into a table, Variants) must
// end exactly as feeding them one by one with FunnelValue up to the first false answer: the same
// answer, state, shown value and error, whatever the rule and the state it starts in.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "automation/values/TypedLiteral.h"
#include "scope/FunneledPropertyHolder.h"

namespace tav {
namespace {

using Rule = funneledPropertyResolveBy;

struct Outcome {
    bool more = true;
    funneledPropertyStatus status{};
    std::string shown;
    int error = 0;
    bool operator==(const Outcome&) const = default;
    friend void PrintTo(const Outcome& o, std::ostream* os) {
        *os << "more " << o.more << ", status " << static_cast<int>(o.status) << ", shows "
            << o.shown << ", error " << o.error;
    }
};

template <class Feed>
Outcome run(Rule rule, std::optional<Variant> already, Feed feed) {
    FunneledPropertyHolder h;
    h.SetResolveBy(rule);
    if (already) h.FunnelValue(*already);
    Outcome o;
    try {
        o.more = feed(h);
    } catch (const AutomationError& e) {
        o.error = e.number();
    }
    o.status = h.status();
    o.shown = literal::print(h.ApparentValue());
    return o;
}

bool oneByOne(FunneledPropertyHolder& h, const std::vector<Variant>& values) {
    bool more = true;
    for (const Variant& v : values)
        if (!(more = h.FunnelValue(v))) break;
    return more;
}

TEST(FunnelInBulk, EndsAsOneByOne) {
    const std::vector<std::vector<double>> doubleRuns = {
        {}, {0.1, 0.1, 0.1}, {1, 1.000001, 1}, {0.1, 0.2, 0.1}, {0, 1e-300}, {1, 2, 3.5}};
    const std::vector<std::vector<int32_t>> longRuns = {{7, 7, 7}, {7, 8}, {1, 2, 3}};
    const std::vector<std::vector<uint32_t>> codeRuns = {{0, 0, 0}, {0, 1}, {1, 2, 1}, {0, 3}};
    const std::vector<Variant> table = {Variant("C"), Variant("H"), Variant("1"), Variant("1.0")};
    const std::vector<std::optional<Variant>> starts = {std::nullopt, Variant::R8(0.1),
                                                        Variant("1"), Variant::I4(7)};
    for (int r = 1; r <= 5; ++r) {
        const auto rule = static_cast<Rule>(r);  // 5 is a rule the holder does not know
        for (const auto& start : starts) {
            SCOPED_TRACE("rule " + std::to_string(r) +
                         (start ? " after " + literal::print(*start) : ""));
            for (const auto& run_ : doubleRuns) {
                std::vector<Variant> vs;
                for (double d : run_) vs.push_back(Variant::R8(d));
                EXPECT_EQ(run(rule, start,
                              [&](auto& h) { return h.funnelAll(std::span<const double>(run_)); }),
                          run(rule, start, [&](auto& h) { return oneByOne(h, vs); }));
                EXPECT_EQ(run(rule, start,
                              [&](auto& h) { return h.funnelAll(std::span<const Variant>(vs)); }),
                          run(rule, start, [&](auto& h) { return oneByOne(h, vs); }));
            }
            for (const auto& run_ : longRuns) {
                std::vector<Variant> vs;
                for (int32_t n : run_) vs.push_back(Variant::I4(n));
                EXPECT_EQ(run(rule, start,
                              [&](auto& h) { return h.funnelAll(std::span<const int32_t>(run_)); }),
                          run(rule, start, [&](auto& h) { return oneByOne(h, vs); }));
            }
            for (const auto& run_ : codeRuns) {
                std::vector<Variant> vs;
                for (uint32_t c : run_) vs.push_back(table[c]);
                EXPECT_EQ(run(rule, start, [&](auto& h) { return h.funnelCoded(run_, table); }),
                          run(rule, start, [&](auto& h) { return oneByOne(h, vs); }));
            }
        }
    }
}

}  // namespace
}  // namespace tav

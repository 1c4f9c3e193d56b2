// Value columns of the model: the plain forms they keep while they can, the Variant form they
// fall back to, and undo records that still restore after the column changed its form.
#include "host/model/Column.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "automation/values/TypedLiteral.h"

namespace tav::hostmodel {
namespace {

std::string shown(const Column& c, uint32_t row) {
    return literal::print(c.get(row));
}

TEST(Column, KeepsPlainFormsUntilTypesMix) {
    struct Case {
        Variant first, second;
        ColumnKind kind;
    };
    const Case cases[] = {
        {Variant::R8(1.5), Variant::R8(2), ColumnKind::Double},
        {Variant::I4(1), Variant::I4(2), ColumnKind::Long},
        {Variant("C"), Variant("O"), ColumnKind::Text},
        {Variant::R8(1.5), Variant::I4(2), ColumnKind::Any},
        {Variant::I2(1), Variant::I2(2), ColumnKind::Any},
        {Variant("C"), Variant::Null(), ColumnKind::Any},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(literal::print(c.first) + " then " + literal::print(c.second));
        Column col;
        col.set(0, c.first);
        col.set(5, c.second);
        EXPECT_EQ(col.kind(), c.kind);
        EXPECT_EQ(shown(col, 0), literal::print(c.first));
        EXPECT_EQ(shown(col, 5), literal::print(c.second));
        // Rows between and beyond were never set.
        EXPECT_EQ(shown(col, 3), "Empty");
        EXPECT_EQ(shown(col, 99), "Empty");
        col.set(0, Variant());
        EXPECT_EQ(shown(col, 0), "Empty");
    }
}

TEST(Column, UndoRecordsRestoreWhateverFormTheColumnTookSince) {
    Column col;
    const std::vector<uint32_t> rows = {0, 1, 2};
    col.set(0, Variant("C"));
    col.set(2, Variant("H"));
    const ColumnSlice before = col.gather(rows);
    col.fill(rows, Variant::R8(0.5));  // the column now holds Variants
    EXPECT_EQ(col.kind(), ColumnKind::Any);
    col.restore(rows, before);
    EXPECT_EQ(shown(col, 0), "Str:\"C\"");
    EXPECT_EQ(shown(col, 1), "Empty");
    EXPECT_EQ(shown(col, 2), "Str:\"H\"");
}

TEST(Column, TextsBeyondTheDictionaryAreKeptOneByOne) {
    Column col;
    for (uint32_t i = 0; i <= Column::MaxDictionary; ++i)
        col.set(i, Variant("n" + std::to_string(i)));
    EXPECT_EQ(col.kind(), ColumnKind::Any);
    EXPECT_EQ(shown(col, 7), "Str:\"n7\"");
    EXPECT_EQ(shown(col, static_cast<uint32_t>(Column::MaxDictionary)), "Str:\"n65536\"");
}

}  // namespace
}  // namespace tav::hostmodel

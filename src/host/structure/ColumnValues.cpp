#include "host/structure/ColumnValues.h"

#include <cmath>
#include <limits>

#include "automation/conversions/Conversions.h"
#include "automation/values/AutomationError.h"

namespace tav::structure::ColumnValues {

namespace {

template <class T, class Convert>
void convertEach(const hostmodel::Column* column, uint32_t rows, std::vector<T>& out,
                 std::optional<uint32_t>& bad, T failed, Convert convert) {
    out.resize(rows);
    for (uint32_t r = 0; r < rows; ++r) {
        const Variant v = column ? column->get(r) : Variant();
        out[r] = failed;
        bool ok = !v.isEmpty() && !v.isNull();
        if (ok) {
            try {
                out[r] = convert(v);
            } catch (const AutomationError&) {
                ok = false;
            }
        }
        if (!ok && !bad) bad = r;
    }
}

}  // namespace

TextColumn texts(const hostmodel::Column* column, uint32_t rows) {
    if (column && column->plainCodes() && column->holdsAll(rows)) {
        TextColumn out;
        out.codes.assign(column->plainCodes()->begin(), column->plainCodes()->begin() + rows);
        for (const Variant& t : column->dictionary()->texts()) out.texts.emplace_back(t.str());
        return out;
    }
    TextColumnBuilder b;
    b.reserve(rows);
    for (uint32_t r = 0; r < rows; ++r) {
        const Variant v = column ? column->get(r) : Variant();
        std::string s;
        if (!v.isEmpty() && !v.isNull()) {
            try {
                s = CStr(v);
            } catch (const AutomationError&) {
            }
        }
        b.add(s);
    }
    return b.finish();
}

Doubles doubles(const hostmodel::Column* column, uint32_t rows) {
    Doubles out;
    if (column && column->plainDoubles() && column->holdsAll(rows)) {
        out.values.assign(column->plainDoubles()->begin(), column->plainDoubles()->begin() + rows);
        return out;
    }
    convertEach(column, rows, out.values, out.bad, std::numeric_limits<double>::quiet_NaN(),
                [](const Variant& v) { return CDbl(v); });
    return out;
}

Longs longs(const hostmodel::Column* column, uint32_t rows) {
    Longs out;
    if (column && column->plainLongs() && column->holdsAll(rows)) {
        out.values.assign(column->plainLongs()->begin(), column->plainLongs()->begin() + rows);
        return out;
    }
    convertEach(column, rows, out.values, out.bad, 0, [](const Variant& v) { return CLng(v); });
    return out;
}

}  // namespace tav::structure::ColumnValues

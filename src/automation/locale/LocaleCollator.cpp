#include "automation/locale/LocaleCollator.h"

#include <unicode/ucol.h>

#include <climits>

namespace tav {

namespace {

UCollator* openCollator(const char* icuId) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* c = ucol_open(icuId, &status);
    if (U_SUCCESS(status)) return c;
    ucol_close(c);
    return nullptr;
}

// The collation APIs take int32 lengths; longer text is compared by its first 2 GB.
int32_t length(std::string_view s) {
    return s.size() > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(s.size());
}

}  // namespace

std::unique_ptr<LocaleCollator> LocaleCollator::open(const char* icuId) {
    UCollator* sensitive = openCollator(icuId);
    int32_t rulesLength = 0;
    if (sensitive) ucol_getRules(sensitive, &rulesLength);
    // No tailoring: the language sorts in the default order.
    if (rulesLength == 0) {
        ucol_close(sensitive);
        return nullptr;
    }
    UCollator* ignoring = openCollator(icuId);
    if (!ignoring) {
        ucol_close(sensitive);
        return nullptr;
    }
    ucol_setStrength(sensitive, UCOL_TERTIARY);
    ucol_setStrength(ignoring, UCOL_SECONDARY);
    return std::unique_ptr<LocaleCollator>(new LocaleCollator(sensitive, ignoring));
}

LocaleCollator::LocaleCollator(UCollator* caseSensitive, UCollator* ignoringCase)
    : caseSensitive_(caseSensitive), ignoringCase_(ignoringCase) {}

LocaleCollator::~LocaleCollator() {
    ucol_close(caseSensitive_);
    ucol_close(ignoringCase_);
}

int LocaleCollator::compare(std::string_view a, std::string_view b, bool ignoreCase) const {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(ignoreCase ? ignoringCase_ : caseSensitive_, a.data(),
                                                length(a), b.data(), length(b), &status);
    if (U_FAILURE(status)) return a.compare(b);
    return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

}  // namespace tav

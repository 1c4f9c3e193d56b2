#include "automation/locale/LocaleCollator.h"

#include <unicode/ucol.h>

#include <climits>

namespace tav {

namespace {

UCollator* openWithStrength(const char* icuId, UCollationStrength strength) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* c = ucol_open(icuId, &status);
    if (U_FAILURE(status)) {
        ucol_close(c);
        return nullptr;
    }
    ucol_setStrength(c, strength);
    return c;
}

// The collation APIs take int32 lengths; longer text is compared by its first 2 GB.
int32_t length(std::string_view s) {
    return s.size() > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(s.size());
}

}  // namespace

std::unique_ptr<LocaleCollator> LocaleCollator::open(const char* icuId) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* probe = ucol_open(icuId, &status);
    int32_t rulesLength = 0;
    if (U_SUCCESS(status)) ucol_getRules(probe, &rulesLength);
    ucol_close(probe);
    // No tailoring: the language sorts in the default order.
    if (U_FAILURE(status) || rulesLength == 0) return nullptr;
    UCollator* sensitive = openWithStrength(icuId, UCOL_TERTIARY);
    UCollator* ignoring = openWithStrength(icuId, UCOL_SECONDARY);
    if (!sensitive || !ignoring) {
        ucol_close(sensitive);
        ucol_close(ignoring);
        return nullptr;
    }
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

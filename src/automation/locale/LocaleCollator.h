#pragma once
#include <memory>
#include <string_view>

struct UCollator;

namespace tav {

// The string order of a language whose order differs from the platform's default one (Swedish
// puts å ä ö after z, Spanish ñ after n): the regional data's collator for it, opened once and
// then only read, which any number of threads may do at once.
class LocaleCollator {
  public:
    // The language's own order; null when it has none beyond the default order.
    static std::unique_ptr<LocaleCollator> open(const char* icuId);
    ~LocaleCollator();
    LocaleCollator(const LocaleCollator&) = delete;
    LocaleCollator& operator=(const LocaleCollator&) = delete;

    // <0, 0 or >0 as a sorts before, with or after b; case counts unless `ignoreCase`.
    int compare(std::string_view a, std::string_view b, bool ignoreCase) const;

  private:
    LocaleCollator(UCollator* caseSensitive, UCollator* ignoringCase);
    UCollator* caseSensitive_;
    UCollator* ignoringCase_;
};

}  // namespace tav

#include "host/state/XercesRuntime.h"

#include <mutex>

#include <xercesc/util/PlatformUtils.hpp>

#include "sources/ContainerInits.h"

namespace tav::XercesRuntime {

namespace {

constexpr char32_t kHighSurrogateFirst = 0xD800, kLowSurrogateFirst = 0xDC00, kSurrogateEnd = 0xE000;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kSupplementaryBase = 0x10000;
constexpr int kSurrogateBits = 10;

// The library stays started for as long as this lives. Its starts and ends are counted by the
// library without a lock, so they take the one the host install's start-up takes too.
class Started {
public:
    Started() {
        const std::lock_guard lock(ContainerInits::ParserStartLock());
        xercesc::XMLPlatformUtils::Initialize();
    }
    ~Started() {
        const std::lock_guard lock(ContainerInits::ParserStartLock());
        xercesc::XMLPlatformUtils::Terminate();
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

void ensureStarted() {
    static const Started started;
    (void)started;
}

std::string utf8(const XMLCh* text) {
    std::string out;
    if (!text) return out;
    for (const XMLCh* p = text; *p; ++p) {
        char32_t c = *p;
        if (c >= kHighSurrogateFirst && c < kLowSurrogateFirst) {
            const char32_t low = p[1];
            if (low >= kLowSurrogateFirst && low < kSurrogateEnd) {
                c = kSupplementaryBase + ((c - kHighSurrogateFirst) << kSurrogateBits) + (low - kLowSurrogateFirst);
                ++p;
            } else {
                c = kReplacement;
            }
        } else if (c >= kLowSurrogateFirst && c < kSurrogateEnd) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace tav::XercesRuntime

#pragma once
#include <cstdint>
#include <exception>
#include <string>

namespace tav {

// The one exception type of the library: an automation error with number, source and
// description, as VB's Err object carries them.
class AutomationError : public std::exception {
public:
    AutomationError(int32_t number, std::string source, std::string description)
        : number_(number), source_(std::move(source)), description_(std::move(description)) {}

    // An error with the standard text of its number and no source.
    explicit AutomationError(int32_t number);

    int32_t number() const noexcept { return number_; }
    const std::string& source() const noexcept { return source_; }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

    // Prefixes the source as a part that adds context does: "Class/" + old source.
    void prefixSource(std::string_view prefix) { source_.insert(0, prefix); }

private:
    int32_t number_;
    std::string source_;
    std::string description_;
};

// Shorthands for the errors the Variant layer raises with their standard texts.
[[noreturn]] void throwError(int32_t number);
[[noreturn]] void throwTypeMismatch();
[[noreturn]] void throwOverflow();

}  // namespace tav

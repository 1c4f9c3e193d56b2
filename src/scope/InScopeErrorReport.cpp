#include "scope/InScopeErrorReport.h"

#include <cstdio>

#include "automation/objects/Prompts.h"
#include "scope/InScopeText.h"

namespace tav::InScopeErrorReport {

namespace T = InScopeText;

std::string hex(int32_t number) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<uint32_t>(number));
    return buf;
}

std::string text(std::string_view message, const AutomationError& e) {
    std::string out(message);
    out += T::LineBreak;
    out += T::ReportError;
    out += e.description();
    out += T::LineBreak;
    out += T::ReportNumber;
    out += hex(e.number());
    out += T::LineBreak;
    out += T::ReportSource;
    out += e.source();
    return out;
}

void show(std::string_view message, const AutomationError& e) {
    currentPrompts().messageBox(text(message, e), msgbox::OKOnly + msgbox::Critical, T::ClassName);
}

}  // namespace tav::InScopeErrorReport

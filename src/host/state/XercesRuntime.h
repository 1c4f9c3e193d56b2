#pragma once
#include <string>

#include <xercesc/util/XercesDefs.hpp>

// The XML parser library as the state system uses it.
namespace tav::XercesRuntime {

// Starts the parser library for this process on first use and ends it when the process ends;
// a thread that calls this while another thread starts the library waits until it is started.
// The library counts its starts and ends, so whoever else starts it in the process (the
// library's own start-up of the host install, for one, under the same lock) neither disturbs
// nor is disturbed.
void ensureStarted();

// Text from the parser (UTF-16) as UTF-8; nullptr gives the empty string.
std::string utf8(const XMLCh* text);

}  // namespace tav::XercesRuntime

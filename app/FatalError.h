#pragma once
#include <string>

namespace jiaoyan::app {

// The fatal report's text: the four pieces, without anything between them.
std::string fatalErrorText(const std::string& message, int code, int where1, int where2);

// Shows the fatal box ("错误", error icon, OK), drops the exit routines uncalled
// and ends the process with exit code -1. Never returns.
[[noreturn]] void reportFatalError(const std::string& message, int code, int where1, int where2);

// The message for memory that could not be allocated.
std::string allocationFailureMessage(std::size_t bytes);

} // namespace jiaoyan::app

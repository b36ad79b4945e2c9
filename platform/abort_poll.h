// The Escape poll: the library asks before every pixel whether the user wants the plot stopped. The
// program (or a command-line front end, or a test) installs the check; with none installed nothing stops.
#pragma once

#include <cstdint>

namespace zenphra::platform {

using AbortPoll = int32_t (*)();

void InstallAbortPoll(AbortPoll poll);

// True when the installed poll reports Escape. Costs one indirect call, or nothing without a poll.
bool AbortRequested();

}  // namespace zenphra::platform

#include "cli/interrupt.h"

#include <atomic>
#include <csignal>
#include <cstdint>

#include "app/common/engine_api.h"

namespace zenphra::cli {
namespace {

// Set by the signal handler, read by the library's poll: lock-free, so both are safe anywhere.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) { interrupted.store(true, std::memory_order_relaxed); }

// The library may ask more than once a pixel; it stops the row at the first 1.
int32_t PollInterrupt() { return interrupted.load(std::memory_order_relaxed) ? 1 : 0; }

}  // namespace

void StopPlotOnInterrupt() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    action.sa_flags = SA_RESETHAND;  // the second Ctrl-C meets the default action, which ends the program
    sigaction(SIGINT, &action, nullptr);
    app::Engine().SetAbortPoll(PollInterrupt);
}

bool InterruptRequested() { return interrupted.load(std::memory_order_relaxed); }

}  // namespace zenphra::cli

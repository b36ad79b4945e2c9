#include "platform/abort_poll.h"

#include <atomic>

namespace zenphra::platform {
namespace {
std::atomic<AbortPoll> installedPoll{nullptr};
}

void InstallAbortPoll(AbortPoll poll) { installedPoll.store(poll, std::memory_order_relaxed); }

bool AbortRequested() {
    const AbortPoll poll = installedPoll.load(std::memory_order_relaxed);
    return poll != nullptr && poll() != 0;
}

}  // namespace zenphra::platform

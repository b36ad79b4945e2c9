#include "engine/plot_path.h"

#include <cstdlib>
#include <cstring>

namespace zenphra {
namespace {

bool& Plain() {
    static bool plain = [] {
        const char* setting = std::getenv("ZENPHRA_SCALAR");
        return setting != nullptr && std::strcmp(setting, "1") == 0;
    }();
    return plain;
}

bool& RepeatShortcut() {
    static bool allowed = true;
    return allowed;
}

}  // namespace

bool PlainPlotForced() { return Plain(); }
void ForcePlainPlot(bool plain) { Plain() = plain; }

bool RepeatShortcutAllowed() { return RepeatShortcut(); }
void AllowRepeatShortcut(bool allowed) { RepeatShortcut() = allowed; }

}  // namespace zenphra

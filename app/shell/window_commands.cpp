#include "app/shell/window_commands.h"

namespace zenphra::app {

QString BandingCommandText(int32_t banding) {
    return banding != 0 ? QStringLiteral("Remove Image &Banding") : QStringLiteral("Allow Image &Banding");
}

QString BandingLabelText(int32_t banding) {
    return banding != 0 ? QStringLiteral("Banding :  ON") : QStringLiteral("Banding :  OFF");
}

}  // namespace zenphra::app

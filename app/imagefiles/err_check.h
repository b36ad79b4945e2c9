// Turns a plotting library result into a message: every library call that can fail hands its result
// here, with the file concerned.
#pragma once

#include <QString>
#include <cstdint>

namespace zenphra::app {

// Shows the message for a failure code and returns true; returns false without a message for a success
// (0 or a positive bitmap handle), for a plot stopped with Escape (-7) and for codes it does not know.
// `path` is the file concerned, empty where there is none.
bool ErrCheck(int32_t code, const QString& path);

}  // namespace zenphra::app

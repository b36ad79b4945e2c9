// The busy pointer over the whole program while it lives: a command that reads or writes a file shows
// it and takes it away on every way out.
#pragma once

#include <QApplication>

namespace zenphra::app {

class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace zenphra::app

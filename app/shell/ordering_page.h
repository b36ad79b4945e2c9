// The maker's ordering page, which the About box's link and the tutorial's order button open in the
// user's default web browser.
#pragma once

#include <QString>

namespace zenphra::app {

inline const QString kOrderingPage = QStringLiteral("https://www.quorvex-talmy.example/order.html");

// The link and the order button ignore the first click after their window opened, so the click that
// brings the window to the front never opens a browser by accident.
class FirstClickGuard {
  public:
    // False for the first click, true for every later one.
    bool Pass() {
        const bool passed = !armed_;
        armed_ = false;
        return passed;
    }

  private:
    bool armed_ = true;
};

// Hands the ordering page to the desktop's handler for web addresses, which opens it in the default
// browser; when none answers, says "Unable to locate default web browser.".
void OpenOrderingPage();

}  // namespace zenphra::app

// The About box: the program's version, our notice, what this edition is, and a link to the page
// where the full program can be ordered. Modal; it lives only while it is shown.
#pragma once

#include <QDialog>

#include "app/shell/form_position.h"
#include "app/shell/ordering_page.h"

class QLineEdit;

namespace zenphra::app {

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    AboutBox(const WindowPositions& positions, QWidget* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* txtLink_;
    FirstClickGuard linkGuard_;
};

// Shows the About box over `parent` and returns when the user has closed it.
void ShowAbout(const WindowPositions& positions, QWidget* parent);

}  // namespace zenphra::app

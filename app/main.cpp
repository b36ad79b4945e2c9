// The program: the explorer window, once its plotting library has been found beside it.
#include <QApplication>
#include <QIcon>

#include "app/common/engine_api.h"
#include "app/explorer/explorer_window.h"
#include "app/imagefiles/file_dialog_box.h"
#include "app/shell/message_box.h"
#include "app/shell/startup_check.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Every window carries the program's icon, and the desktop matches them to its entry zenphra.desktop.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenphra.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("zenphra"));
    zenphra::app::InstallMessageBoxPresenter();
    zenphra::app::InstallFileDialogPresenter();
    if (!zenphra::app::CheckEngineLibrary(zenphra::app::EngineLibraryPath())) return 1;
    zenphra::app::ExplorerWindow window;
    window.show();
    return QApplication::exec();
}

// Shows a colormap editor over a plotted picture, for a person to look at or to drive with a real mouse:
//   color_editor_preview RANGES rgb|hls [SCREENSHOT.png]
// With a file name the whole screen is saved to it once the editor is up, and the program ends. Without
// one the editor stays until it is closed; it prints where the hue triangle's strip lies on the screen
// ("hue-strip X Y", the triangle's own coordinates) when it opens, and the hue label and the colour of
// the selected box whenever a triangle is let go ("dropped H COLOUR").
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/colormaps/color_editor_dialog.h"
#include "app/colormaps/hls_picker.h"
#include "tests/gui/editor_host.h"

int main(int argc, char* argv[]) {
    using namespace zenphra::app;
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: color_editor_preview RANGES rgb|hls [SCREENSHOT.png]\n");
        return 2;
    }
    EditorHost host(arguments[1].toInt(), QSize(512, 384));
    host.usingHLS = arguments[2] == QStringLiteral("hls");
    host.move(0, 0);
    host.show();
    ColorEditorDialog editor(host.Context(), &host);

    const QString screenshot = arguments.size() > 3 ? arguments[3] : QString();
    auto* hue = editor.findChild<HlsPicker*>(QStringLiteral("picHue"));
    QObject::connect(hue, &HlsPicker::Dropped, [&] {
        std::printf("dropped %d %d\n", editor.Editor().Pickers().Label(HlsStrip::kHue),
                    editor.Editor().BoxColor(editor.Editor().Selected()));
        std::fflush(stdout);
    });
    QTimer::singleShot(500, [&] {
        if (screenshot.isEmpty()) {
            const QPoint strip = hue->mapToGlobal(hue->TriangleOrigin());
            std::printf("hue-strip %d %d\n", strip.x(), strip.y());
            std::fflush(stdout);
            return;
        }
        QApplication::primaryScreen()->grabWindow(0).save(screenshot);
        editor.accept();
    });
    editor.exec();
    return 0;
}

// Running the real zenphra-render that lies beside the test, and reading the images it writes back
// through the library.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "app/imagefiles/fractal_text.h"

namespace zenphra::cli {

struct RunResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program beside the test.
QString RendererPath();

// Runs the program to its end with the arguments (without the program's name), in this environment.
RunResult RunRenderer(const QStringList& arguments,
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Starts the program and leaves it running.
void StartRenderer(QProcess& process, const QStringList& arguments,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The text of a saved image as the explorer reads it; a failed read fails the test.
app::FractalTextRecord ReadImageText(const QString& path);

// The palette index of every pixel, row by row, as the library reads the file back. Only for images of at
// most 512 x 384 pixels, which the library shows whole.
QByteArray IndexBytes(const QString& path);

}  // namespace zenphra::cli

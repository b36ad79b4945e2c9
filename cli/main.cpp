// zenphra-render: plots fractals without a window, through the same library and logic as the explorer,
// and writes image files the explorer opens.
#include <QCoreApplication>
#include <cstdio>

#include "app/common/engine_api.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/join.h"
#include "cli/strips.h"
#include "cli/zoom_movie.h"

using namespace zenphra::cli;

namespace {

ExitStatus Run(const CommandLine& line) {
    // The library reads and writes the palette for the whole run.
    static zenphra::app::PaletteArrays palette;
    const zenphra::app::EngineApi& engine = zenphra::app::Engine();
    engine.SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(), palette.PalBlu.data());
    switch (line.command) {
        case Command::kResume:
            return ResumeImage(line, palette);
        case Command::kInfo:
            return PrintImageEntry(line, palette);
        case Command::kList:
            return PrintEntryNames(line);
        case Command::kMovie:
            return RenderMovie(line, palette);
        case Command::kStrip:
            return RenderStrip(line, palette);
        case Command::kJoin:
            return JoinStrips(line, palette);
        default:
            return RenderImage(line, palette);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    PrintMessagesOnStandardError();

    const std::optional<CommandLine> line = ParseCommandLine(QCoreApplication::arguments());
    if (!line) return kBadInput;
    if (line->command == Command::kHelp) {
        std::fputs(qPrintable(HelpText()), stdout);
        return kFinished;
    }
    if (line->command == Command::kVersion) {
        std::printf("%s %s (Quorvex-Talmy Fractals Lite)\n", kProgramName, ZENPHRA_VERSION);
        return kFinished;
    }
    if (!BindLibraryBesideProgram()) return kBadInput;
    const ExitStatus status = Run(*line);
    zenphra::app::Engine().DllCleanup();
    return status;
}

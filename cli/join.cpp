#include "cli/join.h"

#include <stdlib.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/common/engine_api.h"
#include "app/common/messages.h"
#include "app/imagefiles/err_check.h"
#include "app/imagefiles/image_save.h"
#include "app/imagefiles/image_support.h"
#include "cli/console.h"
#include "cli/input_files.h"
#include "cli/leftover_files.h"
#include "cli/png_rows.h"
#include "cli/saved_rows.h"
#include "cli/strip_choice.h"

namespace zenphra::cli {
namespace {

constexpr uint8_t kNotPlotted = app::kNotPlottedEntry;

struct Strip {
    QString path;
    RowSpan rows;
};

// What a strip is not, in one line, or nothing.
using Problem = std::optional<QString>;

Problem Refused(const QString& text) { return text; }

// How a strip differs from the first one given, or empty when it is of the same image.
QString Difference(const app::FractalTextRecord& strip, const app::FractalTextRecord& first) {
    if (strip.params.HorRes != first.params.HorRes || strip.params.VertRes != first.params.VertRes) {
        return QStringLiteral("its size is %1x%2, not %3x%4")
            .arg(strip.params.HorRes)
            .arg(strip.params.VertRes)
            .arg(first.params.HorRes)
            .arg(first.params.VertRes);
    }
    if (strip.params != first.params) return QStringLiteral("its parameters differ");
    if (!SameImage(strip, first)) return QStringLiteral("its colours differ");
    return {};
}

// Reads the strip's rows: from the first one with a plotted pixel to its resume row, each of them plotted
// whole. The reader must be at the first row of a width x height image.
Problem ReadPlottedRows(PngRowReader& reader, const QString& path, int32_t resumeRow, Strip& strip) {
    std::vector<uint8_t> row(static_cast<size_t>(reader.width()));
    const auto plotted = [&row] { return std::ranges::find(row, kNotPlotted) == row.end(); };
    int32_t first = 0;
    for (; first < resumeRow; ++first) {
        if (!reader.ReadRow(row.data())) return Refused(QStringLiteral("\"%1\" could not be read").arg(path));
        if (std::ranges::any_of(row, [](uint8_t index) { return index != kNotPlotted; })) break;
    }
    if (first >= resumeRow) {
        return Refused(QStringLiteral("\"%1\" has no finished rows; run its strip again").arg(path));
    }
    for (int32_t y = first; y < resumeRow; ++y) {
        if (y > first && !reader.ReadRow(row.data())) {
            return Refused(QStringLiteral("\"%1\" could not be read").arg(path));
        }
        if (!plotted()) {
            return Refused(
                QStringLiteral("\"%1\" is no strip: row %2 is not plotted whole").arg(path).arg(y));
        }
    }
    strip = {path, {first, resumeRow}};
    return std::nullopt;
}

// Checks every strip and finds its rows; `image` takes the first strip's text. False after the message.
bool ReadStrips(const QStringList& paths, app::PaletteArrays& palette, app::FractalTextRecord& image,
                std::vector<Strip>& strips) {
    for (const QString& path : paths) {
        // Read as the explorer reads an image, with its checks and messages.
        if (!ReadSavedImage(path, palette)) return false;
        const app::FractalTextRecord record =
            app::ParseFractalText(app::LibraryFractalText(), app::LibraryFractalLocation()).record;
        if (strips.empty()) image = record;
        const QString difference = Difference(record, image);
        if (!difference.isEmpty()) {
            app::ShowMessage(QStringLiteral("\"%1\" is not a strip of the image \"%2\" is: %3")
                                 .arg(path, paths.constFirst(), difference));
            return false;
        }
        PngRowReader reader(path);
        Strip strip;
        Problem problem =
            reader.ok() && reader.width() == record.params.HorRes && reader.height() == record.params.VertRes
                ? ReadPlottedRows(reader, path, record.StartY, strip)
                : Refused(QStringLiteral("\"%1\" could not be read").arg(path));
        if (problem) {
            app::ShowMessage(*problem);
            return false;
        }
        strips.push_back(strip);
    }
    return true;
}

// Every row in exactly one strip; the strips then stand in the order of their rows.
Problem CoverageProblem(std::vector<Strip>& strips, int32_t height) {
    std::ranges::sort(strips, {}, [](const Strip& strip) { return strip.rows.first; });
    int32_t next = 0;
    const Strip* previous = nullptr;
    for (const Strip& strip : strips) {
        if (strip.rows.first > next) {
            return Refused(
                QStringLiteral("rows %1 to %2 are in none of the strips: a strip is missing, or was "
                               "stopped before its end and must be run again")
                    .arg(next)
                    .arg(strip.rows.first - 1));
        }
        if (strip.rows.first < next) {
            return Refused(QStringLiteral("rows %1 to %2 are in both \"%3\" and \"%4\"")
                               .arg(strip.rows.first)
                               .arg(std::min(next, strip.rows.end) - 1)
                               .arg(previous->path, strip.path));
        }
        next = strip.rows.end;
        previous = &strip;
    }
    if (next < height) {
        return Refused(QStringLiteral("rows %1 to %2 are in none of the strips: a strip is missing, or was "
                                      "stopped before its end and must be run again")
                           .arg(next)
                           .arg(height - 1));
    }
    return std::nullopt;
}

Problem PathProblem(const CommandLine& line) {
    QStringList seen;
    const QString output = QFileInfo(line.output).absoluteFilePath();
    for (const QString& path : line.strips) {
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (seen.contains(absolute)) return Refused(QStringLiteral("\"%1\" is given twice").arg(path));
        if (absolute == output) {
            return Refused(
                QStringLiteral("\"%1\" is one of the strips; the joined image needs a name of its own")
                    .arg(line.output));
        }
        seen << absolute;
    }
    return std::nullopt;
}

PngPalette CurrentPalette(const app::PaletteArrays& palette) {
    PngPalette colours;
    for (size_t entry = 0; entry < colours.size(); ++entry) {
        colours[entry] = {palette.PalRed[entry], palette.PalGrn[entry], palette.PalBlu[entry]};
    }
    return colours;
}

// Writes the rows of the strips, in order, as an image file into `file`; false when anything failed.
bool WriteJoinedRowsTo(std::FILE* file, const std::vector<Strip>& strips, const app::FractalTextRecord& image,
                       const QByteArray& text, const app::PaletteArrays& palette) {
    const int32_t width = image.params.HorRes;
    // Under the library's own keyword, as the first strip carries it, so that the library takes the file.
    const PngRowReader first(strips.front().path);
    PngRowWriter writer(file, width, image.params.VertRes, CurrentPalette(palette), first.keyword(), text);
    std::vector<uint8_t> row(static_cast<size_t>(width));
    for (const Strip& strip : strips) {
        PngRowReader reader(strip.path);
        for (int32_t y = 0; y < strip.rows.end && reader.ReadRow(row.data()); ++y) {
            if (y >= strip.rows.first && !writer.WriteRow(row.data())) return false;
        }
        if (!reader.ok()) return false;
    }
    return writer.Finish();
}

// Writes the joined rows into a new file of a name no other file has in `folder`, and returns its path;
// empty when anything failed, and then no such file is left.
QString WriteJoinedRows(const QString& folder, const std::vector<Strip>& strips,
                        const app::FractalTextRecord& image, const QByteArray& text,
                        const app::PaletteArrays& palette) {
    QByteArray path = QFile::encodeName(folder) + "/.zenphra-join-XXXXXX.tmp";
    const int descriptor = ::mkstemps(path.data(), 4);
    if (descriptor < 0) return {};
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (file == nullptr) ::close(descriptor);
    const bool written = file != nullptr && WriteJoinedRowsTo(file, strips, image, text, palette);
    const bool closed = file != nullptr && std::fclose(file) == 0;
    if (written && closed) return QFile::decodeName(path);
    ::unlink(path.constData());
    return {};
}

}  // namespace

ExitStatus JoinStrips(const CommandLine& line, app::PaletteArrays& palette) {
    if (const Problem problem = PathProblem(line)) {
        app::ShowMessage(*problem);
        return kBadInput;
    }
    app::FractalTextRecord image;
    std::vector<Strip> strips;
    if (!ReadStrips(line.strips, palette, image, strips)) return kBadInput;
    if (const Problem problem = CoverageProblem(strips, image.params.VertRes)) {
        app::ShowMessage(*problem);
        return kBadInput;
    }
    const std::optional<QByteArray> text =
        app::FractalTextToSave(image.params, image.params.VertRes, palette);
    if (!text) return kBadInput;

    // The rows go through a file of their own that the library reads in, so that the joined image is
    // written by the library from the very indices, palette and text a single render gives it.
    const QFileInfo output(line.output);
    const QString joined = WriteJoinedRows(output.absolutePath(), strips, image, *text, palette);
    if (joined.isEmpty()) {
        app::ShowMessage(QStringLiteral("\"%1\" could not be written").arg(line.output));
        return kNotWritten;
    }
    const int32_t read = app::Engine().ReadFractalFile(QFile::encodeName(joined).constData());
    QFile::remove(joined);
    if (app::ErrCheck(read, joined)) return kNotWritten;
    if (!app::SaveImageFile(line.output, image.params, image.params.VertRes, palette)) return kNotWritten;

    QStringList folders{output.absolutePath()};
    for (const Strip& strip : strips) folders << QFileInfo(strip.path).absolutePath();
    const QStringList removed = RemoveLeftovers(folders, image);
    if (!removed.isEmpty()) {
        PrintNote(line.quiet, QStringLiteral("removed %1 left behind by killed tasks: %2")
                                  .arg(removed.size() == 1 ? QStringLiteral("a file")
                                                           : QStringLiteral("%1 files").arg(removed.size()),
                                       removed.join(QStringLiteral(", "))));
    }
    return kFinished;
}

}  // namespace zenphra::cli

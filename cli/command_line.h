// The renderer's command line: which command it asks for, the file it starts from, the field settings
// in the order given, and where the image goes.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "cli/field_options.h"
#include "cli/movie_options.h"
#include "cli/strip_choice.h"

namespace zenphra::cli {

enum class Command {
    kRender,  // plot a new image and save it
    kMovie,   // plot the frames of a zoom movie and save them
    kStrip,   // plot one row strip of an image and save it in a file of its own
    kJoin,    // join the strips of an image into one image file
    kResume,  // plot the rest of a half-finished image and save it
    kInfo,    // print a saved image's parameters as a parameter-file entry
    kList,    // print the entry names of a parameter file
    kHelp,
    kVersion,
};

// What a new image starts from before its field settings apply.
enum class Source { kDefaults, kParameterEntry, kImage };

struct CommandLine {
    Command command = Command::kRender;
    Source source = Source::kDefaults;
    QString input;      // the file of --prm, --from, --resume, --info or --list
    QString entryName;  // --entry
    std::vector<FieldSetting> settings;
    std::vector<FieldSetting> movie;  // the movie options, read once the library is bound
    QString output;                   // for --resume the image itself unless --output names another file
    StripChoice strip;                // --strip
    QStringList strips;               // the strip files of --join
    bool quiet = false;
};

// Reads the arguments, the program's own name first. Shows one message naming the problem and returns
// nothing when they do not make one command.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments);

// Every option with its default, the lists' captions and codes, and the exit statuses.
QString HelpText();

}  // namespace zenphra::cli

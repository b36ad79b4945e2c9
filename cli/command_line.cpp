#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QHash>
#include <algorithm>

#include "app/common/messages.h"
#include "cli/list_names.h"

namespace zenphra::cli {
namespace {

constexpr qsizetype kHelpWidth = 100;

const QString kOutput = QStringLiteral("output");
const QString kPrm = QStringLiteral("prm");
const QString kEntry = QStringLiteral("entry");
const QString kFrom = QStringLiteral("from");
const QString kResume = QStringLiteral("resume");
const QString kInfo = QStringLiteral("info");
const QString kList = QStringLiteral("list");
const QString kStrip = QStringLiteral("strip");
const QString kJoin = QStringLiteral("join");
const QString kQuiet = QStringLiteral("quiet");
const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral(
        "Plots a fractal row by row with the Quorvex-Talmy Fractals Lite library and saves it as "
        "an image file that the explorer opens and explores further.\n\n"
        "  zenphra-render [image options] --output FILE.png\n"
        "  zenphra-render --prm FILE.prm --entry NAME [image options] --output FILE.png\n"
        "  zenphra-render --from IMAGE.png [image options] --output FILE.png\n"
        "  zenphra-render [--prm FILE.prm --entry NAME | --from IMAGE.png] [image options]\n"
        "                 --frames N [--zoom-to X] [--turn DEGREES] [--center-to RE,IM]\n"
        "                 [--frame-range A-B | --video FILE.mp4 [--fps RATE]] --output NAME.png\n"
        "  zenphra-render [--prm FILE.prm --entry NAME | --from IMAGE.png] [image options]\n"
        "                 --strip K/N --output NAME.png\n"
        "  zenphra-render --join FILE.png STRIP.png...\n"
        "  zenphra-render --resume IMAGE.png [--output FILE.png]\n"
        "  zenphra-render --info IMAGE.png >> FILE.prm\n"
        "  zenphra-render --list FILE.prm"));
    parser.addOptions({
        {{QStringLiteral("o"), kOutput},
         QStringLiteral(
             "The image file to write, ending in .png; --resume writes the image it continues unless "
             "this names another file."),
         QStringLiteral("file")},
        {kPrm, QStringLiteral("Start from the parameters and colours of an entry of a parameter file."),
         QStringLiteral("file")},
        {kEntry, QStringLiteral("The name of that entry."), QStringLiteral("name")},
        {kFrom, QStringLiteral("Start from everything a saved image holds, its size included."),
         QStringLiteral("image")},
        {kResume,
         QStringLiteral(
             "Plot the rest of a half-finished image from the row it was stopped at, then save it."),
         QStringLiteral("image")},
        {kInfo, QStringLiteral("Print the parameters of a saved image as a parameter-file entry."),
         QStringLiteral("image")},
        {kList, QStringLiteral("Print the entry names of a parameter file."), QStringLiteral("file")},
        {kStrip,
         QStringLiteral("Plot only the K-th of N row strips of the image, as one task of a render farm does, "
                        "into NAME-strip-K-of-N.png for --output NAME.png: an image file of the whole image "
                        "with the strip's rows plotted. The same command continues a stopped strip."),
         QStringLiteral("K/N")},
        {kJoin,
         QStringLiteral("Join the strip files given after the options into one image file, the very file a "
                        "single render of the image writes. The strips must be of one image and cover "
                        "every row once."),
         QStringLiteral("file")},
        {{QStringLiteral("q"), kQuiet}, QStringLiteral("Show no progress while plotting.")},
        {{QStringLiteral("h"), kHelp}, QStringLiteral("Show this help.")},
        {kVersion, QStringLiteral("Show the version.")},
    });
    for (const FieldOption& option : FieldOptions()) {
        parser.addOption({option.name, option.help, option.valueName});
    }
    parser.addOptions(MovieOptions());
}

std::optional<CommandLine> Refuse(const QString& problem) {
    app::ShowMessage(problem + QStringLiteral(" (see --help)"));
    return std::nullopt;
}

bool IsFieldOption(const QString& name) {
    return std::ranges::any_of(FieldOptions(),
                               [&name](const FieldOption& option) { return option.name == name; });
}

// The field settings in the order they stand on the command line.
std::vector<FieldSetting> SettingsInOrder(const QCommandLineParser& parser) {
    std::vector<FieldSetting> settings;
    QHash<QString, qsizetype> used;
    for (const QString& name : parser.optionNames()) {
        if (IsFieldOption(name)) settings.push_back({name, parser.values(name).at(used[name]++)});
    }
    return settings;
}

// Checks that the options fit the command; the problem, or nothing.
QString ProblemWith(const CommandLine& line, bool outputGiven) {
    if (line.command == Command::kInfo || line.command == Command::kList) {
        const bool alone = line.settings.empty() && !outputGiven;
        return alone ? QString()
                     : QStringLiteral("--%1 takes no other options")
                           .arg(line.command == Command::kInfo ? kInfo : kList);
    }
    if (line.command == Command::kResume && !line.settings.empty()) {
        return QStringLiteral("--resume continues the image as it was saved and takes no --%1")
            .arg(line.settings.front().name);
    }
    if (line.command == Command::kRender && !outputGiven) {
        return QStringLiteral("--output FILE.png is needed");
    }
    if (!line.output.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return QStringLiteral("--output: \"%1\" does not end in .png").arg(line.output);
    }
    return {};
}

// The option that asks for a command that starts from a file.
QString CommandOption(Command command) {
    return command == Command::kResume ? kResume : command == Command::kInfo ? kInfo : kList;
}

// --join OUT.png STRIP...: the strips and --quiet, nothing else.
std::optional<CommandLine> ParseJoin(const QCommandLineParser& parser) {
    const QStringList others{kOutput, kPrm, kEntry, kFrom, kResume, kInfo, kList, kStrip};
    const bool alone =
        std::ranges::none_of(others, [&parser](const QString& name) { return parser.isSet(name); }) &&
        SettingsInOrder(parser).empty() && MovieSettings(parser).empty();
    if (!alone) return Refuse(QStringLiteral("--join takes only the strip files and --quiet"));
    CommandLine line;
    line.command = Command::kJoin;
    line.output = parser.value(kJoin);
    line.strips = parser.positionalArguments();
    line.quiet = parser.isSet(kQuiet);
    if (!line.output.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return Refuse(QStringLiteral("--join: \"%1\" does not end in .png").arg(line.output));
    }
    if (line.strips.isEmpty())
        return Refuse(QStringLiteral("--join FILE.png needs the strip files after it"));
    return line;
}

// The text after its heading, broken between its items (words, or the entries of a list) to fit the
// help's width.
QString Wrapped(const QString& heading, const QString& text, const QString& separator = QStringLiteral(" ")) {
    const QStringList items = text.split(separator);
    QString wrapped = heading;
    qsizetype lineStart = 0;
    for (qsizetype item = 0; item < items.size(); ++item) {
        const QString piece = items[item] + (item + 1 < items.size() ? separator.trimmed() : QString());
        if (wrapped.size() - lineStart + 1 + piece.size() > kHelpWidth) {
            wrapped += QStringLiteral("\n ");
            lineStart = wrapped.size() - 1;
        }
        wrapped += QLatin1Char(' ') + piece;
    }
    return wrapped + QLatin1Char('\n');
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) return Refuse(parser.errorText());

    CommandLine line;
    if (parser.isSet(kHelp) || parser.isSet(kVersion)) {
        line.command = parser.isSet(kHelp) ? Command::kHelp : Command::kVersion;
        return line;
    }
    if (parser.isSet(kJoin)) return ParseJoin(parser);
    if (!parser.positionalArguments().isEmpty()) {
        return Refuse(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst()));
    }
    const QStringList inputs{kPrm, kFrom, kResume, kInfo, kList};
    const auto inputCount =
        std::ranges::count_if(inputs, [&parser](const QString& name) { return parser.isSet(name); });
    if (inputCount > 1) {
        return Refuse(QStringLiteral("use only one of --prm, --from, --resume, --info and --list"));
    }
    if (parser.isSet(kEntry) && !parser.isSet(kPrm)) {
        return Refuse(QStringLiteral("--entry needs --prm FILE"));
    }

    for (const QString& name : inputs) {
        if (parser.isSet(name)) line.input = parser.value(name);
    }
    if (parser.isSet(kResume)) line.command = Command::kResume;
    if (parser.isSet(kInfo)) line.command = Command::kInfo;
    if (parser.isSet(kList)) line.command = Command::kList;
    if (parser.isSet(kPrm)) line.source = Source::kParameterEntry;
    if (parser.isSet(kFrom)) line.source = Source::kImage;
    line.entryName = parser.value(kEntry);
    line.settings = SettingsInOrder(parser);
    line.output = parser.isSet(kOutput) ? parser.value(kOutput) : line.input;
    line.quiet = parser.isSet(kQuiet);

    const QString problem = ProblemWith(line, parser.isSet(kOutput));
    if (!problem.isEmpty()) return Refuse(problem);
    line.movie = MovieSettings(parser);
    if (parser.isSet(kStrip)) {
        if (line.command != Command::kRender) {
            return Refuse(QStringLiteral("--strip does not go with --%1").arg(CommandOption(line.command)));
        }
        if (!line.movie.empty()) {
            return Refuse(QStringLiteral("--%1 does not go with --strip").arg(line.movie.front().name));
        }
        const std::optional<StripChoice> strip = ParseStripChoice(parser.value(kStrip));
        if (!strip) {
            return Refuse(QStringLiteral("--strip: \"%1\" is not a strip K/N with K from 1 to N, such as 2/8")
                              .arg(parser.value(kStrip)));
        }
        line.command = Command::kStrip;
        line.strip = *strip;
        return line;
    }
    if (!line.movie.empty()) {
        if (line.command != Command::kRender) {
            return Refuse(QStringLiteral("--%1 does not go with --%2")
                              .arg(line.movie.front().name, CommandOption(line.command)));
        }
        const QString movieProblem = MovieOptionsProblem(parser);
        if (!movieProblem.isEmpty()) return Refuse(movieProblem);
        line.command = Command::kMovie;
    }
    return line;
}

QString HelpText() {
    QCommandLineParser parser;
    AddOptions(parser);
    return parser.helpText() + QStringLiteral("\n") +
           Wrapped(
               QStringLiteral("Image options apply from left to right:"),
               QStringLiteral("a later one overrides an earlier one, and all of them override the entry or "
                              "image the render starts from.\n")) +
           Wrapped(QStringLiteral("Equations:"), EquationChoices(), QStringLiteral(", ")) +
           Wrapped(QStringLiteral("Renderings:"), RenderingChoices(), QStringLiteral(", ")) +
           Wrapped(QStringLiteral("Functions:"), FunctionChoices(), QStringLiteral(", ")) +
           QStringLiteral("\n") + Wrapped(QStringLiteral("Movies:"), MovieHelp()) + QStringLiteral("\n") +
           Wrapped(QStringLiteral("Exit status:"),
                   QStringLiteral(
                       "0 finished, 1 bad arguments, an input that cannot be read or a place the library "
                       "does not draw (running it again will not help), 2 a file could not be written, "
                       "130 stopped with Ctrl-C or SIGTERM "
                       "and saved (continue it with --resume, a movie or a strip with the same command)."));
}

}  // namespace zenphra::cli

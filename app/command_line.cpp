#include "app/command_line.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "session/command_table.h"
#include "session/script.h"
#include "session/script_file.h"
#include "sim/setup_error.h"

namespace {

constexpr const char* kProgram = "rigid-body";

[[noreturn]] void Refuse(const QString& what) { throw UsageError(std::string(kProgram) + ": " + what.toStdString()); }

QString Shown(const QString& argument) { return QString::fromStdString(ShownPath(argument.toStdString())); }

}  // namespace

CommandLine::CommandLine(const QStringList& arguments)
{
    parser_.setApplicationDescription(
        QStringLiteral("Rigid Body Dynamics: a flat cluster of spheres moving under the rigid-body equations.\n"
                       "Without --script, opens the window; its menus show every command. Its keys:\n"
                       "  Space       pause or resume a run, keeping the body as it is\n"
                       "  Ctrl+Right  one time step, while halted or paused\n"
                       "  Ctrl+Left   one kept step back (a seek); the timeline seeks by dragging\n"
                       "  Ctrl+K      coast: the pushes stop acting\n"
                       "  Ctrl+-      slower, Ctrl++ faster (1/8 to 4 times; a step stays 0.2)\n"
                       "  Ctrl+R      reload the data file\n"
                       "  Ctrl+O      open another data file (or drop one on the window)\n"
                       "  Ctrl+S      save the picture as a PNG\n"
                       "  Ctrl+I      show or hide the inspector: every quantity of the body\n"
                       "  Ctrl+G      show or hide the plots: energies, momenta, the orientation's length\n"
                       "  Ctrl+T      show or hide the timeline: a slider over the kept steps\n"
                       "  Ctrl+L      open a lesson: notes, tasks and a prepared experiment\n"
                       "  Ctrl+W      close the lesson: your own settings and controls come back\n"
                       "  Ctrl+Q      quit\n"
                       "  Tab         the next control: Start/Stop, the density box, the drawing area, the timeline\n"
                       "In the drawing area, a push with keys, the same press and release a mouse makes:\n"
                       "  N           choose the next particle to push (also ])\n"
                       "  P           choose the particle before (also [)\n"
                       "  Arrows      set the push: 1 pixel a press, 10 with Shift\n"
                       "  Enter       push; the press is made where a press finds the particle, as if unturned\n"
                       "  Escape      cancel the push\n"
                       "\n"
                       "Script commands for --script, one a line (see the manual):\n") +
        QString::fromStdString(CommandSummary()));
    parser_.addHelpOption();
    parser_.addVersionOption();
    // Every option that takes a value names a file or a folder.
    const QList<QCommandLineOption> paths = {
        {QStringLiteral("script"),
         QStringLiteral("Replay the script FILE ('-' for standard input) without a display, printing what its "
                        "'state' lines ask for."),
         QStringLiteral("FILE")},
        {QStringLiteral("data"),
         QStringLiteral("Read the body from FILE instead of data.txt in the working directory."),
         QStringLiteral("FILE"), QStringLiteral("data.txt")},
        {QStringLiteral("frames"),
         QStringLiteral("With --script: write every frame drawn to DIR/frame-000001.png, ..."), QStringLiteral("DIR")},
        {QStringLiteral("record"),
         QStringLiteral("In the window: write every event to FILE, emptied first, as a script that --script "
                        "replays to the same state."),
         QStringLiteral("FILE")},
        {QStringLiteral("csv"),
         QStringLiteral("Write a header and then one row of data per time step to FILE, emptied first: step, "
                        "time, position, velocity, angular velocity, angle, energies, force, torque and the "
                        "orientation's length, each as the 'state' line writes it."),
         QStringLiteral("FILE")},
        {QStringLiteral("lesson"),
         QStringLiteral("Open the window on the lesson FILE: its notes and tasks, its body, views and locked "
                        "controls, and its start."),
         QStringLiteral("FILE")},
        {QStringLiteral("check-lesson"),
         QStringLiteral("Without a display: run the lesson FILE's start and every task's experiment, and print "
                        "each task's exact answer as one line of JSON; a mistake is named by its line, exit 2."),
         QStringLiteral("FILE")},
    };
    parser_.addOptions(paths);

    // "-bogus" is one unknown option, not six.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser_.parse(arguments)) {
        if (!parser_.unknownOptionNames().isEmpty()) {
            const QString name = parser_.unknownOptionNames().front();
            QString given = QStringLiteral("--") + name;
            for (const QString& argument : arguments.mid(1))
                if (argument.section(QLatin1Char('='), 0, 0).remove(QRegularExpression(QStringLiteral("^-+"))) == name)
                    given = argument;
            Refuse(QStringLiteral("unknown option '%1' (see --help)").arg(Shown(given)));
        }
        // An option that takes a value came last, without one, or one that
        // takes none was given one.
        const QString& last = arguments.last();
        for (const QCommandLineOption& option : paths)
            if (last.startsWith(QLatin1Char('-')) && last.section(QLatin1Char('-'), -1) == option.names().front())
                Refuse(QStringLiteral("%1 needs a value (see --help)").arg(last));
        Refuse(parser_.errorText() + QStringLiteral(" (see --help)"));
    }
    if (AsksForHelp()) return;
    if (!parser_.positionalArguments().isEmpty())
        Refuse(
            QStringLiteral("unexpected argument '%1' (see --help)").arg(Shown(parser_.positionalArguments().front())));
    for (const QCommandLineOption& option : paths)
        if (parser_.isSet(option) && parser_.value(option).isEmpty())
            Refuse(QStringLiteral("--%1 needs a path, not an empty one").arg(option.names().front()));

    script = parser_.value(QStringLiteral("script"));
    dataFile = parser_.value(QStringLiteral("data")).toStdString();
    framesFolder = parser_.value(QStringLiteral("frames"));
    recordFile = parser_.value(QStringLiteral("record"));
    csvFile = parser_.value(QStringLiteral("csv"));
    lessonFile = parser_.value(QStringLiteral("lesson"));
    checkLesson = parser_.value(QStringLiteral("check-lesson"));
    dataGiven = parser_.isSet(QStringLiteral("data"));
    if (ChecksLesson() && (Scripted() || dataGiven || !lessonFile.isEmpty() || !recordFile.isEmpty() ||
                           !csvFile.isEmpty() || !framesFolder.isEmpty()))
        Refuse(QStringLiteral("--check-lesson goes alone: the lesson names its body and its scripts"));
    if (!lessonFile.isEmpty() && Scripted()) Refuse(QStringLiteral("--lesson goes with the window, not with --script"));
    if (!framesFolder.isEmpty() && !Scripted()) Refuse(QStringLiteral("--frames goes with --script"));
    if (!recordFile.isEmpty() && Scripted()) Refuse(QStringLiteral("--record goes with the window, not with --script"));
}

bool CommandLine::AsksForHelp() const
{
    return parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all")) ||
           parser_.isSet(QStringLiteral("version"));
}

void CommandLine::Answer(const QCoreApplication& application) { parser_.process(application); }

RunFiles CommandLine::Files() const
{
    RunFiles files;
    if (Scripted()) {
        files = ScriptRunFiles(kProgram, script.toStdString(), dataFile);
    } else {
        if (lessonFile.isEmpty() || dataGiven) files.AddInput("the data file (--data)", dataFile);
        if (!lessonFile.isEmpty()) files.AddInput("the lesson (--lesson)", lessonFile.toStdString());
    }
    const auto output = [&files](const QString& writing, const char* what, const QString& path) {
        if (path.isEmpty()) return;
        try {
            files.AddOutput(what, path.toStdString());
        } catch (const FileClash& clash) {
            Refuse(QStringLiteral("cannot write the %1 '%2': %3")
                       .arg(writing, Shown(path), QString::fromUtf8(clash.what())));
        }
    };
    output(QStringLiteral("data"), "the CSV data (--csv)", csvFile);
    output(QStringLiteral("recording"), "the recording (--record)", recordFile);
    return files;
}

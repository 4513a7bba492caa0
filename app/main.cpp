#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <string_view>

#include <QCommandLineParser>

#include "app/application.h"
#include "session/command_table.h"
#include "session/script_file.h"
#include "sim/setup_error.h"
#include "ui/Unit1.h"
#include "ui/csv_recorder.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/png_file.h"
#include "ui/script_runner.h"
#include "ui/session_recorder.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kEscapedException = 1;

// A scripted run, and a request for help or the version, need no display.
bool NeedsNoDisplay(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--script" || arg.starts_with("--script=") || arg == "--help" || arg == "-h" ||
            arg == "--help-all" || arg == "--version" || arg == "-v")
            return true;
    }
    return false;
}

bool HasDisplay() { return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY"); }

// Whether standard input was closed when the program started.
bool standardInputClosed = false;

int RunScriptFile(const QString& name, const std::filesystem::path& dataFile, const QString& framesFolder,
                  const QString& csvFile)
{
    try {
        const std::vector<Command> commands = ReadScriptNamed("rigid-body", name.toStdString(), standardInputClosed);
        return RunScript(commands, dataFile, framesFolder, std::cout, std::cerr, csvFile);
    } catch (const ScriptUsageError& error) {
        std::cerr << error.what() << '\n';
        return kUsageError;
    }
}

// The window's way to show a message, for the window itself and whatever
// serves it; the window may still be under construction when it is made.
ErrorReporter MessageBoxOver(QWidget& window)
{
    return [&window](const std::string& message) { TForm1::ShowMessageBox(&window, message); };
}

// A scripted run's standard error carries only its own messages: Qt's remarks
// about the bare environment it runs in (no runtime folder, say) would be
// mistaken for the replay's.
void KeepWarningsOffStandardError(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

int RunProgram(int argc, char** argv)
{
    if (NeedsNoDisplay(argc, argv)) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(KeepWarningsOffStandardError);
    } else if (!HasDisplay()) {
        std::cerr << "rigid-body: no display to open the window on; set DISPLAY, or replay a script with "
                     "--script FILE (see --help)\n";
        return kUsageError;
    }

    Application application(argc, argv);
    Application::setApplicationName(QStringLiteral("rigid-body"));
    Application::setApplicationVersion(QStringLiteral(RBD_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Rigid Body Dynamics: a flat cluster of spheres moving under the rigid-body equations.\n"
                       "Without --script, opens the window; its menus show every command. Its keys:\n"
                       "  Space       pause or resume a run, keeping the body as it is\n"
                       "  Ctrl+Right  one time step, while halted or paused\n"
                       "  Ctrl+Left   one kept step back (a seek); the timeline seeks by dragging\n"
                       "  Ctrl+-      slower, Ctrl++ faster (1/8 to 4 times; a step stays 0.2)\n"
                       "  Ctrl+R      reload the data file\n"
                       "  Ctrl+O      open another data file (or drop one on the window)\n"
                       "  Ctrl+S      save the picture as a PNG\n"
                       "  Ctrl+I      show or hide the inspector: every quantity of the body\n"
                       "  Ctrl+G      show or hide the plots: energies, momenta, the orientation's length\n"
                       "  Ctrl+T      show or hide the timeline: a slider over the kept steps\n"
                       "  Ctrl+Q      quit\n"
                       "\n"
                       "Script commands for --script, one a line (see the manual):\n") +
        QString::fromStdString(CommandSummary()));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption scriptOption(QStringLiteral("script"),
                                          QStringLiteral("Replay the script FILE ('-' for standard input) without "
                                                         "a display, printing what its 'state' lines ask for."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption dataOption(QStringLiteral("data"),
                                        QStringLiteral("Read the body from FILE instead of data.txt in the working "
                                                       "directory."),
                                        QStringLiteral("FILE"), QStringLiteral("data.txt"));
    const QCommandLineOption framesOption(QStringLiteral("frames"),
                                          QStringLiteral("With --script: write every frame drawn to "
                                                         "DIR/frame-000001.png, ..."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption recordOption(QStringLiteral("record"),
                                          QStringLiteral("In the window: write every event to FILE, emptied first, "
                                                         "as a script that --script replays to the same state."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption csvOption(QStringLiteral("csv"),
                                       QStringLiteral("Write a header and then one row of data per time step to "
                                                      "FILE, emptied first: step, time, position, velocity, "
                                                      "angular velocity, angle, energies, force, torque and the "
                                                      "orientation's length, each as the 'state' line writes it."),
                                       QStringLiteral("FILE"));
    parser.addOptions({scriptOption, dataOption, framesOption, recordOption, csvOption});
    parser.process(application);

    const std::filesystem::path dataFile = parser.value(dataOption).toStdString();
    if (parser.isSet(framesOption) && !parser.isSet(scriptOption)) {
        std::cerr << "rigid-body: --frames goes with --script\n";
        return kUsageError;
    }
    if (parser.isSet(recordOption) && parser.isSet(scriptOption)) {
        std::cerr << "rigid-body: --record goes with the window, not with --script\n";
        return kUsageError;
    }
    if (parser.isSet(scriptOption))
        return RunScriptFile(parser.value(scriptOption), dataFile, parser.value(framesOption), parser.value(csvOption));

    try {
        LiveSession live(dataFile);
        MainWindow window(live, [&](FilePurpose purpose) { return ChooseWithDialog(&window, purpose); });
        SessionRecorder recorder(live.session, MessageBoxOver(window));
        // Asked for a record, the person wants one: better no window than an
        // unrecorded session they believe recorded.
        if (parser.isSet(recordOption)) {
            try {
                recorder.Start(parser.value(recordOption));
            } catch (const WriteError& failure) {
                std::cerr << "rigid-body: cannot write the recording '" << parser.value(recordOption).toStdString()
                          << "': " << failure.what() << '\n';
                return kUsageError;
            }
        }
        CsvRecorder csv(live.session, MessageBoxOver(window));
        if (parser.isSet(csvOption)) {
            try {
                csv.Start(parser.value(csvOption));
            } catch (const WriteError& failure) {
                std::cerr << "rigid-body: cannot write the data '" << parser.value(csvOption).toStdString()
                          << "': " << failure.what() << '\n';
                return kUsageError;
            }
        }
        window.RestoreSettings();
        window.show();
        return Application::exec();
    } catch (const std::exception& error) {
        Application::ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Application::ShowException(QString());
    }
    return kEscapedException;
}

}  // namespace

int main(int argc, char** argv)
{
    standardInputClosed = StandardInputClosed();
    // Whatever escapes the window's own reporting, a scripted run's above all,
    // ends with a message and a failure code, never with an abort.
    try {
        return RunProgram(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "rigid-body: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "rigid-body: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "rigid-body: stopped by an unknown failure\n";
    }
    return kEscapedException;
}

// The window's program, loaded by rigid-body (main.cpp) once it has begun to
// read the body: the command line, scripted runs, the window and its files.
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <utility>

#include "app/application.h"
#include "app/command_line.h"
#include "app/window_start.h"
#include "lesson/check_lesson.h"
#include "lesson/lesson_file.h"
#include "session/script.h"
#include "session/script_file.h"
#include "session/setup_ahead.h"
#include "sim/setup_error.h"
#include "ui/Unit1.h"
#include "ui/csv_recorder.h"
#include "ui/language.h"
#include "ui/lesson_host.h"
#include "ui/live_session.h"
#include "ui/main_window.h"
#include "ui/png_file.h"
#include "ui/script_runner.h"
#include "ui/session_recorder.h"

namespace {

constexpr int kUsageError = 2;
constexpr int kEscapedException = 1;

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
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

// A lesson asked for on the command line is read before any display is
// opened: one with a mistake is named on standard error.
std::optional<Lesson> ReadLessonOption(const QString& path)
{
    try {
        return ReadLesson(path.toStdString());
    } catch (const LessonError& refusal) {
        std::cerr << "rigid-body: " << refusal.what() << '\n';
        return std::nullopt;
    }
}

// A lesson's window opens on the lesson's body, not on a data.txt the lesson
// never asked for.
std::filesystem::path WindowDataFile(const CommandLine& line, const std::optional<Lesson>& lesson)
{
    return lesson && !line.dataGiven ? lesson->body : line.dataFile;
}

int RunWindow(const CommandLine& line, RunFiles files, std::optional<Lesson> lesson, SetupAhead ahead)
{
    // Only the window speaks the person's language: a scripted run's output
    // and every message it prints stay as tools parse them.
    const WindowLanguage language(MainWindow::SavedLanguage());
    LiveSession live(WindowDataFile(line, lesson), std::move(files), std::move(ahead));
    MainWindow window(live, [&](FilePurpose purpose) { return ChooseWithDialog(&window, purpose); });
    SessionRecorder recorder(live.session, MessageBoxOver(window));
    CsvRecorder csv(live.session, MessageBoxOver(window));
    // Asked for a record, the person wants one: better no window than an
    // unrecorded session they believe recorded. Every file is begun before
    // any is put in place, so that one that cannot be written leaves every
    // file as it was.
    const auto start = [](const char* writing, const QString& path, auto&& step) {
        if (path.isEmpty()) return true;
        try {
            step();
            return true;
        } catch (const WriteError& failure) {
            std::cerr << "rigid-body: cannot write the " << writing << " '" << ShownPath(path.toStdString())
                      << "': " << failure.what() << '\n';
            return false;
        }
    };
    if (!start("recording", line.recordFile, [&] { recorder.Begin(line.recordFile); }) ||
        !start("data", line.csvFile, [&] { csv.Begin(line.csvFile); }) ||
        !start("recording", line.recordFile, [&] { recorder.Start(); }) ||
        !start("data", line.csvFile, [&] { csv.Start(); }))
        return kUsageError;
    window.RestoreSettings();
    window.Lessons().remark = [&recorder](const std::string& text) { recorder.Remark(text); };
    if (lesson) window.Lessons().Start(std::move(*lesson));
    window.show();
    return Application::exec();
}

int RunProgram(int argc, char** argv, WindowStart& start)
{
    CommandLine line(ArgumentsOf(argc, argv));
    // A lesson is checked as rigid-body-core checks it: no Qt is needed.
    if (line.ChecksLesson()) return CheckLesson(line.checkLesson.toStdString(), std::cout, std::cerr);
    const RunFiles files = line.AsksForHelp() ? RunFiles() : line.Files();
    std::optional<Lesson> lesson;
    if (!line.AsksForHelp() && !line.lessonFile.isEmpty() && !(lesson = ReadLessonOption(line.lessonFile)))
        return kUsageError;
    if (line.Scripted() || line.AsksForHelp()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qInstallMessageHandler(KeepWarningsOffStandardError);
    } else if (!HasDisplay()) {
        std::cerr << "rigid-body: no display to open the window on; set DISPLAY, or replay a script with "
                     "--script FILE (see --help)\n";
        return kUsageError;
    }

    // The window's body is built while Qt starts and the window is made: a
    // large one then adds little to the time before the first frame. For a
    // plain command line rigid-body began it before it loaded this code.
    SetupAhead ahead;
    if (!line.Scripted() && !line.AsksForHelp()) {
        const std::filesystem::path dataFile = WindowDataFile(line, lesson);
        ahead = start.ahead.Holds(Session::kFirstDensityText, dataFile)
                    ? std::move(start.ahead)
                    : SetupAhead(std::string(Session::kFirstDensityText), dataFile);
    }
    Application application(argc, argv);
    Application::setApplicationName(QStringLiteral("rigid-body"));
    Application::setApplicationVersion(QStringLiteral(RBD_VERSION));
    if (line.AsksForHelp()) line.Answer(application);
    if (line.Scripted()) {
        const std::vector<Command> commands =
            ReadScriptNamed("rigid-body", line.script.toStdString(), start.standardInputClosed);
        return RunScript(commands, line.dataFile, line.framesFolder, std::cout, std::cerr, line.csvFile, files);
    }
    try {
        return RunWindow(line, files, std::move(lesson), std::move(ahead));
    } catch (const std::exception& error) {
        Application::ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Application::ShowException(QString());
    }
    return kEscapedException;
}

}  // namespace

int RigidBodyWindowMain(int argc, char** argv, WindowStart& start)
{
    // Whatever escapes the window's own reporting, a scripted run's above all,
    // ends with a message and a failure code, never with an abort.
    try {
        return RunProgram(argc, argv, start);
    } catch (const UsageError& error) {
        std::cerr << error.what() << '\n';
        return kUsageError;
    } catch (const std::bad_alloc&) {
        std::cerr << "rigid-body: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "rigid-body: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "rigid-body: stopped by an unknown failure\n";
    }
    return kEscapedException;
}

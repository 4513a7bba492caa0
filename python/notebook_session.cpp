#include "python/notebook_session.h"

#include <algorithm>
#include <initializer_list>

#include "python/run_columns.h"
#include "session/refusal.h"
#include "session/script.h"
#include "session/script_line.h"

namespace py = pybind11;

namespace {

// The same number as an int, in lists and dicts alike.
py::object Whole(const py::handle& value)
{
    if (py::isinstance<py::float_>(value)) return py::int_(py::reinterpret_borrow<py::object>(value));
    if (py::isinstance<py::list>(value)) {
        py::list whole;
        for (const py::handle item : value) whole.append(Whole(item));
        return whole;
    }
    if (py::isinstance<py::dict>(value)) {
        py::dict whole;
        for (const auto [key, item] : py::reinterpret_borrow<py::dict>(value)) whole[key] = Whole(item);
        return whole;
    }
    return py::reinterpret_borrow<py::object>(value);
}

}  // namespace

NotebookSession::NotebookSession(const std::filesystem::path& dataFile, int width, int height,
                                 const std::string& density)
    : canvas_(width, height), session_(canvas_, dataFile)
{
    ScriptLine({.kind = CommandKind::Size, .x = width, .y = height});
    session_.FirstSetup();
    Apply({.kind = CommandKind::Density, .text = density});
}

void NotebookSession::Apply(const Command& command)
{
    ScriptLine(command);
    session_.Apply(command);
}

py::list NotebookSession::ApplyScript(std::string_view script)
{
    constexpr std::string_view kName = "script";
    const std::vector<Command> commands = ParseScript(script, kName);
    for (const Command& command : commands)
        if (command.kind == CommandKind::Frame)
            throw ScriptUsageError(std::string(kName) + ":" + std::to_string(command.line) +
                                   ": no pictures are drawn here: replay a script with 'frame' with rigid-body "
                                   "--script");
    py::list states;
    for (const Command& command : commands) {
        if (command.kind == CommandKind::State)
            states.append(State());
        else
            session_.Apply(command);
    }
    return states;
}

py::dict NotebookSession::Run(long long steps)
{
    ScriptLine({.kind = CommandKind::Tick, .count = steps});
    ColumnRecorder recorder(session_, static_cast<py::ssize_t>(steps));
    // Often enough that an interrupt stops a long run within a moment.
    constexpr long long kStepsBetweenInterrupts = 1 << 16;
    try {
        for (long long done = 0; done < steps;) {
            const long long now = std::min(kStepsBetweenInterrupts, steps - done);
            if (session_.Running())
                session_.Apply({.kind = CommandKind::Tick, .count = now});
            else
                for (long long i = 0; i < now; ++i) session_.Apply({.kind = CommandKind::Step});
            done += now;
            if (PyErr_CheckSignals() != 0) throw py::error_already_set();
        }
    } catch (const CommandRefused& refusal) {
        // The steps taken are kept, as a script's replay keeps them.
        py::object error = py::module_::import("rigidbody").attr("Refused")(refusal.what());
        error.attr("columns") = recorder.Columns();
        PyErr_SetObject(reinterpret_cast<PyObject*>(Py_TYPE(error.ptr())), error.ptr());
        throw py::error_already_set();
    }
    return recorder.Columns();
}

py::dict NotebookSession::State() const
{
    // Read as doubles, every number keeps its bits, the sign of a zero too.
    const py::object loads = py::module_::import("json").attr("loads");
    py::dict state = loads(session_.StateJson(), py::arg("parse_int") = py::module_::import("builtins").attr("float"));
    for (const char* key : {"drag", "boxes", "steps"}) state[key] = Whole(state[key]);
    return state;
}

// The Python module `rigidbody`: the session the window and `rigid-body
// --script` drive, on a blank canvas, with no Qt. Its numbers are the
// program's to the last bit, since they are the program's own code.
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "python/command_methods.h"
#include "python/notebook_session.h"
#include "session/refusal.h"
#include "session/script.h"
#include "session/script_line.h"
#include "sim/setup_error.h"

namespace py = pybind11;

namespace {

// The example bodies as installed beside the module, whatever the prefix; the
// build lays them out the same way.
std::filesystem::path BodiesFolder()
{
    const auto module = py::module_::import("rigidbody").attr("__file__").cast<std::filesystem::path>();
    return (module.parent_path() / RBD_BODIES_FROM_MODULE).lexically_normal();
}

// The body the menu entry opens.
constexpr const char* kShippedBody = "l-shape.txt";

}  // namespace

PYBIND11_MODULE(rigidbody, module)
{
    module.doc() =
        "The rigid body of rigid-body, driven from Python: the same session, commands and numbers, bit for bit.";
    module.attr("__version__") = RBD_VERSION;

    static py::exception<SetupError> refused(module, "Refused", PyExc_RuntimeError);
    refused.doc() =
        "The session refused a command, with the message the window shows: a setup from a data file or density "
        "text that cannot be used, a step whose result would not be finite, a seek to a step not kept. A refused "
        "setup or seek changes nothing; a refused step is not taken and the run halts.";
    // pybind11 takes a translator that takes the exception by value.
    py::register_exception_translator([](std::exception_ptr thrown) {  // NOLINT(performance-unnecessary-value-param)
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const SetupError& refusal) {
            PyErr_SetString(refused.ptr(), refusal.what());
        } catch (const CommandRefused& refusal) {
            PyErr_SetString(refused.ptr(), refusal.what());
        } catch (const ScriptUsageError& error) {
            // A command that is not one is a wrong value, as a script line's would be.
            PyErr_SetString(PyExc_ValueError, error.what());
        } catch (const UnwritableCommand& error) {
            PyErr_SetString(PyExc_ValueError, error.what());
        }
    });

    module.def(
        "bodies_folder", [] { return BodiesFolder(); },
        "The folder of the example bodies installed with the program (l-shape.txt, ring.txt, ...).");

    py::class_<NotebookSession> session(module, "Session",
                                        "A session as the window starts one: the body set up at rest from the data "
                                        "file and the density text, halted. Its methods are the script's commands.");
    session.def(py::init([](const std::optional<std::filesystem::path>& dataFile, int width, int height,
                            const std::string& density) {
                    return new NotebookSession(dataFile.value_or(BodiesFolder() / kShippedBody), width, height,
                                               density);
                }),
                py::arg("data_file") = py::none(), py::arg("width") = Session::kStartWidth,
                py::arg("height") = Session::kStartHeight, py::arg("density") = "1",
                "data_file: the body's data file, the shipped L when None; width and height: the drawing area's "
                "pixels; density: the density box's text. Raises Refused with the window's message when the "
                "body cannot be set up.");
    AddCommandMethods(session);
    session.def("apply", &NotebookSession::ApplyScript, py::arg("script"),
                "Applies script lines, one or several, as rigid-body --script does: a list of the states their "
                "'state' lines ask for.");
    session.def("run", &NotebookSession::Run, py::arg("n"),
                "Steps the body n times (tick while it runs, step while it is halted) and returns each step's row "
                "of --csv as NumPy arrays by column name: step, time, x, y, vx, vy, omega, angle, kineticLinear, "
                "kineticRotational, kineticTotal, forceX, forceY, torque, quaternionNorm. A step that is refused "
                "raises Refused, whose 'columns' hold the rows of the steps taken before it.");
    session.def("state", &NotebookSession::State,
                "The state line of a script's 'state' as a dict: every number the very double the line writes.");
}

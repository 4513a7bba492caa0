#include "python/command_methods.h"

#include <optional>
#include <string>

#include <pybind11/stl/filesystem.h>

#include "session/command_table.h"
#include "session/script_line.h"

namespace py = pybind11;

void AddCommandMethods(py::class_<NotebookSession>& session)
{
    for (const CommandEntry& entry : kCommandTable) {
        if (!entry.event) continue;
        const CommandKind kind = entry.kind;
        const std::string word(entry.word);
        const std::string doc = std::string(entry.synopsis) + ": " + Spelled(entry.meaning);
        switch (entry.arguments) {
        case Arguments::None:
            session.def(
                word.c_str(), [kind](NotebookSession& s) { s.Apply({.kind = kind}); }, doc.c_str());
            break;
        case Arguments::Area:
            session.def(
                word.c_str(), [kind](NotebookSession& s, int w, int h) { s.Apply({.kind = kind, .x = w, .y = h}); },
                py::arg("w"), py::arg("h"), doc.c_str());
            break;
        case Arguments::Pixel:
            session.def(
                word.c_str(), [kind](NotebookSession& s, int x, int y) { s.Apply({.kind = kind, .x = x, .y = y}); },
                py::arg("x"), py::arg("y"), doc.c_str());
            break;
        case Arguments::Periods:
            session.def(
                word.c_str(), [kind](NotebookSession& s, long long n) { s.Apply({.kind = kind, .count = n}); },
                py::arg("n") = 1, doc.c_str());
            break;
        case Arguments::Text:
            session.def(
                word.c_str(),
                [kind](NotebookSession& s, const std::string& text) { s.Apply({.kind = kind, .text = text}); },
                py::arg("text"), doc.c_str());
            break;
        case Arguments::Path:
            session.def(
                word.c_str(),
                [kind](NotebookSession& s, const std::filesystem::path& path) {
                    s.Apply({.kind = kind, .text = path.string()});
                },
                py::arg("path"), doc.c_str());
            break;
        case Arguments::Speed:
            session.def(
                word.c_str(), [kind](NotebookSession& s, double x) { s.Apply({.kind = kind, .speed = x}); },
                py::arg("x"), doc.c_str());
            break;
        case Arguments::View:
            session.def(
                word.c_str(),
                [kind, word, usage = Spelled(entry.usage)](NotebookSession& s, const std::string& name, bool on) {
                    const std::optional<Overlay> overlay = OverlayNamed(name);
                    if (!overlay) throw UnwritableCommand("'" + word + "' takes " + usage);
                    s.Apply({.kind = kind, .overlay = *overlay, .on = on});
                },
                py::arg("name"), py::arg("on"), doc.c_str());
            break;
        case Arguments::Step:
            session.def(
                word.c_str(), [kind](NotebookSession& s, long long k) { s.Apply({.kind = kind, .count = k}); },
                py::arg("k"), doc.c_str());
            break;
        }
    }
}

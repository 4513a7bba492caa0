#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <pybind11/pybind11.h>

#include "session/blank_canvas.h"
#include "session/command.h"
#include "session/session.h"

// What rigidbody.Session holds: a Session on a blank canvas, set up as the
// window's creation sets it up. It takes only commands that a script line can
// hold, so whatever a notebook does, `rigid-body --script` can replay.
class NotebookSession {
public:
    // The window's creation on a drawing area of width x height pixels, then
    // `density` typed in when it is not "1", as a script's first lines would
    // do it. Throws the refusal of either setup.
    NotebookSession(const std::filesystem::path& dataFile, int width, int height, const std::string& density);
    NotebookSession(const NotebookSession&) = delete;
    NotebookSession& operator=(const NotebookSession&) = delete;

    // Throws UnwritableCommand, having changed nothing, when no script line
    // holds the command (a size of 0, a count beyond a tick's); then as
    // Session::Apply.
    void Apply(const Command& command);

    // The script's lines in turn, all of them read before any is applied: the
    // states its `state` lines ask for. Throws ScriptUsageError for a line that
    // is no command or asks for a picture, and the refusal of a setup at its
    // line, the lines before it applied.
    pybind11::list ApplyScript(std::string_view script);

    // Steps the body `steps` times, with `tick` while it runs and `step`
    // while it is halted, which step it alike: the rows --csv writes for those
    // steps, as NumPy columns. A refused step raises rigidbody.Refused with
    // the rows of the steps before it as its `columns`.
    pybind11::dict Run(long long steps);

    // The state line as a dict of its keys, each number the very double the
    // line writes; the whole numbers (the step count, the drag's and the
    // boxes' pixels) are ints.
    pybind11::dict State() const;

private:
    BlankCanvas canvas_;
    Session session_;
};

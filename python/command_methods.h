#pragma once

#include <pybind11/pybind11.h>

#include "python/notebook_session.h"

// A method of rigidbody.Session for every event of the command table, named
// by its word and taking its arguments as its script line does: press(x, y),
// tick(n=1), density(text), ... A command added to the table is a method with
// no change here; a new form of arguments is a case to add, which the
// compiler asks for.
void AddCommandMethods(pybind11::class_<NotebookSession>& session);

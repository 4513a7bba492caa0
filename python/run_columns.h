#pragma once

#include <array>
#include <cstdint>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include "session/csv.h"
#include "session/session.h"

// While it lives, keeps the CSV row of every step the session makes, up to
// `rows` of them, in NumPy arrays made beforehand: no Python runs per step.
class ColumnRecorder : private SessionListener {
public:
    ColumnRecorder(Session& session, pybind11::ssize_t rows);

    // The rows kept, by the CSV header's column names: "step" as int64, the
    // rest as float64, each the double --csv writes.
    pybind11::dict Columns() const;

private:
    void Stepped() override;

    const Session& session_;
    pybind11::ssize_t capacity_;
    pybind11::ssize_t rows_ = 0;
    pybind11::array_t<std::int64_t> steps_;
    std::array<pybind11::array_t<double>, kCsvNumbers> numbers_;
    std::int64_t* stepsData_;
    std::array<double*, kCsvNumbers> numbersData_{};
    Session::Listening listening_;
};

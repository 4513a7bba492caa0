#include "python/run_columns.h"

#include <sstream>
#include <string>

namespace py = pybind11;

ColumnRecorder::ColumnRecorder(Session& session, py::ssize_t rows)
    : session_(session), capacity_(rows), steps_(rows), stepsData_(steps_.mutable_data())
{
    for (std::size_t column = 0; column < kCsvNumbers; ++column) {
        numbers_[column] = py::array_t<double>(rows);
        numbersData_[column] = numbers_[column].mutable_data();
    }
    listening_ = session.Listen(*this);
}

void ColumnRecorder::Stepped()
{
    if (rows_ == capacity_) return;
    const SimulationContext& simulation = session_.Simulation();
    stepsData_[rows_] = simulation.steps;
    const std::array<double, kCsvNumbers> numbers =
        CsvNumbers(simulation.steps, simulation.body.totalMass, MotionOf(simulation.body));
    for (std::size_t column = 0; column < kCsvNumbers; ++column) numbersData_[column][rows_] = numbers[column];
    ++rows_;
}

py::dict ColumnRecorder::Columns() const
{
    std::istringstream header(CsvHeader());
    std::string name;
    const py::slice kept(0, rows_, 1);
    py::dict columns;
    std::getline(header, name, ',');
    columns[name.c_str()] = steps_[kept];
    for (const py::array_t<double>& column : numbers_) {
        std::getline(header, name, ',');
        columns[name.c_str()] = column[kept];
    }
    return columns;
}

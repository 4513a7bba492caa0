#include "lesson/task_outcome.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "lesson/lesson_run.h"
#include "session/json_number.h"
#include "sim/setup_error.h"

namespace {

std::string Number(double value)
{
    std::string text;
    AppendJsonNumber(text, value);
    return text;
}

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

constexpr const char* kKindWords[] = {"number", "sign", "largest", "smallest"};

}  // namespace

TaskOutcome Decide(const Lesson& lesson, const Task& task, std::vector<double> values)
{
    TaskOutcome outcome{std::move(values), 0};
    const std::vector<double>& v = outcome.values;
    switch (task.kind) {
    case TaskKind::Number:
        break;
    case TaskKind::Sign:
        outcome.choice = std::fabs(v[0]) <= task.tolerance ? 1 : v[0] < 0.0 ? 0 : 2;
        break;
    case TaskKind::Largest:
    case TaskKind::Smallest: {
        const bool largest = task.kind == TaskKind::Largest;
        const auto best = largest ? std::max_element(v.begin(), v.end()) : std::min_element(v.begin(), v.end());
        outcome.choice = static_cast<std::size_t>(best - v.begin());
        for (std::size_t i = 0; i < v.size(); ++i)
            if (i != outcome.choice && std::fabs(v[i] - *best) <= task.tolerance)
                throw LessonError(LessonPlace(lesson, task.line) + "the options " +
                                  QuoteToken(task.choices[outcome.choice]) + " (" + Number(*best) + ") and " +
                                  QuoteToken(task.choices[i]) + " (" + Number(v[i]) + ") lie within the tolerance " +
                                  Number(task.tolerance) + " of each other: the task has no one answer");
        break;
    }
    }
    return outcome;
}

TaskOutcome RunTask(const Lesson& lesson, const Task& task)
{
    std::vector<double> values;
    for (const Reading& reading : task.readings) values.push_back(RunReading(lesson, reading));
    return Decide(lesson, task, std::move(values));
}

bool IsNear(const Task& task, double prediction, double outcome)
{
    const double difference = std::fabs(prediction - outcome);
    return difference <= task.tolerance || difference <= task.relative * std::fabs(outcome);
}

void CheckWrittenAnswer(const Lesson& lesson, const Task& task, const TaskOutcome& outcome)
{
    if (task.answerNumber && Number(*task.answerNumber) != Number(outcome.values[0]))
        throw LessonError(LessonPlace(lesson, task.answerLine) + "the answer is " + Number(outcome.values[0]) +
                          ", not " + Number(*task.answerNumber) + " as the lesson writes");
    if (task.answerChoice && *task.answerChoice != outcome.choice)
        throw LessonError(LessonPlace(lesson, task.answerLine) + "the answer is " +
                          QuoteToken(task.choices[outcome.choice]) + ", not " +
                          QuoteToken(task.choices[*task.answerChoice]) + " as the lesson writes");
}

std::string AnswerJson(const Task& task, std::size_t number, const TaskOutcome& outcome)
{
    std::string json = "{\"task\":" + std::to_string(number) + ",\"line\":" + std::to_string(task.line) +
                       ",\"kind\":\"" + kKindWords[static_cast<int>(task.kind)] + "\",\"quantities\":[";
    for (std::size_t i = 0; i < task.readings.size(); ++i) {
        if (i > 0) json += ',';
        AppendJsonString(json, task.readings[i].quantity);
    }
    json += "],\"values\":[";
    for (std::size_t i = 0; i < outcome.values.size(); ++i) {
        if (i > 0) json += ',';
        AppendJsonNumber(json, outcome.values[i]);
    }
    json += "],\"answer\":";
    if (task.kind == TaskKind::Number)
        AppendJsonNumber(json, outcome.values[0]);
    else
        AppendJsonString(json, task.choices[outcome.choice]);
    return json + "}";
}

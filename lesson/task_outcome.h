#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "lesson/lesson.h"

// What a task's experiments gave: each reading's value, and the answer made
// of them. The rules, exactly:
// - number: the answer is the value.
// - sign: zero when the value's size is at most the tolerance, else negative
//   or positive by its sign.
// - largest, smallest: the option with the largest (smallest) value; the
//   answer is undecided, and the lesson refused, when another option's value
//   lies within the tolerance of it (so a tie is never an answer).
struct TaskOutcome {
    std::vector<double> values;
    std::size_t choice = 0;  // sign, largest, smallest: an index into the task's choices
};

// Throws LessonError naming the task's line when the answer is undecided.
TaskOutcome Decide(const Lesson& lesson, const Task& task, std::vector<double> values);

// Runs every reading of the task and decides its answer.
TaskOutcome RunTask(const Lesson& lesson, const Task& task);

// Whether a predicted number lies within the task's tolerance of the outcome:
// |prediction − outcome| ≤ tolerance, or ≤ relative × |outcome|.
bool IsNear(const Task& task, double prediction, double outcome);

// Throws LessonError when the lesson writes an answer that the outcome is not,
// to the bit for a number.
void CheckWrittenAnswer(const Lesson& lesson, const Task& task, const TaskOutcome& outcome);

// The task's answer as one line of JSON, numbers in their shortest exact
// form; `number` counts the tasks from 1.
std::string AnswerJson(const Task& task, std::size_t number, const TaskOutcome& outcome);

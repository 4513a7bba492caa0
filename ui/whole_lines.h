#pragma once

#include <string>

class QFile;

// Appends `line` and a line break to `file`: all of it, or nothing. A write
// cut short is cut back to where the line began, so the file always ends on a
// whole line that a reader takes as it was meant. Throws WriteError with the
// reason the line is not there.
void AppendWholeLine(QFile& file, const std::string& line);

#pragma once

#include <string>

// Appends a double in the shortest form that reads back to the same bits, the
// sign of zero kept; a double that is not finite is written null. The state
// line and the CSV rows both write their numbers here, so that a row and the
// state line taken after the same step agree to the bit.
void AppendJsonNumber(std::string& out, double value);

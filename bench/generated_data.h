#pragma once

#include <cstddef>
#include <filesystem>

// Where the particles of a generated data file lie, in world units.
enum class Spread {
    // Wide, signed, with one to three decimals ("123.456 -78.9"): what a user's
    // file looks like, and what the parser is timed on.
    Wide,
    // Inside the drawing area of 879 × 552 pixels at 4 pixels per world unit,
    // so that a pushed body starts in the box rather than on its wall.
    InsideTheBox,
};

// A data file of `particles` particles in the format SetupBody reads: the
// count on the first line, then "x y" per line. Written once per process into
// a temporary folder that is removed when the process exits. Numbers are made
// from random integers, never printed from doubles, so the same seed gives the
// same bytes on every machine.
const std::filesystem::path& GeneratedDataFile(std::size_t particles, Spread spread = Spread::Wide);

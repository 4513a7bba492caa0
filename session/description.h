#pragma once

#include <vector>

#include "session/sentence.h"

class Session;

// What the body does now, in short sentences that each stand on their own,
// whatever happened before: whether it runs, where it is and where it goes,
// whether and which way it turns, what pushes and turns it, and how far the
// wall ahead is (or the nearest, while it stands still). Positions and lengths
// are in world units, y up, the drawing area's bottom-left corner at (0, 0).
std::vector<Sentence> DescribeBody(const Session& session);

// The way a vector of the plane points, as one of eight ("up and to the
// left"), y up.
Phrase DirectionOf(double x, double y);

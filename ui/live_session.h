#pragma once

#include <filesystem>

#include "session/session.h"
#include "ui/image_canvas.h"

// A session drawn on a picture of its own, for a window to show or a script to
// replay. Made before the window and gone after it, so that whatever listens
// to the session may leave whenever it is closed, in any order.
struct LiveSession {
    explicit LiveSession(std::filesystem::path dataFile) : session(canvas, std::move(dataFile)) {}

    ImageCanvas canvas{Session::kStartWidth, Session::kStartHeight};
    Session session;
};

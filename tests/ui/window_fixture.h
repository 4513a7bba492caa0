#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "tests/test_files.h"
#include "ui/Unit1.h"
#include "ui/image_view.h"
#include "ui/live_session.h"

// Two particles about (100, 60): particle 0 sits at offset (10, 5), its centre
// on pixel (440, 292) of the 879 × 552 area.
inline constexpr const char* kTwoParticles = "2  110 65  90 55";

// A window on a data file of its own, keeping every message it would show.
struct WindowFixture : testing::Test {
    explicit WindowFixture(std::string_view data = kTwoParticles) : file(data) {}

    // Not shown yet, so that a test can size it first.
    TForm1& Create()
    {
        form.reset();  // it shows the session replaced below
        live = std::make_unique<LiveSession>(file.path());
        form = std::make_unique<TForm1>(*live, [this](const std::string& m) { errors.push_back(m); });
        form->FormCreate();
        return *form;
    }

    TForm1& Open()
    {
        Create().show();
        return *form;
    }

    QImage Picture() const { return form->Image1->Canvas().Image().copy(); }
    const RigidBody& Body() const { return form->Simulation().body; }

    TempFile file;
    std::vector<std::string> errors;
    std::unique_ptr<LiveSession> live;
    std::unique_ptr<TForm1> form;
};

#pragma once
// GoogleTest glue for the window system: a fixture that starts every test on a clean desktop and makes Script
// and Robot failures fail the running test, and the point a test clicks to hit a rectangle. Any test program
// that drives windows includes it (the module's own fixtures build on it).
#include "ui/Desktop.h"
#include "ui/Script.h"
#include "ui/geometry.h"

#include <gtest/gtest.h>

#include <string>

namespace ui::test {

inline Script::FailureHandler gtestFailure() {
    return [](const std::string& message) { ADD_FAILURE() << message; };
}

// The middle of a rectangle (a cell, a control): where a click surely lands inside it.
inline Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        Desktop::reset();
        Script::setDefaultFailureHandler(gtestFailure());
    }
    void TearDown() override {
        Desktop::reset();
        Script::setDefaultFailureHandler({});
    }
};

} // namespace ui::test

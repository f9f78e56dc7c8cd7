#pragma once
// GoogleTest glue for the window system: a fixture that starts every test on a clean desktop and makes Script
// and Robot failures fail the running test. Other test programs include it as
// "<source dir>/tests/platform/ui/uiTestSupport.h" or copy its few lines.
#include "ui/Desktop.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <string>

namespace ui::test {

inline Script::FailureHandler gtestFailure() {
    return [](const std::string& message) { ADD_FAILURE() << message; };
}

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

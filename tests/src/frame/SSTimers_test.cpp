// The 25 exported profiling timers: their names and their order are part of the interface.
#include "base/SSTimers.h"
#include "nuvo/Ork_String.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(SSTimers, TwentyFiveInTheirOrderWithTheirNames) {
    const auto& timers = ssTimers();
    ASSERT_EQ(timers.size(), kSSTimers.size());
    for (std::size_t i = 0; i < timers.size(); ++i)
        EXPECT_EQ(Ork_String(timers[i]->name()).utf8(), kSSTimers[i].name) << "timer " << i;
    EXPECT_STREQ(kSSTimers.front().name, "gLoadFile");
    EXPECT_STREQ(kSSTimers[12].name, "gRegisterFuntions");
    EXPECT_STREQ(kSSTimers.back().name, "gCalcCellReplaceVariables");
}

TEST(SSTimers, EveryNameOnce) {
    std::set<std::string> names;
    for (const SSTimerInfo& t : kSSTimers)
        names.insert(t.name);
    EXPECT_EQ(names.size(), 25u);
}

TEST(SSTimers, TheyOnlyAccumulate) {
    Ork_Timer& t = gCalcCells;
    const long before = t.count();
    {
        Ork_FunctionTimer outer(t);
        Ork_FunctionTimer nested(t);  // a child evaluation runs the same step inside
    }
    EXPECT_EQ(t.count(), before + 1);
    EXPECT_FALSE(t.isRunning());
}

} // namespace

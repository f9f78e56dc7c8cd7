#include "nuvo/globalStr.h"

#include "cadhost/CommandLine.h"

#include <gtest/gtest.h>

TEST(GlobalStrings, RoundTripThroughABlock) {
    grid::MemHandle handle = 0;
    ASSERT_TRUE(setGlobalStr(handle, u"IPE-200 \u2022"));
    Ork_String text;
    EXPECT_TRUE(getGlobalStr(handle, text));
    EXPECT_EQ(text, u"IPE-200 \u2022");
    EXPECT_TRUE(grid::GlobalMemory::free(handle));
    text = u"kept";
    EXPECT_FALSE(getGlobalStr(handle, text));   // freed: refused, not read
    EXPECT_EQ(text, u"kept");
}

TEST(GlobalStrings, AFailedAllocationIsReportedOnTheCommandLine) {
    cadhost::PrintCapture printed;
    grid::GlobalMemory::injectFailures(1);
    grid::MemHandle handle = 99;
    EXPECT_FALSE(setGlobalStr(handle, u"x"));
    EXPECT_EQ(handle, 0u);
    EXPECT_EQ(printed.text(), "Reallocate failed\n");
}

#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"

#include <gtest/gtest.h>

TEST(Printf, WritesUtf16TextAsUtf8) {
    cadhost::PrintCapture printed;
    acutPrintf(u"Spreadsheet : %s (line: %d)\n", u"C:\\lib\\\u2022end.kvs", 12);
    EXPECT_EQ(printed.text(), "Spreadsheet : C:\\lib\\•end.kvs (line: 12)\n");
}

TEST(Printf, FormatsNumbersAndPercent) {
    EXPECT_EQ(cadhost::formatPrint(u"%5.2f|%-4d|%x|%%|%c|%ls", 3.14159, 7, 255, u'\u00BF', u"w"),
              " 3.14|7   |ff|%|¿|w");
    EXPECT_EQ(cadhost::formatPrint(u"%*d|%ld|%zu", 4, 1, 123456789012L, static_cast<size_t>(5)), "   1|123456789012|5");
}

TEST(Printf, SurvivesOddFormats) {
    EXPECT_EQ(cadhost::formatPrint(u"%s", static_cast<const char16_t*>(nullptr)), "(null)");
    EXPECT_EQ(cadhost::formatPrint(u"100%"), "100%");
    EXPECT_EQ(cadhost::formatPrint(u"%y"), "%y");
    EXPECT_EQ(cadhost::formatPrint(nullptr), "");
}

TEST(Printf, AcceptsAUtf8FormatToo) {
    cadhost::PrintCapture printed;
    acutPrintf("Delayed timer called.\n");
    acutPrintf("%s=%d\n", u"ƒ", 1);
    EXPECT_EQ(printed.text(), "Delayed timer called.\nƒ=1\n");
}

TEST(Printf, CapturesNestAndRestore) {
    cadhost::PrintCapture outer;
    {
        cadhost::PrintCapture inner;
        acutPrintf(u"inner");
        EXPECT_EQ(inner.text(), "inner");
    }
    acutPrintf(u"outer");
    EXPECT_EQ(outer.text(), "outer");
}

TEST(CommandLineRequests, AreRecordedInOrder) {
    cadhost::HostLog::clear();
    acedPostCommandPrompt();
    acedPostCommand(u"_REGEN ");
    acedUpdateDisplay();
    EXPECT_EQ(cadhost::HostLog::texts(),
              (std::vector<std::u16string>{u"acedPostCommandPrompt", u"acedPostCommand(_REGEN )", u"acedUpdateDisplay"}));
    EXPECT_EQ(cadhost::HostLog::texts(u"acedUpdateDisplay").size(), 1u);
}

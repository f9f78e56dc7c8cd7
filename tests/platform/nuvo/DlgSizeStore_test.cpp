#include "nuvo/DlgSizeStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(SizeStore, KeepsSizesAcrossARestart) {
    TempFolder dir;
    const Ork_String file = dir.folder() + u"config\\dialog-sizes.txt";
    {
        DlgSizeStore store(file);
        EXPECT_TRUE(store.set(u"DLG_EDIT_MACRO", 640, 480));
        EXPECT_TRUE(store.set(u"DLG_DLGDESIGNER", 800, 600));
        EXPECT_TRUE(store.set(u"DLG_EDIT_MACRO", 700, 500));   // the latest size wins
    }
    DlgSizeStore restarted(file);
    int w = 0, h = 0;
    EXPECT_TRUE(restarted.get(u"DLG_EDIT_MACRO", w, h));
    EXPECT_EQ(w, 700);
    EXPECT_EQ(h, 500);
    EXPECT_TRUE(restarted.get(u"DLG_DLGDESIGNER", w, h));
    EXPECT_EQ(w, 800);
}

TEST(SizeStore, AnUnknownKeyLeavesTheOutputs) {
    TempFolder dir;
    DlgSizeStore store(dir.folder() + u"s.txt");
    int w = 1, h = 2;
    EXPECT_FALSE(store.get(u"DLG_FINDREPLACE", w, h));
    EXPECT_EQ(w, 1);
    EXPECT_EQ(h, 2);
}

TEST(SizeStore, RefusesSizesThatCannotBeStoredAndSkipsBadLines) {
    TempFolder dir;
    {
        std::ofstream out(dir.path() / "s.txt");
        out << "GOOD\t10\t20\nBAD\tx\t20\nNEG\t-1\t5\nshort\t1\n";
    }
    DlgSizeStore store(dir.folder() + u"s.txt");
    int w = 0, h = 0;
    EXPECT_TRUE(store.get(u"GOOD", w, h));
    EXPECT_FALSE(store.get(u"BAD", w, h));
    EXPECT_FALSE(store.get(u"NEG", w, h));
    EXPECT_FALSE(store.set(u"", 1, 1));
    EXPECT_FALSE(store.set(u"K", 0, 1));
    EXPECT_FALSE(store.set(u"a\tb", 1, 1));
}

#include "os/files.h"
#include "os/paths.h"
#include "os/snapshot.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string readOrEmpty(std::u16string_view path) {
    std::string bytes;
    return os::readBytes(path, bytes) ? bytes : std::string("<unreadable>");
}

} // namespace

// Others' changes made while a snapshot lives show only in the next one; the thread's own writes through os
// show at once.
TEST(FileSystemSnapshot, HoldsWhatItSawUntilItEndsOrTheThreadWrites) {
    TempFolder tmp;
    tmp.put("Data/Bolts.txt", "M16");
    const std::u16string bolts = tmp.text(u"Data\\Bolts.txt");
    const std::u16string plates = tmp.text(u"Data\\Plates.std");
    {
        const os::FileSystemSnapshot still;
        EXPECT_TRUE(os::FileSystemSnapshot::active());
        EXPECT_EQ(readOrEmpty(bolts), "M16");
        EXPECT_FALSE(os::findExisting(plates));
        tmp.put("Data/Bolts.txt", "M20");   // another program's changes
        tmp.put("Data/Plates.std", "10");
        EXPECT_EQ(readOrEmpty(bolts), "M16");
        EXPECT_FALSE(os::findExisting(plates));
        {
            const os::FileSystemSnapshot nested;   // shares the outer view
            EXPECT_EQ(readOrEmpty(bolts), "M16");
        }
        EXPECT_TRUE(os::FileSystemSnapshot::active());
        ASSERT_TRUE(os::writeBytes(tmp.text(u"Data\\Welds.txt"), "a4"));
        EXPECT_EQ(readOrEmpty(bolts), "M20");
        EXPECT_TRUE(os::findExisting(plates));
        EXPECT_EQ(readOrEmpty(tmp.text(u"Data\\Welds.txt")), "a4");
    }
    EXPECT_FALSE(os::FileSystemSnapshot::active());
    tmp.put("Data/Bolts.txt", "M24");
    EXPECT_EQ(readOrEmpty(bolts), "M24");
}

TEST(FileSystemSnapshot, RemovalsRenamesAndNewFoldersShowAtOnce) {
    TempFolder tmp;
    tmp.put("a.txt", "A");
    const os::FileSystemSnapshot still;
    ASSERT_TRUE(os::findExisting(tmp.text(u"a.txt")));
    ASSERT_TRUE(os::renameFile(tmp.text(u"a.txt"), tmp.text(u"b.txt")));
    EXPECT_FALSE(os::findExisting(tmp.text(u"a.txt")));
    EXPECT_EQ(readOrEmpty(tmp.text(u"b.txt")), "A");
    ASSERT_TRUE(os::deleteFile(tmp.text(u"b.txt")));
    EXPECT_FALSE(os::fileExists(tmp.text(u"b.txt")));
    EXPECT_FALSE(os::folderExists(tmp.text(u"Sub")));
    ASSERT_TRUE(os::createFolder(tmp.text(u"Sub")));
    EXPECT_TRUE(os::folderExists(tmp.text(u"Sub")));
    ASSERT_TRUE(os::deleteFolder(tmp.text(u"Sub")));
    EXPECT_FALSE(os::folderExists(tmp.text(u"Sub")));
}

// A file first read without a limit is still refused to a reader with a smaller one, and the other way round.
TEST(FileSystemSnapshot, SizeLimitsHoldForKeptContents) {
    TempFolder tmp;
    tmp.put("big.txt", std::string(100, 'x'));
    const std::u16string big = tmp.text(u"big.txt");
    const os::FileSystemSnapshot still;
    std::string bytes;
    bool tooLarge = false;
    EXPECT_FALSE(os::readBytes(big, bytes, 10, tooLarge));
    EXPECT_TRUE(tooLarge);
    ASSERT_TRUE(os::readBytes(big, bytes));
    EXPECT_EQ(bytes.size(), 100u);
    EXPECT_FALSE(os::readBytes(big, bytes, 99, tooLarge));
    EXPECT_TRUE(tooLarge);
    EXPECT_TRUE(os::readBytes(big, bytes, 100, tooLarge));
    EXPECT_FALSE(tooLarge);
}

// Relative names resolve against the folder current when the snapshot first needed it; names that differ
// only in case still find the file on disk.
TEST(FileSystemSnapshot, RelativeAndCaseInsensitiveNamesResolveAsWithout) {
    TempFolder tmp;
    tmp.put("Childs/FilletWeld.kvs", "weld");
    const CurrentFolder here(tmp.path());
    const os::FileSystemSnapshot still;
    auto found = os::findExisting(u"childs\\filletweld.KVS");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->filename(), "FilletWeld.kvs");
    EXPECT_EQ(readOrEmpty(u"CHILDS/FilletWeld.kvs"), "weld");
    EXPECT_FALSE(os::findExisting(u"Childs\\Missing.kvs"));
    EXPECT_EQ(os::resolvePath(u"Childs\\Missing.kvs"), tmp.path() / "Childs" / "Missing.kvs");
}

namespace {

// Snapshots one after the other, as evaluations run, each reading the file and testing the name.
struct Look {
    std::string bolts;
    bool plates = false;
    bool fromLast = false;
};
Look lookInSnapshot(const TempFolder& tmp) {
    const os::FileSystemSnapshot still;
    return {readOrEmpty(tmp.text(u"Data\\Bolts.txt")), os::fileExists(tmp.text(u"data\\PLATES.std")),
            os::FileSystemSnapshot::startedFromLast()};
}

// Whether a snapshot can start from the last one's view here at all (not on file systems whose changes the
// kernel cannot report).
bool viewsAreKept(const TempFolder& tmp) {
    for (int i = 0; i < 3; ++i)
        if (lookInSnapshot(tmp).fromLast)
            return true;
    return false;
}

} // namespace

// A snapshot starts from the view the last one left only while nothing it rests on changed: every change
// another program makes between two evaluations is seen by the second, whichever way it is made.
TEST(FileSystemSnapshot, StartsFromTheLastViewOnlyWhileNothingItRestsOnChanged) {
    TempFolder tmp;
    tmp.put("Data/Bolts.txt", "M16");
    tmp.put("Notes/old.txt", "-");
    if (!viewsAreKept(tmp))
        GTEST_SKIP() << "the kernel cannot report every change under " << tmp.path();
    Look look = lookInSnapshot(tmp);
    EXPECT_TRUE(look.fromLast);
    EXPECT_EQ(look.bolts, "M16");
    EXPECT_FALSE(look.plates);

    tmp.put("Notes/new.txt", "x");   // nothing the view rests on
    EXPECT_TRUE(lookInSnapshot(tmp).fromLast);

    tmp.put("Data/Bolts.txt", "M20");
    look = lookInSnapshot(tmp);
    EXPECT_FALSE(look.fromLast);
    EXPECT_EQ(look.bolts, "M20");

    viewsAreKept(tmp);
    tmp.put("Data/Plates.std", "10");   // a name looked for without case appears
    EXPECT_TRUE(lookInSnapshot(tmp).plates);

    viewsAreKept(tmp);
    fs::rename(tmp.path() / "Data", tmp.path() / "Old");   // a folder on the way goes
    look = lookInSnapshot(tmp);
    EXPECT_EQ(look.bolts, "<unreadable>");
    EXPECT_FALSE(look.plates);

    fs::rename(tmp.path() / "Old", tmp.path() / "Data");
    viewsAreKept(tmp);
    fs::remove(tmp.path() / "Data" / "Bolts.txt");
    EXPECT_EQ(lookInSnapshot(tmp).bolts, "<unreadable>");
}

// Relative names lead elsewhere from another current folder, and drive names from another drive folder.
TEST(FileSystemSnapshot, StartsAfreshInAnotherCurrentOrDriveFolder) {
    TempFolder one, two;
    one.put("Data/Bolts.txt", "M16");
    two.put("Data/Bolts.txt", "M30");
    const auto lookRelative = [] {
        const os::FileSystemSnapshot still;
        return readOrEmpty(u"Data\\Bolts.txt");
    };
    {
        const CurrentFolder here(one.path());
        lookRelative();
        lookRelative();
        EXPECT_EQ(lookRelative(), "M16");
    }
    const CurrentFolder there(two.path());
    EXPECT_EQ(lookRelative(), "M30");

    const auto lookOnDrive = [] {
        const os::FileSystemSnapshot still;
        return readOrEmpty(u"L:\\Data\\Bolts.txt");
    };
    os::setDriveFolder(u'L', one.path());
    lookOnDrive();
    lookOnDrive();
    EXPECT_EQ(lookOnDrive(), "M16");
    os::setDriveFolder(u'L', two.path());
    EXPECT_EQ(lookOnDrive(), "M30");
    os::setDriveFolder(u'L', {});
}

// What a link leads to is not watched through it, so a view holding it is never kept, and changes behind the
// link are seen.
TEST(FileSystemSnapshot, ViewsThroughLinksAreNotKept) {
    TempFolder tmp;
    tmp.put("Real/Bolts.txt", "M16");
    fs::create_directory_symlink(tmp.path() / "Real", tmp.path() / "Data");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(lookInSnapshot(tmp).fromLast);
    tmp.put("Real/Bolts.txt", "M20");
    EXPECT_EQ(lookInSnapshot(tmp).bolts, "M20");
}

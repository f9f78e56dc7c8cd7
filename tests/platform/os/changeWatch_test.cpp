#include "os/changeWatch.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using Reliance = os::detail::ChangeWatch::Reliance;

namespace {

// The folders the tests run in may lie on a file system whose changes inotify cannot all report.
bool watchable(const TempFolder& tmp) {
    os::detail::ChangeWatch probe;
    probe.cover(tmp.path().string(), Reliance::Entries);
    return probe.cover(tmp.path().string(), Reliance::Entries);
}

} // namespace

TEST(ChangeWatch, CoversWhatWasWatchedBeforeItWasSeen) {
    TempFolder tmp;
    if (!watchable(tmp))
        GTEST_SKIP() << "inotify cannot watch " << tmp.path();
    tmp.put("Data/Bolts.txt", "M16");
    const std::string bolts = (tmp.path() / "Data" / "Bolts.txt").string();
    os::detail::ChangeWatch watch;
    EXPECT_FALSE(watch.cover(bolts, Reliance::Contents));   // the watches come after the look
    EXPECT_TRUE(watch.cover(bolts, Reliance::Contents));
    EXPECT_TRUE(watch.cover(bolts, Reliance::Path));
    EXPECT_TRUE(watch.cover((tmp.path() / "Data" / "Plates.std").string(), Reliance::Path));   // its folder's
    EXPECT_FALSE(watch.cover((tmp.path() / "Data").string(), Reliance::Entries) &&
                 watch.cover((tmp.path() / "Other").string(), Reliance::Entries));
    EXPECT_FALSE(watch.cover("relative/path", Reliance::Path));
    EXPECT_FALSE(watch.changed());
}

TEST(ChangeWatch, TellsOfChangesToWhatIsReliedOnOnly) {
    TempFolder tmp;
    if (!watchable(tmp))
        GTEST_SKIP() << "inotify cannot watch " << tmp.path();
    tmp.put("Data/Bolts.txt", "M16");
    tmp.put("Data/Plates.std", "10");
    tmp.put("Notes/readme.txt", "-");
    const fs::path data = tmp.path() / "Data";
    os::detail::ChangeWatch watch;
    watch.cover((data / "Bolts.txt").string(), Reliance::Contents);
    watch.cover((data / "Welds.txt").string(), Reliance::Path);   // missing
    watch.cover((tmp.path() / "Notes").string(), Reliance::Entries);
    ASSERT_FALSE(watch.changed());

    tmp.put("Data/Plates.std", "12");   // a neighbour nothing rests on
    tmp.put("Unrelated.txt", "x");
    EXPECT_FALSE(watch.changed());

    tmp.put("Data/Bolts.txt", "M20");
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed()) << "the events were taken";

    watch.cover((data / "Welds.txt").string(), Reliance::Path);
    tmp.put("Data/Welds.txt", "a4");   // the missing name appears
    EXPECT_TRUE(watch.changed());

    watch.cover((tmp.path() / "Notes").string(), Reliance::Entries);
    tmp.put("Notes/new.txt", "any name counts in a listed folder");
    EXPECT_TRUE(watch.changed());
}

TEST(ChangeWatch, TellsOfFoldersOnTheWayRenamedAndWatchesAfresh) {
    TempFolder tmp;
    if (!watchable(tmp))
        GTEST_SKIP() << "inotify cannot watch " << tmp.path();
    tmp.put("Lib/Data/Bolts.txt", "M16");
    const std::string bolts = (tmp.path() / "Lib" / "Data" / "Bolts.txt").string();
    os::detail::ChangeWatch watch;
    watch.cover(bolts, Reliance::Contents);
    ASSERT_TRUE(watch.cover(bolts, Reliance::Contents));
    fs::rename(tmp.path() / "Lib", tmp.path() / "Old");
    fs::create_directories(tmp.path() / "Lib" / "Data");
    tmp.put("Lib/Data/Bolts.txt", "M24");
    EXPECT_TRUE(watch.changed());
    // The old watches followed the folders away: what is there now is watched anew.
    EXPECT_FALSE(watch.cover(bolts, Reliance::Contents));
    EXPECT_TRUE(watch.cover(bolts, Reliance::Contents));
    tmp.put("Lib/Data/Bolts.txt", "M27");
    EXPECT_TRUE(watch.changed());
}

// A link leads to folders no watch of its own path covers, and a file changed through another name of it is
// not reported to the folder it was read from: the first is refused, the second is watched on the file itself.
TEST(ChangeWatch, RefusesLinksAndWatchesFilesThemselves) {
    TempFolder tmp;
    if (!watchable(tmp))
        GTEST_SKIP() << "inotify cannot watch " << tmp.path();
    tmp.put("Real/Bolts.txt", "M16");
    tmp.put("Elsewhere/keep", "");
    fs::create_directory_symlink(tmp.path() / "Real", tmp.path() / "Link");
    os::detail::ChangeWatch watch;
    const std::string viaLink = (tmp.path() / "Link" / "Bolts.txt").string();
    EXPECT_FALSE(watch.cover(viaLink, Reliance::Contents));
    EXPECT_FALSE(watch.cover(viaLink, Reliance::Contents));

    const std::string bolts = (tmp.path() / "Real" / "Bolts.txt").string();
    watch.cover(bolts, Reliance::Contents);
    ASSERT_TRUE(watch.cover(bolts, Reliance::Contents));
    watch.changed();
    fs::create_hard_link(bolts, tmp.path() / "Elsewhere" / "Bolts.txt");
    EXPECT_TRUE(watch.changed()) << "a new name of the file changes its link count";
    watch.cover(bolts, Reliance::Contents);
    watch.cover(bolts, Reliance::Contents);
    watch.changed();
    tmp.put("Elsewhere/Bolts.txt", "M20");
    EXPECT_TRUE(watch.changed());
}

#include "os/changeWatch.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using Reliance = os::detail::ChangeWatch::Reliance;

namespace {

// A fresh folder and a fresh watch. The folder may lie on a file system whose changes inotify cannot all
// report: the tests are skipped there.
class ChangeWatchTest : public testing::Test {
protected:
    void SetUp() override {
        os::detail::ChangeWatch probe;
        probe.cover(tmp.path().string(), Reliance::Entries);
        if (!probe.cover(tmp.path().string(), Reliance::Entries))
            GTEST_SKIP() << "inotify cannot watch " << tmp.path();
    }
    std::string at(const std::string& relative) const { return (tmp.path() / relative).string(); }

    TempFolder tmp;
    os::detail::ChangeWatch watch;
};

} // namespace

TEST_F(ChangeWatchTest, CoversWhatWasWatchedBeforeItWasSeen) {
    tmp.put("Data/Bolts.txt", "M16");
    const std::string bolts = at("Data/Bolts.txt");
    EXPECT_FALSE(watch.cover(bolts, Reliance::Contents));   // the watches come after the look
    EXPECT_TRUE(watch.cover(bolts, Reliance::Contents));
    EXPECT_TRUE(watch.cover(bolts, Reliance::Path));
    EXPECT_TRUE(watch.cover(at("Data/Plates.std"), Reliance::Path));   // its folder's
    EXPECT_TRUE(watch.cover(at("Data"), Reliance::Entries)) << "watched already, on the way to the file";
    EXPECT_FALSE(watch.cover(at("Other/Welds.txt"), Reliance::Contents));   // looked for now: missing
    EXPECT_TRUE(watch.cover(at("Other/Welds.txt"), Reliance::Contents)) << "its folder's watch tells of it";
    EXPECT_FALSE(watch.cover("relative/path", Reliance::Path));
    EXPECT_FALSE(watch.changed());
}

TEST_F(ChangeWatchTest, TellsOfChangesToWhatIsReliedOnOnly) {
    tmp.put("Data/Bolts.txt", "M16");
    tmp.put("Data/Plates.std", "10");
    tmp.put("Notes/readme.txt", "-");
    const fs::path data = tmp.path() / "Data";
    watch.cover((data / "Bolts.txt").string(), Reliance::Contents);
    watch.cover((data / "Welds.txt").string(), Reliance::Path);   // missing
    watch.cover(at("Notes"), Reliance::Entries);
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

    watch.cover(at("Notes"), Reliance::Entries);
    tmp.put("Notes/new.txt", "any name counts in a listed folder");
    EXPECT_TRUE(watch.changed());
}

TEST_F(ChangeWatchTest, TellsOfFoldersOnTheWayRenamedAndWatchesAfresh) {
    tmp.put("Lib/Data/Bolts.txt", "M16");
    const std::string bolts = at("Lib/Data/Bolts.txt");
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
TEST_F(ChangeWatchTest, RefusesLinksAndWatchesFilesThemselves) {
    tmp.put("Real/Bolts.txt", "M16");
    tmp.put("Elsewhere/keep", "");
    fs::create_directory_symlink(tmp.path() / "Real", tmp.path() / "Link");
    const std::string viaLink = at("Link/Bolts.txt");
    EXPECT_FALSE(watch.cover(viaLink, Reliance::Contents));
    EXPECT_FALSE(watch.cover(viaLink, Reliance::Contents));

    const std::string bolts = at("Real/Bolts.txt");
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

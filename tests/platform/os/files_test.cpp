#include "os/files.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <sys/stat.h>

namespace fs = std::filesystem;
using Lines = std::vector<std::u16string>;

TEST(LineFiles, ReadsEveryEncodingAndLineEnding) {
    const Lines expected{u"Mapping version 1.0", u"W\u00E9=1", u""};
    EXPECT_EQ(os::decodeLines("Mapping version 1.0\nW\xC3\xA9=1\n\n"), expected);
    EXPECT_EQ(os::decodeLines("\xEF\xBB\xBFMapping version 1.0\r\nW\xC3\xA9=1\r\n\r\n"), expected);
    std::string utf16le = "\xFF\xFE";
    for (char16_t c : std::u16string(u"Mapping version 1.0\r\nW\u00E9=1\n\n")) {
        utf16le += static_cast<char>(c & 0xFF);
        utf16le += static_cast<char>(c >> 8);
    }
    EXPECT_EQ(os::decodeLines(utf16le), expected);
}

TEST(LineFiles, FinalLineBreakIsOptional) {
    EXPECT_EQ(os::decodeLines("a\nb"), (Lines{u"a", u"b"}));
    EXPECT_EQ(os::decodeLines("a\nb\n"), (Lines{u"a", u"b"}));
    EXPECT_EQ(os::decodeLines(""), Lines{});
    EXPECT_EQ(os::decodeLines("\n"), Lines{u""});
}

TEST(LineFiles, OddUtf16TailBecomesAReplacementCharacter) {
    EXPECT_EQ(os::decodeLines(std::string("\xFF\xFE"
                                          "a\0b",
                                          5)),
              (Lines{u"a\uFFFD"}));
}

TEST(LineFiles, WritesUtf8WithLfOrCrlfAndReadsItBack) {
    TempFolder tmp;
    const Lines lines{u"\u00B0 first", u"", u"\U0001F529 third"};
    ASSERT_TRUE(os::writeLines(tmp.text(u"a.txt"), lines));
    EXPECT_EQ(tmp.get("a.txt"), "\xC2\xB0 first\n\n\xF0\x9F\x94\xA9 third\n");
    ASSERT_TRUE(os::writeLines(tmp.text(u"b.txt"), lines, os::LineEnding::CRLF));
    EXPECT_EQ(tmp.get("b.txt"), "\xC2\xB0 first\r\n\r\n\xF0\x9F\x94\xA9 third\r\n");
    Lines back;
    ASSERT_TRUE(os::readLines(tmp.text(u"B.TXT"), back));
    EXPECT_EQ(back, lines);
}

TEST(LineFiles, MissingFileOrFolderFails) {
    TempFolder tmp;
    Lines lines{u"kept"};
    EXPECT_FALSE(os::readLines(tmp.text(u"none.txt"), lines));
    EXPECT_FALSE(os::readLines(tmp.text(), lines)); // a folder is not a file
    EXPECT_EQ(lines, Lines{u"kept"});
    EXPECT_FALSE(os::writeLines(tmp.text(u"no folder\\a.txt"), lines));
    EXPECT_FALSE(os::writeBytes(tmp.text(), "x"));
}

TEST(ByteFiles, EightBitBytesPassThroughUnchanged) {
    TempFolder tmp;
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    ASSERT_TRUE(os::writeBytes(tmp.text(u"s.kvd"), bytes));
    std::string back;
    ASSERT_TRUE(os::readBytes(tmp.text(u"S.KVD"), back));
    EXPECT_EQ(back, bytes);
}

TEST(AtomicWrite, ReplacesTheOldFileWhole) {
    TempFolder tmp;
    tmp.put("a.txt", "a much longer old content\n");
    ASSERT_TRUE(os::writeBytes(tmp.text(u"A.txt"), "new\n")); // found without case: the same file
    EXPECT_EQ(tmp.get("a.txt"), "new\n");
    EXPECT_FALSE(fs::exists(tmp.path() / "A.txt"));
}

TEST(AtomicWrite, FailureAtAnyStageLeavesTheOldFileByteIdentical) {
    TempFolder tmp;
    const std::string old = "old line 1\r\nold line 2\r\n";
    tmp.put("keep.txt", old);
    for (auto stage : {os::WriteStage::Open, os::WriteStage::Write, os::WriteStage::Rename}) {
        os::FailureInjection inject(stage);
        EXPECT_FALSE(os::writeLines(tmp.text(u"keep.txt"), {u"new"}));
        EXPECT_TRUE(inject.fired());
        EXPECT_EQ(tmp.get("keep.txt"), old);
        // No temporary file is left behind either.
        EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);
    }
}

TEST(AtomicWrite, FailedFirstWriteCreatesNoFile) {
    TempFolder tmp;
    os::FailureInjection inject(os::WriteStage::Write);
    EXPECT_FALSE(os::writeBytes(tmp.text(u"new.txt"), "data"));
    EXPECT_TRUE(fs::is_empty(tmp.path()));
}

TEST(AtomicWrite, InjectionCanLetEarlierWritesThrough) {
    TempFolder tmp;
    os::FailureInjection inject(os::WriteStage::Rename, 1);
    EXPECT_TRUE(os::writeBytes(tmp.text(u"1.txt"), "one"));
    EXPECT_FALSE(inject.fired());
    EXPECT_FALSE(os::writeBytes(tmp.text(u"2.txt"), "two"));
    EXPECT_TRUE(inject.fired());
    EXPECT_TRUE(os::writeBytes(tmp.text(u"3.txt"), "three")); // it fires once
    EXPECT_FALSE(fs::exists(tmp.path() / "2.txt"));
}

TEST(AtomicWrite, LongestFileNamesCanBeWritten) {
    TempFolder tmp;
    const std::u16string name(255, u'n');
    EXPECT_TRUE(os::writeBytes(tmp.text(name), "x"));
    EXPECT_EQ(os::fileSize(tmp.text(name)), 1u);
}

TEST(AtomicWrite, KeepsPermissionsAndWritesThroughLinks) {
    TempFolder tmp;
    tmp.put("real.txt", "old");
    fs::permissions(tmp.path() / "real.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(tmp.path() / "real.txt", tmp.path() / "link.txt");
    ASSERT_TRUE(os::writeBytes(tmp.text(u"link.txt"), "new"));
    EXPECT_TRUE(fs::is_symlink(tmp.path() / "link.txt"));
    EXPECT_EQ(tmp.get("real.txt"), "new");
    EXPECT_EQ(fs::status(tmp.path() / "real.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicWrite, AFileWrittenInPiecesAppearsWholeAtTheCommitOnly) {
    TempFolder tmp;
    tmp.put("big.csv", "old");
    {
        os::AtomicFileWriter writer(tmp.text(u"big.csv"));
        ASSERT_TRUE(writer.good());
        EXPECT_TRUE(writer.write("one,"));
        EXPECT_TRUE(writer.write(std::string_view("t\0o\n", 4)));   // bytes, whatever they are
        EXPECT_EQ(tmp.get("big.csv"), "old");
        EXPECT_TRUE(writer.commit());
    }
    EXPECT_EQ(tmp.get("big.csv"), std::string("one,t\0o\n", 8));
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);

    // Given up before its commit, the writer leaves the old file and no temporary file.
    {
        os::AtomicFileWriter writer(tmp.text(u"big.csv"));
        EXPECT_TRUE(writer.write("half"));
    }
    EXPECT_EQ(tmp.get("big.csv"), std::string("one,t\0o\n", 8));
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);
}

TEST(AtomicWrite, APieceThatFailsEndsTheStreamedWrite) {
    TempFolder tmp;
    tmp.put("keep.txt", "old");
    for (auto stage : {os::WriteStage::Open, os::WriteStage::Write, os::WriteStage::Rename}) {
        os::FailureInjection inject(stage);
        os::AtomicFileWriter writer(tmp.text(u"keep.txt"));
        const bool first = writer.write("new ");
        const bool second = writer.write("text");
        EXPECT_FALSE(first && second && writer.commit());
        EXPECT_TRUE(inject.fired());
        if (stage == os::WriteStage::Write) {
            EXPECT_FALSE(writer.write("more"));   // nothing goes on after a failed piece
        }
        EXPECT_EQ(tmp.get("keep.txt"), "old");
        EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);
    }
    tmp.put("folder/inside.txt", "x");
    os::AtomicFileWriter folder(tmp.text(u"folder"));
    EXPECT_FALSE(folder.good());
    EXPECT_FALSE(folder.write("x") || folder.commit());
}

TEST(Existence, WildcardsInTheLastNameTestForAnyMatch) {
    TempFolder tmp;
    tmp.put("Data/Bolts.TXT");
    tmp.put("Data/Sub/x.bin");
    EXPECT_TRUE(os::fileExists(tmp.text(u"data\\bolts.txt")));
    EXPECT_TRUE(os::fileExists(tmp.text(u"data\\*.txt")));
    EXPECT_TRUE(os::fileExists(tmp.text(u"DATA/B?lts.*")));
    EXPECT_FALSE(os::fileExists(tmp.text(u"data\\*.bin"))); // only in a subfolder
    EXPECT_FALSE(os::fileExists(tmp.text(u"data\\sub")));   // a folder, not a file
    EXPECT_TRUE(os::folderExists(tmp.text(u"data\\S*")));
    EXPECT_TRUE(os::folderExists(tmp.text(u"DATA")));
    EXPECT_FALSE(os::folderExists(tmp.text(u"data\\bolts.txt")));
    CurrentFolder here(tmp.path() / "Data");
    EXPECT_TRUE(os::fileExists(u"*.txt"));
}

TEST(Listing, MatchingEntriesOfOneKindSortedWithoutCase) {
    TempFolder tmp;
    tmp.put("b.kvs");
    tmp.put("A.kvs");
    tmp.put("c.txt");
    tmp.put("Dir.kvs/inner.kvs");
    EXPECT_EQ(os::listFolder(tmp.text(), u"*.kvs"), (Lines{u"A.kvs", u"b.kvs"}));
    EXPECT_EQ(os::listFolder(tmp.text(), u"*", os::EntryKind::Folders), Lines{u"Dir.kvs"});
    EXPECT_EQ(os::listFolder(tmp.text(), u"*.KVS", os::EntryKind::Both), (Lines{u"A.kvs", u"b.kvs", u"Dir.kvs"}));
    EXPECT_TRUE(os::listFolder(tmp.text(u"missing"), u"*").empty());
}

TEST(Listing, FindFilesSearchesEveryDepthAndIgnoresLinkLoops) {
    TempFolder tmp;
    tmp.put("top.kvs");
    tmp.put("Childs/one.KVS");
    tmp.put("Childs/Deep/two.kvs");
    tmp.put("Childs/Deep/skip.txt");
    fs::create_directory_symlink(tmp.path(), tmp.path() / "Childs/loop");
    EXPECT_EQ(os::findFiles(tmp.text(), u"*.kvs"),
              (Lines{tmp.text(u"Childs\\Deep\\two.kvs"), tmp.text(u"Childs\\one.KVS"), tmp.text(u"top.kvs")}));
}

TEST(FileHelpers, CreateDeleteRenameCopyAndSize) {
    TempFolder tmp;
    EXPECT_TRUE(os::createFolder(tmp.text(u"a\\b/c")));
    EXPECT_TRUE(fs::is_directory(tmp.path() / "a/b/c"));
    EXPECT_TRUE(os::createFolder(tmp.text(u"A\\B"))); // exists already, found without case
    ASSERT_TRUE(os::writeBytes(tmp.text(u"a\\f.txt"), "12345"));
    EXPECT_EQ(os::fileSize(tmp.text(u"A\\F.TXT")), 5u);
    EXPECT_TRUE(os::modificationTime(tmp.text(u"a\\f.txt")));
    EXPECT_TRUE(os::copyFile(tmp.text(u"a\\f.txt"), tmp.text(u"a\\g.txt")));
    EXPECT_EQ(tmp.get("a/g.txt"), "12345");
    EXPECT_TRUE(os::renameFile(tmp.text(u"a\\G.txt"), tmp.text(u"a\\b\\h.txt")));
    EXPECT_EQ(tmp.get("a/b/h.txt"), "12345");
    EXPECT_FALSE(fs::exists(tmp.path() / "a/g.txt"));
    EXPECT_TRUE(os::deleteFile(tmp.text(u"a\\F.txt")));
    EXPECT_FALSE(os::deleteFile(tmp.text(u"a\\F.txt")));
    EXPECT_FALSE(os::fileSize(tmp.text(u"a\\f.txt")));
    EXPECT_FALSE(os::deleteFile(tmp.text(u"a\\b")));   // never a folder
    EXPECT_FALSE(os::deleteFolder(tmp.text(u"a\\b"))); // not empty
    EXPECT_TRUE(os::deleteFolder(tmp.text(u"a\\b\\c")));
}

// Contents kept between reads are given again only while the file's identity, size and times are unchanged:
// a rewrite of the same size, a replacement by rename and a fresh file within one clock tick are all read
// anew.
TEST(KeptContents, AChangedFileIsAlwaysReadAgain) {
    TempFolder tmp;
    tmp.put("t.txt", "M16\t18");
    const std::u16string file = tmp.text(u"t.txt");
    std::string bytes;
    ASSERT_TRUE(os::readBytes(file, bytes));
    tmp.put("t.txt", "M16\t22");   // same size, same tick
    ASSERT_TRUE(os::readBytes(file, bytes));
    EXPECT_EQ(bytes, "M16\t22");

    std::this_thread::sleep_for(std::chrono::milliseconds(150));   // old enough to be kept
    ASSERT_TRUE(os::readBytes(file, bytes));
    ASSERT_TRUE(os::readBytes(file, bytes));
    EXPECT_EQ(bytes, "M16\t22");
    tmp.put("t.txt", "M16\t24");
    ASSERT_TRUE(os::readBytes(file, bytes));
    EXPECT_EQ(bytes, "M16\t24");

    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    ASSERT_TRUE(os::readBytes(file, bytes));
    tmp.put("u.txt", "M20\t99");
    fs::rename(tmp.path() / "u.txt", tmp.path() / "t.txt");
    ASSERT_TRUE(os::readBytes(file, bytes));
    EXPECT_EQ(bytes, "M20\t99");
}

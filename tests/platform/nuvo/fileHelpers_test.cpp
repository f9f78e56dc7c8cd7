#include "nuvo/fileHelpers.h"

#include "support/TempFolder.h"
#include "os/files.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void writeRaw(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string readRaw(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(LineFiles, RoundTripTheMappingFileCharacters) {
    TempFolder dir;
    const Ork_String path = dir.folder() + u"end.map";
    const Ork_StringArray lines{u"Mapping version 1.0", u"T=Gap\u0192Distance\u2022Plate\u00BFDia\u0192x", u""};
    ASSERT_TRUE(ObjectExportWriteFile(path, lines));
    Ork_StringArray read{u"old content"};
    ASSERT_TRUE(ObjectExportReadFile(path, read));
    EXPECT_EQ(read, lines);
    EXPECT_EQ(readRaw(dir.path() / "end.map"), "Mapping version 1.0\nT=GapƒDistance•Plate¿Diaƒx\n\n");
}

TEST(LineFiles, ReadCrlfAndAByteOrderMark) {
    TempFolder dir;
    writeRaw(dir.path() / "t.txt", "\xEF\xBB\xBF" "a\xC2\xBF" "b\r\nsecond\r\n");
    Ork_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile(dir.folder() + u"t.txt", lines));
    EXPECT_EQ(lines, (Ork_StringArray{u"a\u00BFb", u"second"}));
}

TEST(LineFiles, WriteCrlfOnRequest) {
    TempFolder dir;
    ASSERT_TRUE(ObjectExportWriteFile(dir.folder() + u"c.txt", {u"x", u"y"}, true));
    EXPECT_EQ(readRaw(dir.path() / "c.txt"), "x\r\ny\r\n");
}

TEST(LineFiles, AMissingFileFailsAndLeavesTheLines) {
    TempFolder dir;
    Ork_StringArray lines{u"kept"};
    EXPECT_FALSE(ObjectExportReadFile(dir.folder() + u"missing.txt", lines));
    EXPECT_EQ(lines, (Ork_StringArray{u"kept"}));
}

TEST(LineFiles, AFailedWriteLeavesTheOldFile) {
    TempFolder dir;
    const Ork_String path = dir.folder() + u"keep.txt";
    ASSERT_TRUE(ObjectExportWriteFile(path, {u"old"}));
    {
        os::FailureInjection failure(os::WriteStage::Rename);
        EXPECT_FALSE(ObjectExportWriteFile(path, {u"new"}));
    }
    EXPECT_EQ(readRaw(dir.path() / "keep.txt"), "old\n");
}

TEST(TableFiles, RoundTripRowsAndGiveTheName) {
    TempFolder dir;
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"HEA.dat"});
    rows.append({u"SysName", u"I/O", u"English"});
    rows.append({u"HEA100", u"1", u"HEA 100 ƒ"});
    rows.append({u"", u"", u""});
    ASSERT_TRUE(writeFile(dir.folder() + u"HEA.pr", rows));
    Ork_String name;
    Ork_Array<Ork_StringArray> read;
    ASSERT_TRUE(readFile(dir.folder() + u"HEA.pr", name, read));
    EXPECT_EQ(name, u"HEA");
    ASSERT_EQ(read.length(), 4);
    EXPECT_EQ(read[2], rows[2]);
    EXPECT_EQ(read[3], rows[3]);
}

TEST(TableFiles, RefuseAFieldThatWouldSplitAndLeaveTheFile) {
    TempFolder dir;
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"a"});
    ASSERT_TRUE(writeFile(dir.folder() + u"t.pr", rows));
    rows.append({u"tab\tinside"});
    EXPECT_FALSE(writeFile(dir.folder() + u"t.pr", rows));
    EXPECT_EQ(readRaw(dir.path() / "t.pr"), "a\n");
}

TEST(FindFiles, MatchWildcardsWithoutCase) {
    TempFolder dir;
    std::filesystem::create_directories(dir.path() / "Childs");
    writeRaw(dir.path() / "End.kvs", "");
    writeRaw(dir.path() / "base.KVS", "");
    writeRaw(dir.path() / "end.map", "");
    writeRaw(dir.path() / "Childs" / "c1.kvs", "");
    Ork_StringArray found;
    ASSERT_TRUE(ObjectExportFindFiles(dir.folder() + u"*.kvs", found));
    EXPECT_EQ(found, (Ork_StringArray{dir.folder() + u"base.KVS", dir.folder() + u"End.kvs"}));
    ASSERT_TRUE(ObjectExportFindFiles(dir.folder() + u"e?d.*", found));
    EXPECT_EQ(found.length(), 2);
    EXPECT_FALSE(ObjectExportFindFiles(dir.folder() + u"*.xyz", found));
    EXPECT_EQ(found.length(), 0);
    EXPECT_TRUE(ObjectExportFileExists(dir.folder() + u"END.KVS"));
    EXPECT_TRUE(ObjectExportFileExists(dir.folder() + u"*.map"));
    EXPECT_FALSE(ObjectExportFileExists(dir.folder() + u"*.bmp"));
}

TEST(FindFiles, AFolderIsNoFile) {
    // A folder named like a sheet, child or data file must not stand in for the file the library has.
    TempFolder dir;
    std::filesystem::create_directories(dir.path() / "EndPlate");
    std::filesystem::create_directories(dir.path() / "weld.kvs");
    EXPECT_FALSE(ObjectExportFileExists(dir.folder() + u"EndPlate"));
    EXPECT_FALSE(ObjectExportFileExists(dir.folder() + u"endplate"));
    EXPECT_FALSE(ObjectExportFileExists(dir.folder() + u"weld.kvs"));
    EXPECT_FALSE(ObjectExportFileExists(dir.folder() + u"*.kvs"));
    writeRaw(dir.path() / "bolts.kvs", "");
    EXPECT_TRUE(ObjectExportFileExists(dir.folder() + u"*.kvs"));
}

TEST(FindFiles, RecursiveSearchReachesSubfolders) {
    TempFolder dir;
    std::filesystem::create_directories(dir.path() / "a" / "b");
    writeRaw(dir.path() / "top.txt", "");
    writeRaw(dir.path() / "a" / "b" / "deep.txt", "");
    writeRaw(dir.path() / "a" / "skip.bmp", "");
    Ork_StringArray found;
    ASSERT_TRUE(ObjectExportFindFilesRecursive(dir.folder(), u"*.txt", found));
    ASSERT_EQ(found.length(), 2);
    EXPECT_TRUE(found.contains(dir.folder() + u"top.txt"));
    EXPECT_TRUE(found[0].endsWith(u"deep.txt") || found[1].endsWith(u"deep.txt"));
}

TEST(Folders, CreateAndDelete) {
    TempFolder dir;
    EXPECT_TRUE(ObjectExportCreateDirectory(dir.folder() + u"x\\y\\z"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "x" / "y" / "z"));
    ASSERT_TRUE(ObjectExportWriteFile(dir.folder() + u"x\\f.txt", {u"1"}));
    EXPECT_TRUE(deleteFile(dir.folder() + u"x\\f.txt"));
    EXPECT_FALSE(deleteFile(dir.folder() + u"x\\f.txt"));
}

// Documents loaded again are taken from the cache only when the file's bytes are exactly those parsed before.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempFolder.h"
#include "grid/DocumentCache.h"
#include "grid/GridDocument.h"

using namespace grid;

namespace {

void writeFile(const std::filesystem::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string doc(const char* value) {
    return std::string("SS grid 1\nsize 1 1\ncell 1 1 text \"") + value + "\"\nend\n";
}

TEST(DocumentCache, AFileChangedInPlaceIsReadAgainWhateverItsSizeAndTimes) {
    DocumentCache::instance().clear();
    TempFolder folder;
    const auto path = folder.path() / "a.kvs";
    writeFile(path, doc("one"));
    Sheet sheet;
    std::u16string error;
    ASSERT_TRUE(GridDocument::load(sheet, folder.file("a.kvs"), error)) << std::string(error.begin(), error.end());
    EXPECT_EQ(sheet.valueText(1, 1), u"one");
    EXPECT_EQ(DocumentCache::instance().size(), 1u);

    // Same size, same modification time: only the content tells.
    const auto time = std::filesystem::last_write_time(path);
    writeFile(path, doc("two"));
    std::filesystem::last_write_time(path, time);
    ASSERT_TRUE(GridDocument::load(sheet, folder.file("a.kvs"), error));
    EXPECT_EQ(sheet.valueText(1, 1), u"two");

    // The cached document serves the next load, and a sheet changed in between gets the file's state again.
    sheet.setData(1, 1, u"edited");
    ASSERT_TRUE(GridDocument::load(sheet, folder.file("a.kvs"), error));
    EXPECT_EQ(sheet.valueText(1, 1), u"two");
    EXPECT_EQ(DocumentCache::instance().size(), 1u);
}

TEST(DocumentCache, AMalformedFileIsNeverCachedAndTheCacheStaysBounded) {
    DocumentCache::instance().clear();
    TempFolder folder;
    writeFile(folder.path() / "bad.kvs", "SS grid 1\nsize 1 1\n");
    Sheet sheet;
    std::u16string error;
    EXPECT_FALSE(GridDocument::load(sheet, folder.file("bad.kvs"), error));
    EXPECT_EQ(DocumentCache::instance().size(), 0u);
    for (std::size_t i = 0; i < DocumentCache::kMaxDocuments + 5; ++i) {
        const std::string name = "d" + std::to_string(i) + ".kvs";
        writeFile(folder.path() / name, doc("x"));
        ASSERT_TRUE(GridDocument::load(sheet, folder.file(name), error));
    }
    EXPECT_EQ(DocumentCache::instance().size(), DocumentCache::kMaxDocuments);
    DocumentCache::instance().clear();
}

} // namespace

namespace {

TEST(DocumentLoad, EveryFormulaIsComputedOnceAndInDependencyOrder) {
    DocumentCache::instance().clear();
    TempFolder folder;
    // B1 reads A1, which is written after it in the file: the order of computing is the dependencies', not the
    // file's.
    writeFile(folder.path() / "calls.sss",
              "SS grid 1\nsize 2 1\ncell 1 1 formula \"COUNTED(5)\"\ncell 2 1 formula \"A1*2\"\nend\n");
    Sheet sheet;
    int calls = 0;
    sheet.addCustomFunction(u"COUNTED", 1, 1, [&](SSValueRecord& result, SSValueRecord* args, std::int16_t) {
        ++calls;
        result.status = SSStatusValid;
        result.type = SSTypeDouble;
        result.dValue = args[0].type == SSTypeDouble ? args[0].dValue : args[0].lValue;
        return true;
    }, 0);
    std::u16string error;
    ASSERT_TRUE(GridDocument::load(sheet, folder.file("calls.sss"), error));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(sheet.valueText(2, 1), u"10");
}

} // namespace

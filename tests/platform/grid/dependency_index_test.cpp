#include <gtest/gtest.h>

#include "grid/DependencyIndex.h"

#include <algorithm>
#include <vector>

using namespace grid;

namespace {

std::vector<CellId> readersOf(const DependencyIndex& index, const Block& block) {
    std::vector<CellId> readers;
    index.forEachReader(block, [&](CellId id) { readers.push_back(id); });
    std::sort(readers.begin(), readers.end());
    readers.erase(std::unique(readers.begin(), readers.end()), readers.end());
    return readers;
}

} // namespace

// Readers are found for every position their references cover, near the top and far down a column (where
// the stretches of a column need pages of their own), and for whole-column references kept aside.
TEST(DependencyIndex, FindsTheReadersOfEveryCoveredPosition) {
    DependencyIndex index;
    index.add(Block{1, 1, 1, 1}, 10);                // A1
    index.add(Block{2, 3, 3, 20}, 11);               // B3:C20
    index.add(Block{1, 70000, 1, 70000}, 12);        // A70000
    index.add(Block{4, 1, 4, kMaxRows}, 13);         // all of column D
    EXPECT_EQ(readersOf(index, Block{1, 1, 1, 1}), (std::vector<CellId>{10}));
    EXPECT_EQ(readersOf(index, Block{3, 20, 3, 20}), (std::vector<CellId>{11}));
    EXPECT_EQ(readersOf(index, Block{3, 21, 3, 21}), (std::vector<CellId>{}));
    EXPECT_EQ(readersOf(index, Block{1, 70000, 1, 70000}), (std::vector<CellId>{12}));
    EXPECT_EQ(readersOf(index, Block{1, 69999, 1, 69999}), (std::vector<CellId>{}));
    EXPECT_EQ(readersOf(index, Block{4, 500000, 4, 500000}), (std::vector<CellId>{13}));
    EXPECT_EQ(readersOf(index, Block{1, 1, 4, kMaxRows}), (std::vector<CellId>{10, 11, 12, 13}));   // a large block
}

TEST(DependencyIndex, RemovedAndClearedReadersAreGone) {
    DependencyIndex index;
    EXPECT_TRUE(index.empty());
    index.add(Block{2, 3, 3, 20}, 11);
    index.add(Block{2, 3, 3, 20}, 14);
    index.add(Block{4, 1, 4, kMaxRows}, 13);
    index.remove(Block{2, 3, 3, 20}, 11);
    index.remove(Block{4, 1, 4, kMaxRows}, 13);
    index.remove(Block{9, 9, 9, 9}, 15);   // never added
    EXPECT_EQ(readersOf(index, Block{2, 10, 2, 10}), (std::vector<CellId>{14}));
    EXPECT_EQ(readersOf(index, Block{4, 10, 4, 10}), (std::vector<CellId>{}));
    EXPECT_FALSE(index.empty());
    index.remove(Block{2, 3, 3, 20}, 14);
    EXPECT_TRUE(index.empty());
    index.add(Block{2, 3, 3, 20}, 14);
    index.clear();
    EXPECT_TRUE(index.empty());
    EXPECT_EQ(readersOf(index, Block{2, 10, 2, 10}), (std::vector<CellId>{}));
    index.add(Block{2, 10, 2, 10}, 16);
    EXPECT_FALSE(index.empty());
    EXPECT_EQ(readersOf(index, Block{1, 1, 5, 100}), (std::vector<CellId>{16}));
}

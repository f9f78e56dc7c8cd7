// The chain of open formula windows and the calculating grid they hand on.
#include "sheet/formulaChain.h"

#include "base/calculatingDocuments.h"
#include "nuvo/Ork_String.h"
#include "spread/Ork_Spread.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// Stand-ins for windows: the chain only compares their addresses.
CFormula* window(int n) { return reinterpret_cast<CFormula*>(static_cast<std::uintptr_t>(0x1000 * n)); }

TEST(FormulaChain, TheCalculatingGridComesBackWhenItsWindowLeaves) {
    Ork_Spread a, b;
    const std::string noFile;
    formulaChain::enter(window(1), a, noFile);
    formulaChain::enter(window(2), b, noFile);
    EXPECT_EQ(formulaChain::calcGrid(), &b);
    EXPECT_EQ(formulaChain::windowOf(&a), window(1));
    formulaChain::leave(window(2));
    EXPECT_EQ(formulaChain::calcGrid(), &a);
    formulaChain::leave(window(1));
    EXPECT_EQ(formulaChain::calcGrid(), nullptr);
    EXPECT_EQ(formulaChain::size(), 0);
}

TEST(FormulaChain, AWindowLeavingOutOfOrderLeavesNoPointerToItsGrid) {
    Ork_Spread a, b;
    const std::string noFile;
    formulaChain::enter(window(1), a, noFile);
    formulaChain::enter(window(2), b, noFile);   // remembers a
    formulaChain::leave(window(1));
    EXPECT_EQ(formulaChain::calcGrid(), &b);
    formulaChain::leave(window(2));
    EXPECT_EQ(formulaChain::calcGrid(), nullptr);   // not a, which has gone
    formulaChain::leave(window(2));                 // twice changes nothing
    EXPECT_EQ(formulaChain::size(), 0);
}

TEST(FormulaChain, AFileIsKnownByItsPlaceOnDiskWhateverItsSpelling) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ss-formula-chain";
    std::filesystem::create_directories(folder / "sub");
    std::ofstream(folder / "Table.sss") << "x";
    const std::string key = calculatingDocuments::documentKey(Ork_String::fromUtf8((folder / "Table.sss").string()));
    EXPECT_FALSE(key.empty());
    EXPECT_EQ(calculatingDocuments::documentKey(Ork_String::fromUtf8((folder / "sub" / ".." / "TABLE.SSS").string())),
              key);
    EXPECT_TRUE(calculatingDocuments::documentKey(Ork_String::fromUtf8((folder / "missing.sss").string())).empty());
    EXPECT_TRUE(calculatingDocuments::documentKey(u"").empty());

    Ork_Spread grid;
    formulaChain::enter(window(1), grid, key);
    EXPECT_TRUE(formulaChain::holdsFile(key));
    EXPECT_FALSE(formulaChain::holdsFile(key, window(1)));
    EXPECT_FALSE(formulaChain::holdsFile(""));
    formulaChain::leave(window(1));
    EXPECT_FALSE(formulaChain::holdsFile(key));
    std::filesystem::remove_all(folder);
}

TEST(FormulaChain, AFileWhoseNameDiffersOnlyInCaseIsAnotherFile) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ss-formula-chain-case";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Table.sss") << "x";
    std::ofstream(folder / "TABLE.SSS") << "y";
    const std::string held = calculatingDocuments::documentKey(Ork_String::fromUtf8((folder / "Table.sss").string()));
    const std::string other = calculatingDocuments::documentKey(Ork_String::fromUtf8((folder / "TABLE.SSS").string()));
    Ork_Spread grid;
    formulaChain::enter(window(1), grid, held);
    EXPECT_TRUE(formulaChain::holdsFile(held));
    EXPECT_FALSE(formulaChain::holdsFile(other));
    formulaChain::leave(window(1));
    std::filesystem::remove_all(folder);
}

TEST(FormulaChain, ADocumentCalculatedOutsideTheChainCountsToo) {
    // One registry for every calculation: a standards sheet being calculated is no table to look up either.
    const std::string standards = "/lib/Connection Standards/EndPlate.kvs";
    calculatingDocuments::enter(standards);
    EXPECT_TRUE(formulaChain::holdsFile(standards));
    EXPECT_EQ(formulaChain::size(), 0);   // nor does it nest a window
    calculatingDocuments::leave(standards);
    EXPECT_FALSE(formulaChain::holdsFile(standards));
}

} // namespace

#pragma once
// The end-plate macro of the test data (or another macro file of it), loaded into both sides of the macro model.
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "nuvo/macro/macroJson.h"

#include <gtest/gtest.h>

inline Ork_String testDataPath(const char* relative) {
    return Ork_String::fromUtf8(std::string(SS_TEST_DATA) + "/" + relative);
}

struct LoadedMacro {
    Ork_DbMacro db;
    MacroData data;

    explicit LoadedMacro(const char* relative = "nuvo/macros/endplate.json") {
        Ork_String error;
        EXPECT_TRUE(readMacroJson(testDataPath(relative), db, data, error)) << error.utf8();
    }
    Ork_Macro& macro() { return *db.macroWrite(); }
    Ork_Module& module(const char16_t* name) {
        Ork_Module* m = nullptr;
        EXPECT_EQ(macro().findModuleWrite(name, m), eOk);
        return *m;
    }
    MacroTabData& tab(const char16_t* name) {
        int index = -1;
        EXPECT_TRUE(data.findTab(name, index));
        return *data.getTab(index);
    }
};

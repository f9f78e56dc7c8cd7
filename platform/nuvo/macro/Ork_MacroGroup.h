#pragma once
// What a macro's definition holds beyond its modules: its groups (a name, a text and a number each; number 0
// is none), the two free texts of the groups page and three general settings whose meaning is the host's.
#include "nuvo/Ork_Array.h"
#include "nuvo/macro/Ork_MacroFilters.h"
#include "nuvo/Ork_String.h"

#include <array>

struct Ork_MacroGroup {
    Ork_String name;
    Ork_String text;
    int number = 0;
};

struct Ork_MacroDefinition {
    static constexpr int kSettingCount = 3;

    Ork_Array<Ork_MacroGroup> groups;
    Ork_String firstText;
    Ork_String secondText;
    // The first two are positions in a list of three (-1: none chosen); the third is a number.
    std::array<int, kSettingCount> settings{0, 0, 0};

    // The settings dialog's other parts: filters, filter properties and the mapped standards spreadsheets.
    Ork_MacroFilters filters;
    Ork_FilterProperties filterProperties;
    Ork_SheetMappings sheetMappings;
};

#pragma once
// What the advanced profile dialog hands its callback besides the profile record: the macro it works on
// and which profile of it (a module group and a second name).
#include "SS/KvMACallBack.h"
#include "SS/ssExport.h"
#include "nuvo/Ork_String.h"

class MacroData;

class SS_EXPORT KvMACallBackData {
public:
    KvMACallBackData();
    KvMACallBackData(const KvMACallBackData& other);
    KvMACallBackData& operator=(const KvMACallBackData& other);
    virtual ~KvMACallBackData();

    MacroData* macroData = nullptr;  // shared, never owned
    Ork_String group;
    Ork_String name;
};

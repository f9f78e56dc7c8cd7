#pragma once
// What the advanced profile dialog hands its callback besides the profile record: the macro it works on
// and which profile of it (a module group and a second name).
#include "frame/ssExport.h"
#include "nuvo/Ork_String.h"

class MacroData;
struct MacroProfData;

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

// The profile callback: type 0 loads the profile record, 1 applies it (and may change it), 2 the dialog is
// about to hand control to the CAD editor, 3 it has it back. False when the callback cannot serve.
using KvMACallBack = bool (*)(int type, KvMACallBackData& data, MacroProfData& profile);

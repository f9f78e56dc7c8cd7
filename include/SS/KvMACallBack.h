#pragma once
// The profile callback of the advanced profile dialog, as the exported interface names it. The records it
// passes are declared here only; their definitions live with the dialogs that fill them.
class KvMACallBackData;
struct MacroProfData;

// The profile callback: type 0 loads the profile record, 1 applies it (and may change it), 2 the dialog is
// about to hand control to the CAD editor, 3 it has it back. False when the callback cannot serve.
using KvMACallBack = bool (*)(int type, KvMACallBackData& data, MacroProfData& profile);

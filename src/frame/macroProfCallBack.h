#pragma once
// The profile callback the module gives the advanced profile dialog when it edits one profile group of a
// macro record: type 0 reads the group's merged profile properties, type 1 stores them, has the host update
// that module in the drawing and reads them back. Other types do nothing. False only when the callback
// data carries no macro.
#include "macrodlg/KvMACallBackData.h"

bool MacroProfCallBack(int type, KvMACallBackData& data, MacroProfData& profile);

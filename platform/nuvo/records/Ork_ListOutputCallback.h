#pragma once
// The host's list output: a bill (or any list of parts) is fed to a callback object line by line. The host
// calls onStartFeed, then onAddRow for every line and onAddSubTotals for every subtotal line (onNewPage and
// onAddSeperation where its layout asks for them), and finally onEndFeed. The base does nothing and succeeds.
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_StringArray.h"

class Ork_ListOutputCallback {
public:
    Ork_ListOutputCallback();
    Ork_ListOutputCallback(const Ork_ListOutputCallback& other);
    Ork_ListOutputCallback& operator=(const Ork_ListOutputCallback& other);
    virtual ~Ork_ListOutputCallback();

    virtual ErrorStatus onStartFeed();
    virtual ErrorStatus onEndFeed();
    virtual ErrorStatus onNewPage();
    virtual ErrorStatus onAddRow(const Ork_StringArray& texts);
    // `secondTexts`, `flag` and `number` carry the host's subtotal layout.
    virtual ErrorStatus onAddSubTotals(const Ork_StringArray& texts, const Ork_StringArray& secondTexts, bool flag,
                                       int number);
    virtual ErrorStatus onAddSeperation();
};

#include "macrodlg/macroTabBinding.h"

#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/MacroLangs.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "seclib/profTablePath.h"

namespace {

constexpr int kMixedText = 695;
constexpr int kDialogButtonText = 968;  // the caption of a designed dialog button
constexpr int kPickButtonText = 969;

const Ork_String* textAt(const Ork_StringArray& texts, int index) {
    return index >= 0 && index < texts.length() ? &texts[index] : nullptr;
}

// A label's text in the working language, translated piece by piece around "x" ("Widthxheight").
Ork_String translated(const Ork_String& text) { return gMacroLangs.GetStringChopSymbols(Ork_String(), text, true, u'x'); }

bool bindLabel(Ork_DesignerControl& c, MacroTabData& tab) {
    // A label tied to a value (`extra`) is shown only while the tab has that value.
    if (!c.extra.isEmpty() && !tab.findCell(c.extra))
        c.contents = Ork_String();
    else
        c.contents = translated(c.contents);
    return true;
}

bool bindCell(Ork_DesignerControl& c, MacroTabData& tab) {
    MacroCellData* cell = tab.findCell(c.contents);
    if (!cell)
        return false;
    c.contents = cell->value;
    c.readOnly = cell->readOnly;
    if (c.type == ctCellCombo && c.comboItems.isEmpty() && c.extra.isEmpty())
        c.comboItems = cell->items;
    cell->dlgRef = c.resourceId;
    return true;
}

bool bindPattern(Ork_DesignerControl& c, MacroTabData& tab) {
    MacroPatternData* p = tab.findPattern(c.contents);
    if (!p)
        return false;
    if (c.type == ctPatternCount1) {
        c.contents = p->nrBolts1;
        p->dlgRef1 = c.resourceId;
    } else if (c.type == ctPatternCount2) {
        if (!p->acceptsSecondCount())
            return false;
        c.contents = p->nrBolts2;
        p->dlgRef2 = c.resourceId;
    } else {
        c.contents = u"...";
        p->dlgRefButton = c.resourceId;
    }
    return true;
}

bool bindBolt(Ork_DesignerControl& c, MacroTabData& tab, MacroPageBinding& page) {
    MacroBoltData* bolt = tab.getBoltData();
    if (!bolt || !tab.findPattern(c.contents))
        return false;
    if (c.type == ctBoltButton) {
        page.hasBoltButton = true;
        c.contents = dialString(kDialogButtonText);
        bolt->dlgRefButton = c.resourceId;
        return true;
    }
    const int v = static_cast<int>(c.type) - static_cast<int>(ctBoltCombo);
    c.contents = *bolt->value(v);
    bolt->dlgRefs[v] = c.resourceId;
    return true;
}

// The section names a profile combo box offers: the filtered system names of the section's table, and the
// group's own section under its display name.
void sectionItems(const Ork_String& section, Ork_StringArray& items) {
    items = Ork_StringArray();
    Ork_String path;
    Ork_ProfValuesTable table;
    if (sectionTableFile(section, path) && table.readFromFile(path))
        table.getFilteredSysNames(items);
    const Ork_String shown = sectionDisplayName(section);
    if (!shown.isEmpty() && !items.contains(shown))
        items.insertAt(0, shown);
}

bool bindProfile(Ork_DesignerControl& c, MacroTabData& tab) {
    MacroProfData* group = tab.findProfDataWithGroup(c.contents);
    if (!group)
        return false;
    switch (c.type) {
    case ctProfileCombo:
        sectionItems(group->section, c.comboItems);
        c.contents = sectionDisplayName(group->section);
        group->dlgRefSection = c.resourceId;
        break;
    case ctProfileButton:
        c.contents = dialString(kPickButtonText);
        group->dlgRefPick = c.resourceId;
        break;
    case ctOffsetTypeCombo: {
        getOffsetTypeTexts(c.comboItems);
        const Ork_String* current = textAt(c.comboItems, group->offsetType);
        c.contents = group->offsetMixed || !current ? dialString(kMixedText) : *current;
        group->dlgRefOffset = c.resourceId;
        break;
    }
    case ctProfileRotationCombo:
        c.comboItems = Ork_StringArray{u"0°", u"90°", u"180°", u"270°", dialString(kMixedText)};
        c.contents = group->rotation;
        for (int i = 0; i < 4; ++i)
            if (c.comboItems[i] == group->rotation + u"°")
                c.contents = c.comboItems[i];
        group->dlgRefRotation = c.resourceId;
        break;
    default:
        c.contents = dialString(kDialogButtonText);
        group->dlgRefAdvanced = c.resourceId;
        break;
    }
    return true;
}

bool bindArray(Ork_DesignerControl& c, MacroTabData& tab) {
    MacroArrayData* a = tab.findArrayWithName(c.contents);
    if (!a)
        return false;
    const DynArrayData& d = a->data;
    auto value = [&](int v) {
        const Ork_String* text = textAt(d.values, v);
        c.contents = text ? *text : Ork_String();
        a->dlgRefs[v] = c.resourceId;
        return true;
    };
    switch (c.type) {
    case ctArrayEdit1: return value(0);
    case ctArrayEdit2: return value(1);
    case ctArrayEdit3: return d.kind == 0 && value(2);   // only the host's first kind has a third value
    case ctArrayEdit4: return value(3);
    case ctArrayEdit5: return value(4);
    case ctArrayEntryEdit: {
        if (d.kind == 0)
            return false;
        const int entry = c.extra.toInt();
        const Ork_String* text = isNumber(c.extra) ? textAt(d.entryTexts, entry) : nullptr;
        if (!text)
            return false;
        c.contents = *text;
        a->dlgRefEntry = c.resourceId;
        a->entryIndex = entry;
        return true;
    }
    default:
        c.contents = dialString(kDialogButtonText);
        a->dlgRefButton = c.resourceId;
        return true;
    }
}

bool bindCalculation(Ork_DesignerControl& c, MacroTabData& tab) {
    // The base of a calculation is a value the user does not edit directly.
    MacroCellData* base = tab.findCell(c.calcPart1);
    if (!base || !base->readOnly)
        return false;
    base->dlgRef = c.resourceId;
    return true;
}

bool bindBlock(Ork_DesignerControl& c, MacroTabData& tab) {
    if (!tab.block)
        return false;
    blockChoices(c.extra, c.comboItems);
    c.comboItems.append(dialString(kMixedText));
    c.contents = tab.block->current;
    tab.block->dlgRef = c.resourceId;
    return true;
}

bool bindCut(Ork_DesignerControl& c, MacroTabData& tab) {
    MacroCutData* cut = tab.findCutWithName(c.contents);
    if (!cut)
        return false;
    c.contents = Ork_String(cut->state);
    cut->dlgRef = c.resourceId;
    return true;
}

bool bindCheck(Ork_DesignerControl& c, MacroTabData& tab) {
    MacroCellData* cell = tab.findCell(c.extra);
    if (!cell)
        return false;
    c.contents = translated(c.contents);
    c.extra = cell->value;
    c.readOnly = cell->readOnly;
    cell->dlgRef = c.resourceId;
    return true;
}

} // namespace

bool bindDesignedControl(Ork_DesignerControl& c, MacroTabData& tab, MacroPageBinding& page) {
    switch (c.type) {
    case ctLabel:
    case ctGroupBox: return bindLabel(c, tab);
    case ctCellEdit:
    case ctCellCombo: return bindCell(c, tab);
    case ctPatternCount1:
    case ctPatternCount2:
    case ctPatternButton: return bindPattern(c, tab);
    case ctBoltCombo:
    case ctBoltEdit1:
    case ctBoltEdit2:
    case ctBoltEdit3:
    case ctBoltEdit4:
    case ctBoltButton: return bindBolt(c, tab, page);
    case ctProfileCombo:
    case ctProfileButton:
    case ctOffsetTypeCombo:
    case ctProfileRotationCombo:
    case ctProfileMoreButton: return bindProfile(c, tab);
    case ctArrayEdit1:
    case ctArrayEdit2:
    case ctArrayEdit3:
    case ctArrayEdit4:
    case ctArrayEdit5:
    case ctArrayEntryEdit:
    case ctArrayButton: return bindArray(c, tab);
    case ctCalcButtonFactor:
    case ctCalcButtonCell: return bindCalculation(c, tab);
    case ctChoiceCombo: return bindBlock(c, tab);
    case ctCutCombo: return bindCut(c, tab);
    case ctCellCheck: return bindCheck(c, tab);
    case ctFlexButton: return tab.hasBtnFlexFix(c.contents);
    default: return false;
    }
}

bool blockFolderIsSafe(const Ork_String& extra) {
    if (extra.isEmpty())
        return true;
    const bool absolute = extra[0] == u'\\' || extra[0] == u'/' || (extra.length() > 1 && extra[1] == u':');
    if (absolute)
        return false;
    Ork_StringArray steps = strToArr(Ork_String(extra), u'\\');
    for (const Ork_String& s : steps)
        for (const Ork_String& part : strToArr(s, u'/'))
            if (part == u"..")
                return false;
    return true;
}

void blockChoices(const Ork_String& extra, Ork_StringArray& names) {
    names = Ork_StringArray();
    if (!blockFolderIsSafe(extra))
        return;
    const Ork_String folder = Ork_Settings::libDir() + extra + (extra.isEmpty() ? u"" : u"\\");
    for (const std::u16string& f : os::listFolder(folder, u"*.dwg"))
        names.append(removeExtension(getFileName(Ork_String(f))));
}

bool sectionTableFile(const Ork_String& section, Ork_String& path) {
    Ork_String table;
    if (!getSubstrBefore(section, u'-', table, false) || table.isEmpty())
        return false;
    return profTablePath(table + u".pr", path);
}

Ork_String designFilePath(const Ork_String& designFile) {
    const bool absolute = !designFile.isEmpty() && (designFile[0] == u'\\' || designFile[0] == u'/' ||
                                                    (designFile.length() > 1 && designFile[1] == u':'));
    if (absolute || designFile.isEmpty())
        return designFile;
    const Ork_String path = Ork_DlgDesignerData::getDesignerRootFolder() + designFile;
    return getExtension(path).isEmpty() ? path + u".txt" : path;
}

Ork_String sectionDisplayName(const Ork_String& section) {
    Ork_String userName;
    if (!section.isEmpty() && Ork_SectionTableManager::instance().getUserName(section, Ork_String(), userName) &&
        !userName.isEmpty())
        return userName;
    return section;
}

Ork_String sectionOfDisplayName(const Ork_String& shown) {
    Ork_String section;
    return Ork_SectionTableManager::instance().getSystemName(shown, section) ? section : shown;
}

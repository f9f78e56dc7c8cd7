#pragma once
// All maps that connect the variables of one standards spreadsheet to one macro, and the spreadsheet's
// mapping file, which keeps the maps of every target the spreadsheet is used for.
//
// In module-group mode no maps are used: a variable's name says what it reaches (KvObjectMap::getSetVarByName)
// in every module of the record's group.
#include "SS/ssExport.h"
#include "cadhost/AcArray.h"
#include "cadhost/Drawing.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "standards/KvObjectMap.h"
#include "standards/KvValueType.h"

#include <cstdint>

class KvDlgStandardsData;
class Ork_DbMacro;

class SS_EXPORT KvSSMapping {
public:
    static constexpr std::int32_t kNotInitialised = 0;
    static constexpr std::int32_t kModuleGroupMode = 1;
    static constexpr std::int32_t kMappingFileMode = 2;

    std::int32_t mode = kNotInitialised;

    KvSSMapping();
    KvSSMapping(const KvSSMapping& other);
    KvSSMapping& operator=(const KvSSMapping& other);
    virtual ~KvSSMapping();

    const Ork_Array<KvObjectMap>& mappedObjects() const { return maps_; }
    Ork_Array<KvObjectMap>& mappedObjectsWrite() { return maps_; }

    // Both start from no maps, so a reused mapping never writes through the maps of an earlier sheet.
    ErrorStatus initFromModuleGroup(const Ork_String& group);
    ErrorStatus initFromMacro(const KvDlgStandardsData& record);

    // The maps of `target` from the spreadsheet's mapping file. A file without mapping lines changes
    // nothing and succeeds; an unreadable file or a missing target is eInvalidInput.
    ErrorStatus getMappingFromFile(const Ork_String& spreadsheet, const Ork_String& target);
    // Stores the maps as the line of `target`, which moves to the end of the file; the other lines keep
    // their order. A file that already holds exactly these maps for the target is not written at all.
    ErrorStatus setMappingToFile(const Ork_String& spreadsheet, const Ork_String& target) const;
    // Replaces the maps with those of one mapping line; unreadable pairs are skipped.
    ErrorStatus initMappingFromLine(const Ork_String& line);
    // True, with its target, for the first line of the spreadsheet's mapping file whose maps are isEqual to
    // this mapping.
    bool hasSameMapping(const Ork_String& spreadsheet, Ork_String& target) const;

    // One-directional: every map of this mapping has a compatible map for its variable in `other`, which
    // may hold more.
    bool isEqual(const KvSSMapping& other) const;
    // eOk; `count` = the maps of this mapping without a compatible map in `other`.
    ErrorStatus isCompatible(const KvSSMapping& other, int& count) const;
    ErrorStatus findCompatible(const KvObjectMap& map, int& index) const;
    // The first map of that exact variable name whose kind has the value type.
    ErrorStatus findSSVar(const Ork_String& variable, KvValueType valueType, int& index) const;

    ErrorStatus getMacroVarValue(const Ork_String& variable, KvValueType valueType, Ork_String& value,
                                 const KvDlgStandardsData& record) const;
    ErrorStatus setMacroVarValue(const Ork_String& variable, KvValueType valueType, const Ork_String& value,
                                 const KvDlgStandardsData& record) const;

    // Appends a map (without variable) for every property of the macro a variable can be mapped to.
    ErrorStatus initAllVarsFromMacro(Ork_DbMacro* dbMacro, AcDbTransaction* transaction);
    // The indices of the maps whose kind is numeric exactly when `valueType` is. `input` does not matter.
    ErrorStatus getValidVars(bool input, KvValueType valueType, AcArray<int>& indices) const;
    // Groups the indices by the position of their map's sort key in `sortKeyOrder` (keys not listed join
    // the last group), each group after a -1 separator; the order within a group stays.
    ErrorStatus sortValidVars(AcArray<int>& indices, const AcArray<int>& sortKeyOrder) const;

private:
    Ork_Array<KvObjectMap> maps_;
};

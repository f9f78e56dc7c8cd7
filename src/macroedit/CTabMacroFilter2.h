#pragma once
// The second filter page of the macro settings: whether the distance and size filters apply, the filter on
// the path distance (two values per entry) and the filter on the section size (four values per entry). It
// edits the filter data it is given before its window is made and writes the page back when the window goes.
#include "macroedit/filterEntries.h"
#include "nuvo/records/MacroSettingsData.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"

#include <array>

class CTabMacroFilter2 : public ui::Dialog {
public:
    static constexpr int kPathValues = 2;
    static constexpr int kSizeValues = MacroFilterData::kSizeValues;

    CTabMacroFilter2() = default;
    // Before the window is made; null leaves the page empty and writes nothing back.
    void setData(MacroFilterData* data) { m_data = data; }

    macroedit::FilterEntries& path() { return m_path; }
    macroedit::FilterEntries& size() { return m_size; }
    // The control id of value field n (0-based); its label is the id before it.
    static int pathField(int n);
    static int sizeField(int n);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onDestroy() override;

private:
    MacroFilterData* m_data = nullptr;
    bool m_initialised = false;
    macroedit::FilterEntries m_path, m_size;
    std::array<macroedit::NumberField, kPathValues> m_pathFields;
    std::array<macroedit::NumberField, kSizeValues> m_sizeFields;
    ui::ImageButton m_pathPicture, m_sizePicture;
};

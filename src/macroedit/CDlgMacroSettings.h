#pragma once
// The macro settings: the filters, filter properties, general variables, groups and standards mapping of
// one macro, each on a page of a tab control, behind the definition editor's Settings button. It works on its own copy of the
// settings record (m_data); the caller stores the copy only when the dialog ends with OK. Pages keep their
// edits while hidden and write them into the copy when their windows go, as the dialog closes.
#include "nuvo/records/MacroSettingsData.h"
#include "ui/Dialog.h"

#include <array>
#include <memory>

namespace ui {
class TabCtrl;
}

class CTabMacroFilter;
class CTabMacroFilter2;
class CTabMacroFilterProps;
class CTabMacroVariables;
class CTabMacroGroups;
class CTabMacroMapping;

class CDlgMacroSettings : public ui::Dialog {
public:
    enum Page { FilterPage = 0, Filter2Page = 1, FilterPropsPage = 2, VariablesPage = 3, GroupsPage = 4, MappingPage = 5,
                PageCount = 6 };

    explicit CDlgMacroSettings(ui::Window* parent = nullptr);
    ~CDlgMacroSettings() override;

    MacroSettingsData m_data;

    ui::Dialog* page(int index) const;
    ui::TabCtrl* tabs() const;
    int currentPage() const { return m_page; }

protected:
    bool onInitDialog() override;
    bool onNotify(int id, int code, ui::LRESULT& result) override;
    void onOK() override;

private:
    void placePages();
    void showPage(int index);

    std::array<std::unique_ptr<ui::Dialog>, PageCount> m_pages;
    int m_page = -1;
};

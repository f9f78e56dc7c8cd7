#pragma once
// The section library editor: groups, types and value tables of the library, on three tabs. It opens on the
// values tab when it is given a table name, on the groups tab otherwise, and shows one page at a time.
#include "base/KvRecordDlg.h"
#include "nuvo/Ork_String.h"
#include "nuvo/records/DlgEditLibData.h"
#include "seclib/CEditLibGroupsPage.h"
#include "seclib/CEditLibTypesPage.h"
#include "seclib/CEditLibValuesPage.h"
#include "ui/Dialog.h"
#include "ui/TabCtrl.h"

#include <array>
#include <memory>

class CDlgEditLibSections : public KvRecordDlg<DlgEditLibData> {
public:
    enum Page { GroupsPage = 0, TypesPage = 1, ValuesPage = 2, PageCount = 3 };

    explicit CDlgEditLibSections(ui::Window* parent = nullptr);
    ~CDlgEditLibSections() override;

    // The value table to open on (the values tab becomes current); empty opens on the groups tab.
    Ork_String m_name;

    ui::TabCtrl* tabs() const;
    ui::Dialog* page(Page which) const;
    int currentPage() const;
    CEditLibGroupsPage* groupsPage() const;
    CEditLibTypesPage* typesPage() const;
    CEditLibValuesPage* valuesPage() const;

protected:
    bool onInitDialog() override;
    bool onNotify(int id, int code, ui::LRESULT& result) override;
    void onOK() override;

private:
    void showPage(int index);
    void storeShownPage();

    std::array<std::unique_ptr<ui::Dialog>, PageCount> m_pages;
    int m_shownPage = -1;
};

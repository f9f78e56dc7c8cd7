#pragma once
// The macro definition editor: constraints, geometry, variables and drawing commands of one module of a
// macro at a time, on four pages; a module selector switches modules. It runs modally
// (StartDlgEditConstrModal) or as the single modeless constraints editor (StartDlgEditConstraints), which
// ends through EndDlgEditConstraints when the user closes it.
//
// All work on the macro is the host's: the editor shows what the host put into its record (m_data) and
// sends every change through the host's editor calls, with the record's address as their handle. Before a
// module change, a rename, a host command and the window's end, every page commits what it shows, so
// nothing typed is lost when the host refreshes the record.
#include "base/KvDlgLayout.h"
#include "nuvo/CButtonST.h"
#include "nuvo/records/EditConstrData.h"
#include "ui/Dialog.h"

#include <array>
#include <memory>

namespace ui {
class ComboBox;
class TabCtrl;
} // namespace ui

class CTabEditConstraints;
class CTabGeometries;
class CTabEditVars;
class CTabMacroCommands;

class CDlgEditMacro : public ui::Dialog {
public:
    enum Page { ConstraintsPage = 0, GeometryPage = 1, VariablesPage = 2, CommandsPage = 3, PageCount = 4 };
    static constexpr const char16_t* kSizeKey = u"DLG_EDIT_MACRO";

    explicit CDlgEditMacro(ui::Window* parent = nullptr);
    ~CDlgEditMacro() override;

    void setModeless(bool modeless) { m_modeless = modeless; }
    bool isModeless() const { return m_modeless; }
    void setConstraintsMode(bool on) { m_constraintsMode = on; }
    bool isConstraintsMode() const { return m_constraintsMode; }

    EditConstrData m_data;
    void* handle() { return &m_data; }

    // Runs drawing command `code` (0..13) of the host: the Add-module button and the commands page.
    void drawingCommand(int code);

    int currentPage() const { return m_page; }
    ui::Dialog* page(int index) const;
    CTabEditConstraints* constraintsPage() const;
    CTabGeometries* geometryPage() const;
    CTabEditVars* variablesPage() const;
    CTabMacroCommands* commandsPage() const;
    ui::TabCtrl* tabs() const;
    ui::ComboBox* moduleSelector() const;
    ui::Size minimumSize() const { return m_minSize; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool onNotify(int id, int code, ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;
    void onOK() override;
    void onCancel() override;

private:
    void switchPage(int index);
    void leavePage();
    void commitAllPages();
    void changeModule();
    // Stores the selected module in the record, tells the host, and refills the pages (nothing when no
    // entry is selected).
    void applyModule();
    void fillModuleSelector(const Ork_StringArray& names);
    void fillModuleSelectorFromHost();
    void refillPages();
    void placePages();
    void selectOtherMacro();
    void renameModule();
    void removeModule();
    void zoom();
    // The Settings button: the macro settings dialog on the macro's stored settings, stored again at OK.
    void macroSettings();
    void endEditor(int result);

    KvDlgLayout m_layout;
    CButtonST m_select, m_addModule, m_removeModule, m_zoom;
    std::array<std::unique_ptr<ui::Dialog>, PageCount> m_pages;
    bool m_modeless = false;
    bool m_constraintsMode = false;
    int m_page = -1;
    ui::Size m_minSize{50, 50};
    bool m_zoomBusy = false;
    bool m_committedOnDestroy = false;
};

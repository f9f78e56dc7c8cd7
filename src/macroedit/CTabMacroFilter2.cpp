#include "macroedit/CTabMacroFilter2.h"

#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"

namespace {

constexpr int kEnableText = 1351, kPathGroup = 933, kActive = 934, kSizeGroup = 937;
constexpr int kPathLabels[] = {935, 936};
constexpr int kSizeLabels[] = {938, 939, 940, 941};

} // namespace

int CTabMacroFilter2::pathField(int n) { return IDC_MF2_PATH_VALUE1 + 2 * n; }
int CTabMacroFilter2::sizeField(int n) { return IDC_MF2_SIZE_VALUE1 + 2 * n; }

bool CTabMacroFilter2::onInitDialog() {
    ui::Dialog::onInitDialog();
    setDlgItemText(IDC_MF2_ENABLE, dialString(kEnableText));
    setDlgItemText(IDC_MF2_PATH_GROUP, dialString(kPathGroup));
    setDlgItemText(IDC_MF2_SIZE_GROUP, dialString(kSizeGroup));
    setDlgItemText(IDC_MF2_PATH_ACTIVE, dialString(kActive));
    setDlgItemText(IDC_MF2_SIZE_ACTIVE, dialString(kActive));
    std::vector<int> pathLabels, pathFields, sizeLabels, sizeFields;
    for (int n = 0; n < kPathValues; ++n) {
        setDlgItemText(pathField(n) - 1, dialString(kPathLabels[n]));
        pathLabels.push_back(pathField(n) - 1);
        pathFields.push_back(pathField(n));
    }
    for (int n = 0; n < kSizeValues; ++n) {
        setDlgItemText(sizeField(n) - 1, dialString(kSizeLabels[n]));
        sizeLabels.push_back(sizeField(n) - 1);
        sizeFields.push_back(sizeField(n));
    }
    macroedit::showFilterPicture(*this, IDC_MF2_PATH_PICTURE, u"MacroFilterPathDistance.bmp", m_pathPicture);
    macroedit::showFilterPicture(*this, IDC_MF2_SIZE_PICTURE, u"MacroFilterSectionSize.bmp", m_sizePicture);
    if (!m_data)
        return true;
    if (auto* enable = getDlgItemAs<ui::Button>(IDC_MF2_ENABLE))
        enable->setCheck(m_data->secondEnabled ? 1 : 0);
    MacroFilterData& d = *m_data;
    pathLabels.insert(pathLabels.begin(), IDC_MF2_PATH_GROUP);
    sizeLabels.insert(sizeLabels.begin(), IDC_MF2_SIZE_GROUP);
    m_path.attach(
        *this, {IDC_MF2_PATH_LIST, IDC_MF2_PATH_ACTIVE, pathLabels, pathFields}, &d.pathNames, &d.pathActive,
        [&d](int p) { return p < d.pathFirst.length() && p < d.pathSecond.length(); },
        [this](int p) {
            m_pathFields[0].show(*this, pathField(0), m_data->pathFirst[p]);
            m_pathFields[1].show(*this, pathField(1), m_data->pathSecond[p]);
        },
        [this](int p) {
            m_data->pathFirst[p] = m_pathFields[0].read(*this, pathField(0));
            m_data->pathSecond[p] = m_pathFields[1].read(*this, pathField(1));
        });
    m_size.attach(
        *this, {IDC_MF2_SIZE_LIST, IDC_MF2_SIZE_ACTIVE, sizeLabels, sizeFields}, &d.sizeNames, &d.sizeActive,
        [&d](int p) { return p < d.sizeValues.length() && d.sizeValues[p].length() == kSizeValues; },
        [this](int p) {
            for (int n = 0; n < kSizeValues; ++n)
                m_sizeFields[static_cast<std::size_t>(n)].show(*this, sizeField(n), m_data->sizeValues[p][n]);
        },
        [this](int p) {
            for (int n = 0; n < kSizeValues; ++n)
                m_data->sizeValues[p][n] = m_sizeFields[static_cast<std::size_t>(n)].read(*this, sizeField(n));
        });
    m_path.init();
    m_size.init();
    m_initialised = true;
    return true;
}

bool CTabMacroFilter2::onCommand(int id, int code) {
    if (m_initialised && code == ui::CBN_SELCHANGE && (id == IDC_MF2_PATH_LIST || id == IDC_MF2_SIZE_LIST)) {
        (id == IDC_MF2_PATH_LIST ? m_path : m_size).listChanged();
        return true;
    }
    if (m_initialised && code == ui::BN_CLICKED && (id == IDC_MF2_PATH_ACTIVE || id == IDC_MF2_SIZE_ACTIVE)) {
        (id == IDC_MF2_PATH_ACTIVE ? m_path : m_size).activeClicked();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

bool CTabMacroFilter2::preTranslateMessage(const ui::Msg& msg) {
    return macroedit::cancelOwnerOnEscape(*this, msg) || ui::Dialog::preTranslateMessage(msg);
}

void CTabMacroFilter2::onDestroy() {
    if (m_data && m_initialised) {
        if (const auto* enable = getDlgItemAs<ui::Button>(IDC_MF2_ENABLE))
            m_data->secondEnabled = enable->getCheck() == 1;
        m_path.storeShown();
        m_size.storeShown();
    }
    ui::Dialog::onDestroy();
}

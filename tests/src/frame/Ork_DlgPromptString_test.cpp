// The module's one-line prompt dialog.
#include "support/frameTestSupport.h"

#include "base/KvResourceGuard.h"
#include "base/Ork_DlgPromptString.h"
#include "resources/resourceIds.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

namespace {

using PromptString = frametest::FrameTest;

void fill(Ork_DlgPromptString& prompt) {
    prompt.setCaption(u"Rename module");
    prompt.setLabel(u"New name:");
    prompt.setText(u"Plate1");
    prompt.setButtonTexts(u"Accept", u"Discard");
}

TEST_F(PromptString, ShowsWhatTheCallerSet) {
    ui::Script script;
    script.onModal(IDD_PROMPT_STRING, [](ui::Dialog& dialog) {
        EXPECT_EQ(dialog.getWindowText(), u"Rename module");
        EXPECT_EQ(dialog.getDlgItemText(IDC_PROMPT_LABEL), u"New name:");
        EXPECT_EQ(dialog.getDlgItemText(IDC_PROMPT_EDIT), u"Plate1");
        EXPECT_EQ(dialog.getDlgItemText(ui::IDOK), u"Accept");
        EXPECT_EQ(dialog.getDlgItemText(ui::IDCANCEL), u"Discard");
        EXPECT_TRUE(dialog.getDlgItem(IDC_PROMPT_EDIT)->hasFocus());
        dialog.endDialog(ui::IDCANCEL);
    });
    Ork_DlgPromptString prompt;
    fill(prompt);
    EXPECT_EQ(prompt.doModal(), ui::IDCANCEL);
    EXPECT_FALSE(prompt.accepted());
    EXPECT_EQ(prompt.text(), u"Plate1");
}

TEST_F(PromptString, OkKeepsTheTypedText) {
    ui::Script script;
    script.answerPrompt(u"Plate2");
    Ork_DlgPromptString prompt;
    fill(prompt);
    EXPECT_EQ(prompt.doModal(), ui::IDOK);
    EXPECT_TRUE(prompt.accepted());
    EXPECT_EQ(prompt.text(), u"Plate2");
}

TEST_F(PromptString, OkWithAnEmptyFieldKeepsThePromptOpen) {
    ui::Script script;
    script.onModal(IDD_PROMPT_STRING, [](ui::Dialog& dialog) {
        ui::Robot robot(frametest::gtestFailure());
        robot.replaceText(*dialog.getDlgItem(IDC_PROMPT_EDIT), u"");
        robot.click(dialog, ui::IDOK);
        EXPECT_FALSE(dialog.isEnded());
        robot.type(*dialog.getDlgItem(IDC_PROMPT_EDIT), u"X");
        robot.key(ui::VK_RETURN);
        EXPECT_TRUE(dialog.isEnded());
    });
    Ork_DlgPromptString prompt;
    fill(prompt);
    EXPECT_EQ(prompt.doModal(), ui::IDOK);
    EXPECT_EQ(prompt.text(), u"X");
}

TEST_F(PromptString, WithoutTheFieldItIsAConfirmation) {
    ui::Script script;
    script.onModal(IDD_PROMPT_STRING, [](ui::Dialog& dialog) {
        EXPECT_FALSE(dialog.getDlgItem(IDC_PROMPT_EDIT)->isWindowVisible());
        dialog.setDlgItemText(IDC_PROMPT_EDIT, u"");
        ui::Robot(frametest::gtestFailure()).click(dialog, ui::IDOK);
    });
    Ork_DlgPromptString prompt;
    fill(prompt);
    prompt.showField(false);
    EXPECT_EQ(prompt.doModal(), ui::IDOK);
    EXPECT_TRUE(prompt.accepted());
    EXPECT_EQ(prompt.text(), u"Plate1");
}

} // namespace

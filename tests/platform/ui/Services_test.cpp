#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Menu.h"
#include "ui/Robot.h"
#include "ui/Services.h"

using namespace ui;
using namespace ui::test;

namespace {

class ServicesTest : public UiTest {
protected:
    std::vector<std::string> failures;
    Script::FailureHandler capture() {
        return [this](const std::string& m) { failures.push_back(m); };
    }
};

TEST_F(ServicesTest, MessageBoxesAreAnsweredInOrderAndRemembered) {
    Script script;
    script.answerBox(IDYES).answerBox(IDCANCEL).answerBox(IDOK);
    EXPECT_EQ(messageBox(nullptr, u"Save changes?\n<page>", u"Designer", MB_YESNOCANCEL | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(messageBox(nullptr, u"Go on?", u"Q", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(messageBox(nullptr, u"Done", u"Info", MB_OK | MB_ICONINFORMATION), IDOK);
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_EQ(script.boxes()[0].icon(), MB_ICONQUESTION);
    EXPECT_EQ(script.boxes()[0].buttons(), MB_YESNOCANCEL);
    EXPECT_EQ(script.log()[0], u"box [Yes/No/Cancel] Designer: Save changes?\n<page> -> 6");
}

TEST_F(ServicesTest, AnAnswerThatIsNotAButtonOfTheBoxIsAFailure) {
    Script script(capture());
    script.answerBox(IDYES);
    EXPECT_EQ(messageBox(nullptr, u"Done", u"Info", MB_OK), IDOK);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("not a button"), std::string::npos);
}

TEST_F(ServicesTest, UnexpectedRequestsAreFailuresAnsweredAsClosed) {
    Script script(capture());
    script.answerFile(u"c:\\a.txt");
    EXPECT_EQ(messageBox(nullptr, u"?", u"", MB_YESNO), IDNO);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("expects a file dialog next"), std::string::npos);
    // The file answer is still there for the file dialog that comes.
    FileDialogRequest open;
    open.title = u"Open";
    auto chosen = Services::fileDialog(open);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->front(), u"c:\\a.txt");
}

TEST_F(ServicesTest, AnswersNeverAskedForAreReported) {
    {
        Script script(capture());
        script.answerBox(IDOK).answerMenu(5);
    }
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("never asked for"), std::string::npos);
}

TEST_F(ServicesTest, WithoutAScriptRequestsAreAnsweredAsClosedAndLogged) {
    EXPECT_EQ(messageBox(nullptr, u"x", u"c", MB_OK), IDOK);
    EXPECT_EQ(messageBox(nullptr, u"x", u"c", MB_YESNO), IDNO);
    EXPECT_EQ(messageBox(nullptr, u"x", u"c", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_FALSE(Services::fileDialog({}));
    EXPECT_FALSE(Services::track({}));
    EXPECT_FALSE(Services::pick({}).ok);
    EXPECT_EQ(Desktop::logLines().size(), 6u);
}

TEST_F(ServicesTest, FileDialogsCarryTheirRequest) {
    Script script(capture());
    script.answerFiles({u"c:\\d\\a.bmp", u"c:\\d\\b.bmp"}).cancelFile().answerFiles({u"a", u"b"});
    FileDialogRequest multi;
    multi.multiSelect = true;
    multi.title = u"Pictures";
    multi.filter = u"Bitmaps (*.bmp)|*.bmp||";
    multi.defaultExt = u"bmp";
    multi.initialDir = u"c:\\d\\";
    auto r = Services::fileDialog(multi);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->size(), 2u);
    FileDialogRequest save;
    save.open = false;
    EXPECT_FALSE(Services::fileDialog(save));
    EXPECT_FALSE(Services::fileDialog(save));  // two answers to a single-file dialog
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(script.fileRequests()[0].defaultExt, u"bmp");
    EXPECT_EQ(script.log()[1], u"file dialog save \"\"");
}

TEST_F(ServicesTest, PopupMenuReturnsOrPostsTheChosenCommand) {
    RecordingWindow owner;
    ASSERT_TRUE(owner.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0));
    owner.events.clear();
    Menu menu;
    ASSERT_TRUE(menu.createPopupMenu());
    menu.appendMenu(MF_STRING, 32811, u"Copy");
    menu.appendMenu(MF_SEPARATOR);
    menu.appendMenu(MF_STRING | MF_GRAYED, 32812, u"Paste");
    EXPECT_EQ(menu.getMenuItemID(1), 0);
    Script script(capture());
    script.answerMenu(32811).answerMenu(32811).answerMenu(32812).cancelMenu();
    EXPECT_EQ(menu.trackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 32811);
    EXPECT_EQ(menu.trackPopupMenu(0, 10, 10, &owner), 1);
    EXPECT_EQ(owner.events, (std::vector<std::string>{"command 32811 0"}));
    EXPECT_EQ(menu.trackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 0);  // a greyed item cannot be chosen
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(menu.trackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 0);
    EXPECT_EQ(script.log()[0], u"menu [32811 Copy] [32812 Paste]");
    EXPECT_EQ(menu.checkMenuItem(32811, MF_CHECKED), static_cast<int>(MF_UNCHECKED));
    EXPECT_TRUE(menu.items()[0].isChecked());
}

TEST_F(ServicesTest, ByKindEachRequestTakesTheFirstAnswerOfItsKind) {
    RecordingWindow owner;
    ASSERT_TRUE(owner.create(u"Frame", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0));
    Menu menu;
    ASSERT_TRUE(menu.createPopupMenu());
    menu.appendMenu(MF_STRING, 32811, u"&Copy\tCtrl+C");
    menu.appendMenu(MF_STRING | MF_GRAYED, 32812, u"Paste");
    Script script(capture());
    script.matchAnswersByKind().answerMenu(u"copy").answerFile(u"a.kvs").answerBox(IDNO).answerMenu(u"Paste");
    EXPECT_EQ(messageBox(nullptr, u"Save?", u"Q", MB_YESNO), IDNO);             // queued third, asked first
    EXPECT_EQ(menu.trackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 32811);      // by its text as shown
    EXPECT_EQ(Services::fileDialog({})->front(), u"a.kvs");
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(menu.trackPopupMenu(TPM_RETURNCMD, 10, 10, &owner), 0);          // a greyed item is no answer
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(messageBox(nullptr, u"Again?", u"Q", MB_YESNO), IDNO);           // nothing left of its kind
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[1].find("no answer"), std::string::npos);
}

TEST_F(ServicesTest, CommandsPostedWhileAModalDialogRunsArriveBeforeItEnds) {
    registerSimple(900);
    HookDialog dlg(900);
    Menu menu;
    menu.createPopupMenu();
    menu.appendMenu(MF_STRING, 32811, u"Copy");
    dlg.command = [&](HookDialog& d, int id, int) {
        if (id == 101) menu.trackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &d);  // the command is posted
        return id == 101 || id == 32811;
    };
    Script script;
    script.onModal(900, [&](Dialog& d) {
              Robot robot;
              robot.click(d, 101);
              EXPECT_EQ(dlg.events.back(), "command 32811 0");
              d.endDialog(IDOK);
          })
        .answerMenu(32811);
    EXPECT_EQ(dlg.doModal(), IDOK);
}

TEST_F(ServicesTest, TrackingGivesTheFinalRectangleOrNothing) {
    Script script;
    script.answerTrack(Rect{10, 10, 50, 40})
        .answerTrack([](const TrackRequest& r) { return std::optional<Rect>(r.start.offsetBy(5, 0)); })
        .cancelTrack();
    TrackRequest move{nullptr, TrackKind::Move, {0, 0, 20, 20}, {5, 5}, -1};
    EXPECT_EQ(Services::track(move), (Rect{10, 10, 50, 40}));
    EXPECT_EQ(Services::track(move), (Rect{5, 0, 25, 20}));
    TrackRequest band{nullptr, TrackKind::RubberBand, {}, {3, 3}, -1};
    EXPECT_FALSE(Services::track(band));
    EXPECT_EQ(script.log()[2], u"track rubber band");
}

TEST_F(ServicesTest, HostPicksAreGenericRequests) {
    Script script;
    script.answerPick({true, {u"HEA-200"}});
    PickResult r = Services::pick({nullptr, u"profile", {u"IPE-100"}});
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.values, (std::vector<std::u16string>{u"HEA-200"}));
    EXPECT_EQ(script.pickRequests()[0].args[0], u"IPE-100");
}

TEST_F(ServicesTest, ScriptPutsBackThePreviousHandler) {
    Script outer;
    {
        Script inner;
        EXPECT_EQ(Services::installed(), &inner);
    }
    EXPECT_EQ(Services::installed(), &outer);
}

} // namespace

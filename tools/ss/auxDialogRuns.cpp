#include "auxDialogRuns.h"

#include "dialogRunSupport.h"
#include "dstvJson.h"

#include "SS/SSExports.h"
#include "auxdlg/KvDlgCis2Data.h"
#include "auxdlg/KvGridDlgData.h"
#include "auxdlg/KvSelectImageDlgData.h"
#include "nuvo/dstv/DlgDstvPoints.h"
#include "os/files.h"
#include "os/utf16.h"
#include "resources/resourceIds.h"
#include "ui/constants.h"

#include <optional>

namespace sscmd {
namespace {

ssdialog::Step makeStep(ssdialog::StepKind kind, std::u16string name, std::u16string text = {}) {
    ssdialog::Step s;
    s.kind = kind;
    s.name = std::move(name);
    s.text = std::move(text);
    return s;
}

std::u16string controlName(int id) { return u"#" + os::toUtf16(std::to_string(id)); }

} // namespace

bool runDstvPointsDialog(DialogRun& run) {
    if (run.record) {
        RecordReader reader(*run.record, "");
        if (!reader.finish())
            return badRecord(run, reader.error());
    }
    run.player->driveModal(IDD_SELECT_DSTV_POINTS_FILE, *run.steps, run.atEnd);
    StartDSTVPointsDlg();
    // The dialog has a close button only: it always ends as closed.
    run.ended = run.player->endResult() ? "closed" : "not shown";
    run.recordOut = dstvFilesJson();
    return true;
}

bool runDstvEditDialog(DialogRun& run) {
    Ork_String file;
    if (!run.record)
        return badRecord(run, "the record names the point file: {\"file\": NAME}");
    RecordReader reader(*run.record, "");
    reader.text("file", file, true);
    if (!reader.finish())
        return badRecord(run, reader.error());
    const Ork_String path = DlgDstvPoints::getDstvPointsFolder() + file + u".dat";
    const auto before = os::modificationTime(path);
    // The user's way there: the file chosen in the list, Edit; the steps then drive the editor, and the file
    // dialog is closed when the editor has ended.
    using ssdialog::StepKind;
    const std::vector<ssdialog::Step> outer = {makeStep(StepKind::Choose, controlName(IDC_DSTV_FILES), file),
             makeStep(StepKind::Click, controlName(IDC_DSTV_EDIT)), makeStep(StepKind::Cancel, u"")};
    run.player->driveModal(IDD_SELECT_DSTV_POINTS_FILE, outer);
    run.player->driveModal(IDD_EDIT_DSTV_POINTS, *run.steps, run.atEnd);
    StartDSTVPointsDlg();
    const auto after = os::modificationTime(path);
    run.ended = !run.player->endResult() ? "not shown" : before != after ? "OK (the file was written)" : "not written";
    DlgDstvPoints points;
    Json out = {{"file", textJson(file)}};
    if (points.readFromFile(path))
        out["points"] = dstvPointsJson(points.points);
    else
        out["error"] = points.lastError().utf8();
    run.recordOut = out;
    return true;
}

} // namespace sscmd

namespace sscmd {

bool runGridDialog(DialogRun& run) {
    KvGridDlgData record;
    if (run.record) {
        RecordReader r(*run.record, "");
        r.number("firstCount", record.firstCount);
        r.text("firstSpacing", record.firstSpacing);
        r.text("firstLabel", record.firstLabel);
        r.number("secondCount", record.secondCount);
        r.text("secondSpacing", record.secondSpacing);
        r.text("secondLabel", record.secondLabel);
        r.flag("option", record.option);
        if (!r.finish())
            return badRecord(run, r.error());
    }
    run.player->driveModal(IDD_GRID, *run.steps, run.atEnd);
    run.returned = StartDlgGrid(record);
    noteEnding(run);
    run.recordOut = {{"firstCount", record.firstCount},       {"firstSpacing", textJson(record.firstSpacing)},
                     {"firstLabel", textJson(record.firstLabel)}, {"secondCount", record.secondCount},
                     {"secondSpacing", textJson(record.secondSpacing)}, {"secondLabel", textJson(record.secondLabel)},
                     {"option", record.option}};
    return true;
}

bool runCis2Dialog(DialogRun& run) {
    KvDlgCis2Data record;
    if (run.record) {
        RecordReader r(*run.record, "");
        r.flag("flag1", record.flag1);
        r.flag("flag2", record.flag2);
        r.flag("flag3", record.flag3);
        r.flag("flag4", record.flag4);
        r.flag("flag5", record.flag5);
        if (!r.finish())
            return badRecord(run, r.error());
    }
    run.player->driveModal(IDD_CIS2, *run.steps, run.atEnd);
    run.returned = StartDlgCis2Info(record);
    noteEnding(run);
    run.recordOut = {{"flag1", record.flag1}, {"flag2", record.flag2}, {"flag3", record.flag3},
                     {"flag4", record.flag4}, {"flag5", record.flag5}};
    return true;
}

// Without a record the dialog offers no pictures, so only Cancel ends it.
bool runSelectImageDialog(DialogRun& run) {
    KvSelectImageDlgData record;
    if (run.record) {
        RecordReader r(*run.record, "");
        r.text("title", record.title);
        r.texts("imageFiles", record.imageFiles);
        r.text("selection", record.selection);
        if (!r.finish())
            return badRecord(run, r.error());
    }
    run.player->driveModal(IDD_SELECT_IMAGE, *run.steps, run.atEnd);
    run.returned = StartDlgSelectImage(record);
    noteEnding(run);
    run.recordOut = {{"title", textJson(record.title)}, {"imageFiles", textsJson(record.imageFiles)},
                     {"selection", textJson(record.selection)}};
    return true;
}

} // namespace sscmd

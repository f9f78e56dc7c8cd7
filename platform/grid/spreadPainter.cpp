// How the grid window looks in a window picture: headers in the button colour, cells with their back colours,
// texts (numbers to the right), check boxes, buttons, combo arrows, spans drawn as one cell, the selected block
// in the selection colours and the active cell framed.
#include <algorithm>

#include "grid/SpreadWindow.h"
#include "ui/paint/Color.h"
#include "ui/paint/WindowPainter.h"
#include "ui/paint/textLayout.h"

namespace grid {
namespace {

constexpr ui::Color kGridLine = ui::rgb(208, 208, 208);

// A colour as the grid stores it; system colours (top bit set) show as the button face.
ui::Color shown(std::uint32_t colour) {
    return (colour & 0x80000000u) ? ui::colors::buttonFace : ui::Color(colour & ui::kColorBits);
}

void drawCheckBox(ui::Canvas& canvas, const ui::Rect& cell, bool checked, ui::Color ink) {
    const int size = 13;
    const int left = cell.left + 3, top = cell.top + (cell.height() - size) / 2;
    canvas.fillRect(left, top, left + size, top + size, ui::colors::white);
    canvas.frameRect(left, top, left + size, top + size, ui::colors::buttonDarkShadow);
    if (checked) {
        for (int k = 0; k < 2; ++k) {
            canvas.drawLine(left + 3, top + 6 + k, left + 5, top + 8 + k, ink);
            canvas.drawLine(left + 5, top + 8 + k, left + 9, top + 4 + k, ink);
        }
    }
}

void paintSpread(ui::Canvas& canvas, const ui::Window& window, const ui::Rect& client) {
    const auto* spread = dynamic_cast<const SpreadWindow*>(&window);
    if (!spread)
        return;
    const Sheet& sheet = spread->sheet();
    canvas.fillRect(client, ui::colors::white);
    const int dx = client.left, dy = client.top;
    auto onCanvas = [&](ui::Rect r) { return r.offsetBy(dx, dy); };
    int sc1, sr1, sc2, sr2, ac, ar;
    spread->selection(sc1, sr1, sc2, sr2);
    spread->activeCell(ac, ar);
    std::uint32_t selBack, selFore;
    spread->selectionColours(selBack, selFore);

    auto paintCell = [&](int col, int row) {
        const ui::Rect r = spread->cellRect(col, row);
        if (r.isEmpty())
            return;
        const ui::Rect c = onCanvas(r);
        const bool header = col == 0 || row == 0;
        const CellType type = sheet.cellType(col, row);
        std::uint32_t back = 0, fore = 0;
        const bool coloured = sheet.colours(col, row, back, fore);
        const bool selected = !header && col >= sc1 && col <= sc2 && row >= sr1 && row <= sr2 &&
                              !(col == ac && row == ar) && (sc1 != sc2 || sr1 != sr2);
        ui::Color fill = header ? ui::colors::buttonFace : coloured ? shown(back) : ui::colors::white;
        ui::Color ink = coloured && !header ? shown(fore) : ui::colors::black;
        if (selected)
            fill = ui::Color(selBack & ui::kColorBits), ink = ui::Color(selFore & ui::kColorBits);
        canvas.fillRect(c, fill);
        canvas.drawHLine(c.left, c.right - 1, c.bottom - 1, header ? ui::colors::buttonShadow : kGridLine);
        canvas.drawVLine(c.right - 1, c.top, c.bottom - 1, header ? ui::colors::buttonShadow : kGridLine);
        ui::Rect text = c;
        text.deflate(3, 0, 4, 1);
        const std::optional<Font> font = sheet.font(col, row);
        unsigned flags = ui::text::VCenter | ui::text::NoPrefix | ui::text::EndEllipsis;
        if (font && font->bold)
            flags |= ui::text::Bold;
        const std::u16string shownText = spread->displayText(col, row);
        if (header) {
            ui::drawTextInRect(canvas, text, shownText, ink, flags | ui::text::Center);
            return;
        }
        switch (type.kind) {
        case CellKind::CheckBox:
            drawCheckBox(canvas, c, sheet.valueText(col, row) == u"1", ui::colors::black);
            text.left += 16;
            ui::drawTextInRect(canvas, text, shownText, ink, flags);
            return;
        case CellKind::Button: {
            ui::Rect b = c;
            b.deflate(1, 1, 2, 2);
            canvas.fillRect(b, ui::colors::buttonFace);
            canvas.drawEdge(b, false);
            ui::drawTextInRect(canvas, b, shownText, ui::colors::black, flags | ui::text::Center);
            return;
        }
        case CellKind::ComboBox: {
            const int arrow = std::min(15, c.width() / 2);
            ui::Rect a{c.right - 1 - arrow, c.top + 1, c.right - 1, c.bottom - 2};
            canvas.fillRect(a, ui::colors::buttonFace);
            const int mx = (a.left + a.right) / 2, my = (a.top + a.bottom) / 2;
            for (int k = 0; k < 4; ++k)
                canvas.drawHLine(mx - 3 + k, mx + 3 - k, my - 1 + k, ui::colors::black);
            text.right = a.left - 2;
            ui::drawTextInRect(canvas, text, shownText, ink, flags);
            return;
        }
        default: break;
        }
        const bool number = sheet.value(col, row).isNumber();
        ui::drawTextInRect(canvas, text, shownText, ink, flags | (number ? ui::text::Right : ui::text::Left));
    };

    // Column headers, row headers, the corner, then the cells; a span is drawn once, at its anchor.
    for (int col = 0; col <= sheet.maxCols(); ++col) {
        Span span;
        if (col > 0 && sheet.spanAt(col, 0, span) && span.row == 0 && span.col != col)
            continue;
        if (spread->cellRect(col, 0).left > client.width())
            break;
        paintCell(col, 0);
    }
    for (int row = 1; row <= sheet.maxRows(); ++row) {
        const ui::Rect first = spread->cellRect(0, row).isEmpty() ? spread->cellRect(1, row) : spread->cellRect(0, row);
        if (first.isEmpty() && row > 1 && spread->cellRect(1, row - 1).isEmpty())
            break;
        paintCell(0, row);
        for (int col = 1; col <= sheet.maxCols(); ++col) {
            Span span;
            if (sheet.spanAt(col, row, span) && (span.col != col || span.row != row))
                continue;
            const ui::Rect r = spread->cellRect(col, row);
            if (r.left > client.width())
                break;
            paintCell(col, row);
        }
    }
    if (sheet.maxCols() > 0 && sheet.maxRows() > 0) {
        const ui::Rect active = spread->cellRect(ac, ar);
        if (!active.isEmpty())
            canvas.frameRect(onCanvas(active), ui::colors::black, 2);
    }
}

void paintEdit(ui::Canvas& canvas, const ui::Window& window, const ui::Rect& client) {
    canvas.fillRect(client, ui::colors::white);
    canvas.frameRect(client, ui::colors::black);
    ui::Rect text = client;
    text.deflate(3, 0, 3, 0);
    ui::drawTextInRect(canvas, text, window.getWindowText(), ui::colors::black,
                       ui::text::VCenter | ui::text::NoPrefix);
}

} // namespace

void registerSpreadPainters() {
    ui::WindowPainter::registerPainter(SpreadWindow::kClassName, paintSpread);
    ui::WindowPainter::registerPainter(u"fpSprEdit", paintEdit);
    ui::WindowPainter::registerPainter(u"fpSprFocus", [](ui::Canvas&, const ui::Window&, const ui::Rect&) {});
}

} // namespace grid

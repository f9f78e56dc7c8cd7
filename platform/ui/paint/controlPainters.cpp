#include "ui/paint/controlPainters.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"
#include "ui/Edit.h"
#include "ui/ImageButton.h"
#include "ui/ListCtrl.h"
#include "ui/Metrics.h"
#include "ui/RichEdit.h"
#include "ui/Static.h"
#include "ui/TabCtrl.h"
#include "ui/paint/Picture.h"
#include "ui/paint/bitmapFont.h"
#include "ui/paint/textLayout.h"

#include <algorithm>

namespace ui::painters {

namespace {

constexpr int kCheckBoxSize = 13;
constexpr int kComboFieldHeight = 21; // the closed field; the rest of a combo's rectangle is its list
constexpr Color kHighlight = colors::caption;
constexpr Color kCheckedFace = rgb(225, 225, 225); // a pressed push-like button

unsigned fontFlags(const Window& w) {
    return w.getFont().isBold() ? text::Bold : 0u;
}

// A picture that cannot be decoded still shows where it is: a framed box with a cross.
void drawMissingPicture(Canvas& canvas, const Rect& r) {
    canvas.fillRect(r, colors::white);
    canvas.frameRect(r, colors::darkGrey);
    canvas.drawLine(r.left, r.top, r.right - 1, r.bottom - 1, colors::darkGrey);
    canvas.drawLine(r.left, r.bottom - 1, r.right - 1, r.top, colors::darkGrey);
}

// Decodes and draws an image with its top-left at (x, y); returns its size (a placeholder's when undecodable).
Size drawImage(Canvas& canvas, const Image& image, int x, int y, bool transparent, Color transparentColor,
               bool measureOnly = false) {
    Picture picture;
    std::u16string error;
    if (!picture.decode(image, error, image.isIcon ? Metrics::kIconSize : 32)) {
        Size size = image.size;
        if (size.cx <= 0 || size.cy <= 0)
            size = image.isIcon ? Size{Metrics::kIconSize, Metrics::kIconSize} : Size{16, 16};
        if (!measureOnly) drawMissingPicture(canvas, Rect::fromSize(x, y, size.cx, size.cy));
        return size;
    }
    if (transparent) picture.setTransparentColor(transparentColor);
    if (!measureOnly) picture.draw(canvas, x, y);
    return {picture.width(), picture.height()};
}

Size imageSize(const Image& image) {
    Canvas none;
    return drawImage(none, image, 0, 0, false, 0, true);
}

void dottedFrame(Canvas& canvas, const Rect& r, Color color) {
    for (int x = r.left; x < r.right; x += 2) {
        canvas.setPixel(x, r.top, color);
        canvas.setPixel(x, r.bottom - 1, color);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        canvas.setPixel(r.left, y, color);
        canvas.setPixel(r.right - 1, y, color);
    }
}

// A filled disc with a ring, as radio buttons have, filling the square of `diameter` pixels at (left, top);
// each pixel counts as inside by its centre, so an even diameter stays symmetric.
void drawDisc(Canvas& canvas, int left, int top, int diameter, Color fill, Color ring) {
    const double r = diameter / 2.0, cx = left + r, cy = top + r;
    for (int y = top; y < top + diameter; ++y)
        for (int x = left; x < left + diameter; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d2 = dx * dx + dy * dy;
            if (d2 <= r * r) canvas.setPixel(x, y, d2 >= (r - 1.2) * (r - 1.2) ? ring : fill);
        }
}

void drawCheckMark(Canvas& canvas, int left, int top, Color color) {
    // Two strokes two pixels thick: down-right from the left, then up to the top right.
    for (int t = 0; t < 2; ++t) {
        canvas.drawLine(left + 2, top + 5 + t, left + 4, top + 7 + t, color);
        canvas.drawLine(left + 4, top + 7 + t, left + 8, top + 3 + t, color);
    }
}

void drawDownArrow(Canvas& canvas, int cx, int cy, Color color) {
    for (int row = 0; row < 4; ++row) canvas.drawHLine(cx - 3 + row, cx + 3 - row, cy - 2 + row, color);
}

// ---- Buttons

void paintPushButton(Canvas& canvas, const Button& b, const Rect& c) {
    const auto* image = dynamic_cast<const ImageButton*>(&b);
    const bool pushLike = !b.isPushButton(); // a check or radio button with BS_PUSHLIKE
    const bool down = b.isPushed() || (pushLike && b.getCheck() != BST_UNCHECKED);
    const bool flat = (image && image->isFlat()) || (b.getStyle() & BS_FLAT);
    const std::uint32_t style = b.getStyle();

    canvas.fillRect(c, down && pushLike ? kCheckedFace : colors::buttonFace);
    Rect face = c;
    if ((b.buttonType() == BS_DEFPUSHBUTTON || b.hasFocus()) && !pushLike) {
        canvas.frameRect(face, colors::black);
        face.deflate(1, 1, 1, 1);
    }
    if (!flat || down) canvas.drawEdge(face, down);

    Rect inner = face;
    inner.deflate(3, 3, 3, 3);
    if (down) inner.offset(1, 1);

    // The picture: an icon or bitmap by style, or what an image button was given.
    Image picture = b.getIconImage();
    if (picture.isNull()) picture = b.getBitmap();
    const bool transparent = image && image->hasTransparentColor();
    const Color transparentColor = image ? image->transparentColor() : 0;
    const std::u16string label = b.getWindowText();
    const unsigned flags = fontFlags(b) | ((style & BS_MULTILINE) ? text::WordBreak : 0u);
    const Color ink = textColor(b);

    if (!picture.isNull()) {
        const Size size = imageSize(picture);
        const bool below = image && image->align() == ImageButton::Align::Vertical;
        if (label.empty() || (style & (BS_ICON | BS_BITMAP))) {
            drawImage(canvas, picture, inner.left + (inner.width() - size.cx) / 2,
                      inner.top + (inner.height() - size.cy) / 2, transparent, transparentColor);
        } else if (below) {
            const int textHeight = font::kGlyphHeight;
            const int top = inner.top + (inner.height() - size.cy - 2 - textHeight) / 2;
            drawImage(canvas, picture, inner.left + (inner.width() - size.cx) / 2, top, transparent, transparentColor);
            drawTextInRect(canvas, Rect{inner.left, top + size.cy + 2, inner.right, inner.bottom}, label, ink,
                           flags | text::Center);
        } else {
            const int textWidth = measureText(label, inner.width(), flags).cx;
            const int left = inner.left + std::max(0, (inner.width() - size.cx - 4 - textWidth) / 2);
            drawImage(canvas, picture, left, inner.top + (inner.height() - size.cy) / 2, transparent, transparentColor);
            drawTextInRect(canvas, Rect{left + size.cx + 4, inner.top, inner.right, inner.bottom}, label, ink,
                           flags | text::VCenter);
        }
    } else {
        unsigned align = text::Center;
        if ((style & BS_CENTER) == 0x100)
            align = text::Left;
        else if ((style & BS_CENTER) == 0x200)
            align = text::Right;
        drawTextInRect(canvas, inner, label, ink, flags | align | text::VCenter);
    }
    if (b.hasFocus()) {
        Rect focus = face;
        focus.deflate(3, 3, 3, 3);
        dottedFrame(canvas, focus, colors::black);
    }
}

void paintCheckOrRadio(Canvas& canvas, const Button& b, const Rect& c) {
    const std::uint32_t style = b.getStyle();
    const bool leftText = (style & BS_LEFTTEXT) != 0;
    const int top = c.top + (c.height() - kCheckBoxSize) / 2;
    const int boxLeft = leftText ? c.right - kCheckBoxSize : c.left;
    const bool enabled = b.isWindowEnabled();
    const int state = b.getCheck();

    if (b.isRadioButton()) {
        drawDisc(canvas, boxLeft, top, kCheckBoxSize - 1, enabled ? colors::white : colors::buttonFace,
                 colors::buttonShadow);
        if (state != BST_UNCHECKED) drawDisc(canvas, boxLeft + 4, top + 4, 4, colors::black, colors::black);
    } else {
        const Rect box = Rect::fromSize(boxLeft, top, kCheckBoxSize, kCheckBoxSize);
        const bool indeterminate = state == BST_INDETERMINATE;
        canvas.fillRect(box, enabled && !indeterminate ? colors::white : colors::buttonFace);
        canvas.frameRect(box, colors::buttonShadow);
        if (state != BST_UNCHECKED)
            drawCheckMark(canvas, box.left + 1, box.top + 1,
                          indeterminate || !enabled ? colors::darkGrey : colors::black);
    }

    Rect label = c;
    if (leftText)
        label.right = boxLeft - 4;
    else
        label.left = boxLeft + kCheckBoxSize + 4;
    const unsigned flags = fontFlags(b) | text::VCenter | (leftText ? text::Right : text::Left) |
                           ((style & BS_MULTILINE) ? text::WordBreak : 0u);
    drawTextInRect(canvas, label, b.getWindowText(), textColor(b), flags);
    if (b.hasFocus()) {
        const Size size = measureText(b.getWindowText(), label.width(), flags);
        const int textLeft = leftText ? label.right - size.cx : label.left;
        const int textTop = label.top + (label.height() - size.cy) / 2;
        dottedFrame(canvas, Rect{textLeft - 2, textTop - 2, textLeft + size.cx + 2, textTop + size.cy + 2},
                    colors::black);
    }
}

void paintGroupBox(Canvas& canvas, const Button& b, const Rect& c) {
    // The etched frame runs through the middle of the caption line, broken where the caption is.
    const int lineY = c.top + font::kGlyphHeight / 2;
    const Rect frame{c.left, lineY, c.right, c.bottom};
    canvas.frameRect(Rect{frame.left, frame.top, frame.right - 1, frame.bottom - 1}, colors::buttonShadow);
    canvas.frameRect(Rect{frame.left + 1, frame.top + 1, frame.right, frame.bottom}, colors::buttonHighlight);
    const std::u16string caption = b.getWindowText();
    if (!caption.empty()) {
        const Size size = measureText(caption, c.width() - 16, fontFlags(b));
        const Rect back{c.left + 6, c.top, std::min(c.left + 10 + size.cx, c.right - 2), c.top + size.cy + 1};
        canvas.fillRect(back, colors::buttonFace);
        drawTextInRect(canvas, Rect{back.left + 2, back.top, back.right, back.bottom}, caption, textColor(b),
                       fontFlags(b));
    }
}

void paintButton(Canvas& canvas, const Button& b, const Rect& c) {
    if (b.isGroupBox())
        paintGroupBox(canvas, b, c);
    else if (b.isPushButton() || (b.getStyle() & BS_PUSHLIKE) || b.buttonType() == BS_OWNERDRAW)
        paintPushButton(canvas, b, c);
    else
        paintCheckOrRadio(canvas, b, c);
}

// ---- Statics

void paintStatic(Canvas& canvas, const Static& s, const Rect& c) {
    const std::uint32_t style = s.getStyle();
    const std::uint32_t type = style & SS_TYPEMASK;
    switch (type) {
    case SS_ICON:
    case SS_BITMAP: {
        const Image image = type == SS_ICON ? s.getIconImage() : s.getBitmap();
        if (image.isNull()) break;
        const Size size = imageSize(image);
        const bool centre = (style & SS_CENTERIMAGE) != 0;
        drawImage(canvas, image, centre ? c.left + (c.width() - size.cx) / 2 : c.left,
                  centre ? c.top + (c.height() - size.cy) / 2 : c.top, false, 0);
        break;
    }
    case SS_BLACKRECT:
        canvas.fillRect(c, colors::black);
        break;
    case 0x5:
        canvas.fillRect(c, colors::darkGrey);
        break; // SS_GRAYRECT
    case 0x6:
        canvas.fillRect(c, colors::white);
        break; // SS_WHITERECT
    case SS_BLACKFRAME:
        canvas.frameRect(c, colors::black);
        break;
    case SS_GRAYFRAME:
        canvas.frameRect(c, colors::darkGrey);
        break;
    case SS_WHITEFRAME:
        canvas.frameRect(c, colors::white);
        break;
    case 0x10: // SS_ETCHEDHORZ
        canvas.drawHLine(c.left, c.right - 1, c.top, colors::buttonShadow);
        canvas.drawHLine(c.left, c.right - 1, c.top + 1, colors::buttonHighlight);
        break;
    case 0x11: // SS_ETCHEDVERT
        canvas.drawVLine(c.left, c.top, c.bottom - 1, colors::buttonShadow);
        canvas.drawVLine(c.left + 1, c.top, c.bottom - 1, colors::buttonHighlight);
        break;
    case SS_ETCHEDFRAME:
        canvas.frameRect(Rect{c.left, c.top, c.right - 1, c.bottom - 1}, colors::buttonShadow);
        canvas.frameRect(Rect{c.left + 1, c.top + 1, c.right, c.bottom}, colors::buttonHighlight);
        break;
    default: {
        // Labels: SS_LEFT, SS_CENTER and SS_RIGHT wrap; SS_SIMPLE (0xB) and SS_LEFTNOWORDWRAP (0xC) do not.
        unsigned flags = fontFlags(s);
        if (type == SS_CENTER)
            flags |= text::Center;
        else if (type == SS_RIGHT)
            flags |= text::Right;
        if (type <= SS_RIGHT) flags |= text::WordBreak;
        if (style & SS_CENTERIMAGE) flags |= text::VCenter;
        if (style & 0x80) // SS_NOPREFIX
            flags |= text::NoPrefix;
        drawTextInRect(canvas, c, s.getWindowText(), textColor(s), flags);
        break;
    }
    }
    if (style & SS_SUNKEN) canvas.drawEdge(Rect{c.left, c.top, c.right, c.bottom}, true);
}

// ---- Edits

void paintEdit(Canvas& canvas, const Edit& e, const Rect& c) {
    const auto* rich = dynamic_cast<const RichEdit*>(&e);
    Color back = rich ? rich->getBackgroundColor() : colors::white;
    if (!e.isWindowEnabled() || (!rich && e.isReadOnly())) back = colors::buttonFace;
    canvas.fillRect(c, back);

    std::u16string content = e.getWindowText();
    if (e.getStyle() & ES_PASSWORD) content.assign(content.size(), u'*');
    unsigned flags = text::NoPrefix | fontFlags(e);
    if (e.getStyle() & ES_CENTER)
        flags |= text::Center;
    else if (e.getStyle() & ES_RIGHT)
        flags |= text::Right;
    Rect area = c;
    area.deflate(3, 2, 3, 1);
    if (!e.isMultiLine())
        flags |= text::VCenter;
    else if (!(e.getStyle() & ES_AUTOHSCROLL))
        flags |= text::WordBreak;
    // The focused single-line edit shows its selection (or caret); text there is left-aligned and starts at a
    // fixed place, so character positions map straight to pixels.
    const bool showSelection = e.hasFocus() && !e.isMultiLine() && (flags & 0x3) == text::Left;
    int selStart = 0, selEnd = 0;
    if (showSelection) {
        e.getSel(selStart, selEnd);
        // Positions past what any edit box can show are not worth a pixel (and would overflow one).
        const int n = int(std::min<std::size_t>(content.size(), 1u << 16));
        selStart = std::clamp(selStart, 0, n);
        selEnd = std::clamp(selEnd < 0 ? n : selEnd, selStart, n);
    }
    const int textTop = area.top + (area.height() - font::kGlyphHeight) / 2;
    if (showSelection && selEnd > selStart)
        canvas.fillRect(Rect{area.left + selStart * font::kAdvance - 1, textTop - 1,
                             area.left + selEnd * font::kAdvance, textTop + font::kGlyphHeight + 1},
                        kHighlight);
    drawTextInRect(canvas, area, content, e.isWindowEnabled() ? colors::black : colors::grayText, flags);
    if (showSelection && selEnd > selStart) {
        drawTextInRect(canvas, Rect{area.left + selStart * font::kAdvance, area.top, area.right, area.bottom},
                       std::u16string_view(content).substr(std::size_t(selStart), std::size_t(selEnd - selStart)),
                       colors::white, flags);
    } else if (showSelection) {
        const int x = area.left + selStart * font::kAdvance - 1;
        canvas.drawVLine(x, textTop - 1, textTop + font::kGlyphHeight, colors::black);
    }
}

// ---- Combo boxes

void paintComboBox(Canvas& canvas, const ComboBox& cb, const Rect& c) {
    const bool simple = (cb.getStyle() & CBS_TYPEMASK) == CBS_SIMPLE;
    const int fieldHeight = std::min(c.height(), kComboFieldHeight);
    const Rect field{c.left, c.top, c.right, c.top + fieldHeight};
    const bool enabled = cb.isWindowEnabled();
    canvas.fillRect(field, enabled ? colors::white : colors::buttonFace);
    canvas.drawEdge(field, true);

    const int arrowWidth = simple ? 0 : std::min(Metrics::kScrollBarWidth, std::max(0, field.width() - 4));
    const Rect button{field.right - 2 - arrowWidth, field.top + 2, field.right - 2, field.bottom - 2};
    if (arrowWidth > 0) {
        canvas.fillRect(button, colors::buttonFace);
        canvas.drawEdge(button, cb.getDroppedState());
        drawDownArrow(canvas, button.left + button.width() / 2, button.top + button.height() / 2,
                      enabled ? colors::black : colors::grayText);
    }

    const auto& items = cb.items();
    const int sel = cb.getCurSel();
    std::u16string shown = cb.getWindowText();
    if (!cb.isEditable() && sel >= 0 && sel < int(items.size())) shown = items[std::size_t(sel)].text;
    Rect textArea{field.left + 4, field.top + 2, button.left - 2, field.bottom - 2};
    if (sel >= 0 && sel < int(items.size()) && !items[std::size_t(sel)].picture.isNull()) {
        const Size size = drawImage(canvas, items[std::size_t(sel)].picture, textArea.left,
                                    textArea.top + (textArea.height() - 16) / 2, false, 0);
        textArea.left += std::min(size.cx, 32) + 4;
    }
    const bool focused = cb.hasFocus() && !cb.isEditable();
    if (focused) {
        canvas.fillRect(Rect{textArea.left - 1, textArea.top, textArea.right, textArea.bottom}, kHighlight);
    }
    drawTextInRect(canvas, textArea, shown, focused ? colors::white : (enabled ? colors::black : colors::grayText),
                   text::NoPrefix | text::VCenter | text::EndEllipsis | fontFlags(cb));

    // The list shows below the field when dropped down, and always for a simple combo.
    if (!(simple || cb.getDroppedState()) || c.height() <= fieldHeight) return;
    const Rect list{c.left, field.bottom, c.right, c.bottom};
    canvas.fillRect(list, colors::white);
    canvas.frameRect(list, colors::windowFrame);
    int y = list.top + 2;
    for (std::size_t i = 0; i < items.size() && y < list.bottom; ++i) {
        const Rect row{list.left + 1, y, list.right - 1, y + font::kLineHeight + 3};
        const bool selected = int(i) == sel;
        if (selected) canvas.fillRect(row, kHighlight);
        int left = row.left + 3;
        if (items[i].checked || (cb.getStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) {
            const Rect box = Rect::fromSize(left, row.top + 1, 11, 11);
            canvas.fillRect(box, colors::white);
            canvas.frameRect(box, colors::buttonShadow);
            if (items[i].checked) drawCheckMark(canvas, box.left, box.top, colors::black);
            left += 15;
        }
        drawTextInRect(canvas, Rect{left, row.top, row.right - 2, row.bottom}, items[i].text,
                       selected ? colors::white : colors::black, text::NoPrefix | text::VCenter | text::EndEllipsis);
        y = row.bottom;
    }
}

// ---- Tab controls

void paintTabCtrl(Canvas& canvas, const TabCtrl& t, const Rect& c) {
    const int headerBottom = c.top + Metrics::kTabHeaderHeight;
    const Rect body{c.left, headerBottom, c.right, c.bottom};
    canvas.fillRect(body, colors::buttonFace);
    // The body's raised frame: light above and left, shadowed below and right.
    canvas.drawHLine(body.left, body.right - 1, body.top, colors::buttonHighlight);
    canvas.drawVLine(body.left, body.top, body.bottom - 1, colors::buttonHighlight);
    canvas.drawHLine(body.left, body.right - 1, body.bottom - 1, colors::buttonDarkShadow);
    canvas.drawVLine(body.right - 1, body.top, body.bottom - 1, colors::buttonDarkShadow);
    canvas.drawHLine(body.left + 1, body.right - 2, body.bottom - 2, colors::buttonShadow);
    canvas.drawVLine(body.right - 2, body.top + 1, body.bottom - 2, colors::buttonShadow);

    auto header = [&](int index, bool selected) {
        Rect r;
        if (!t.getItemRect(index, r)) return;
        r.offset(c.left, c.top);
        if (selected) r = Rect{r.left - 2, r.top - 2, r.right + 2, r.bottom + 1};
        canvas.fillRect(Rect{r.left, r.top, r.right, r.bottom}, colors::buttonFace);
        canvas.drawVLine(r.left, r.top + 2, r.bottom - 1, colors::buttonHighlight);
        canvas.drawHLine(r.left + 2, r.right - 3, r.top, colors::buttonHighlight);
        canvas.setPixel(r.left + 1, r.top + 1, colors::buttonHighlight);
        canvas.drawVLine(r.right - 1, r.top + 2, r.bottom - 1, colors::buttonDarkShadow);
        canvas.drawVLine(r.right - 2, r.top + 1, r.bottom - 1, colors::buttonShadow);
        const auto& item = t.items()[std::size_t(index)];
        drawTextInRect(canvas, Rect{r.left + 2, r.top + 2, r.right - 2, r.bottom}, item.text, textColor(t),
                       text::Center | text::VCenter | fontFlags(t));
    };
    const int sel = t.getCurSel();
    for (int i = 0; i < t.getItemCount(); ++i)
        if (i != sel) header(i, false);
    if (sel >= 0 && sel < t.getItemCount()) header(sel, true); // drawn last, over its neighbours, joined to the body
}

// ---- List views (thumbnails)

void paintListCtrl(Canvas& canvas, const ListCtrl& l, const Rect& c) {
    canvas.fillRect(c, colors::white);
    const Size thumb = l.thumbnailSize();
    const int cellWidth = std::max(thumb.cx, 16) + 16;
    const int cellHeight = std::max(thumb.cy, 16) + font::kLineHeight + 10;
    const int perRow = std::max(1, c.width() / cellWidth);
    const auto& items = l.items();
    const auto& images = l.imageList();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int left = c.left + int(i % std::size_t(perRow)) * cellWidth;
        const long long top = c.top + (long long)(i / std::size_t(perRow)) * cellHeight;
        if (top >= c.bottom) break;
        const Rect pic = Rect::fromSize(left + 8, int(top) + 4, thumb.cx, thumb.cy);
        const int image = items[i].image;
        if (image >= 0 && std::size_t(image) < images.size()) {
            const Size size = imageSize(images[std::size_t(image)]);
            drawImage(canvas, images[std::size_t(image)], pic.left + (pic.width() - size.cx) / 2,
                      pic.top + (pic.height() - size.cy) / 2, false, 0);
        } else {
            canvas.frameRect(pic, colors::buttonShadow);
        }
        const Rect label{left + 2, pic.bottom + 3, left + cellWidth - 2, pic.bottom + 3 + font::kLineHeight};
        if (items[i].selected) {
            canvas.frameRect(Rect{pic.left - 2, pic.top - 2, pic.right + 2, pic.bottom + 2}, kHighlight, 2);
            canvas.fillRect(label, kHighlight);
        }
        drawTextInRect(canvas, Rect{label.left + 1, label.top + 1, label.right - 1, label.bottom}, items[i].text,
                       items[i].selected ? colors::white : colors::black,
                       text::Center | text::NoPrefix | text::EndEllipsis);
    }
}

} // namespace

Color textColor(const Window& w) {
    return w.isWindowEnabled() ? colors::black : colors::grayText;
}

namespace {

void drawArrow(Canvas& canvas, const Rect& box, int dx, int dy, Color color) {
    // A small triangle pointing along (dx, dy), centred in the box.
    const int cx = box.left + box.width() / 2, cy = box.top + box.height() / 2;
    for (int i = 0; i < 4; ++i) {
        const int along = (dx + dy > 0) ? i - 2 : 1 - i; // the wide side first, towards the tip
        if (dx != 0)
            canvas.drawVLine(cx + along, cy - 3 + i, cy + 3 - i, color);
        else
            canvas.drawHLine(cx - 3 + i, cx + 3 - i, cy + along, color);
    }
}

// A scroll bar at rest: two arrow buttons and the thumb at the start of the track.
void drawScrollBar(Canvas& canvas, const Rect& bar, bool vertical) {
    canvas.fillRect(bar, rgb(230, 230, 230));
    const int side = vertical ? bar.width() : bar.height();
    const int length = vertical ? bar.height() : bar.width();
    const int button = std::min(side, length / 2);
    const Rect first = vertical ? Rect{bar.left, bar.top, bar.right, bar.top + button}
                                : Rect{bar.left, bar.top, bar.left + button, bar.bottom};
    const Rect last = vertical ? Rect{bar.left, bar.bottom - button, bar.right, bar.bottom}
                               : Rect{bar.right - button, bar.top, bar.right, bar.bottom};
    for (const Rect& r : {first, last}) {
        canvas.fillRect(r, colors::buttonFace);
        canvas.drawEdge(r, false);
    }
    drawArrow(canvas, first, vertical ? 0 : -1, vertical ? -1 : 0, colors::black);
    drawArrow(canvas, last, vertical ? 0 : 1, vertical ? 1 : 0, colors::black);
    if (length >= 3 * button) {
        const Rect thumb = vertical ? Rect{bar.left, first.bottom, bar.right, first.bottom + button}
                                    : Rect{first.right, bar.top, first.right + button, bar.bottom};
        canvas.fillRect(thumb, colors::buttonFace);
        canvas.drawEdge(thumb, false);
    }
}

} // namespace

namespace {

// The border in the ring between `window` and `inside` (the client area with its scroll bars).
void drawBorder(Canvas& canvas, const Window& w, const Rect& window, const Rect& inside) {
    const std::uint32_t style = w.getStyle();
    if ((style & WS_CAPTION) == WS_CAPTION && inside.top - window.top >= 12) {
        canvas.fillRect(window, colors::buttonFace);
        canvas.frameRect(window, colors::windowFrame);
        Rect inner = window;
        inner.deflate(1, 1, 1, 1);
        canvas.drawEdge(inner, false);
        const int border = std::max(inside.left - window.left - 2, 1);
        const Rect bar{window.left + border, window.top + border, window.right - border, inside.top - 1};
        canvas.fillRect(bar, colors::caption);
        int textRight = bar.right - 3;
        if (style & WS_SYSMENU) {
            // The close box: a small raised button with a cross.
            const int side = std::max(bar.height() - 4, 5);
            const Rect box{bar.right - 2 - side - 2, bar.top + 2, bar.right - 2, bar.top + 2 + side};
            canvas.fillRect(box, colors::buttonFace);
            canvas.drawEdge(box, false);
            const int cx = box.left + box.width() / 2, cy = box.top + box.height() / 2;
            for (int t = 0; t < 2; ++t) {
                canvas.drawLine(cx - 3 + t, cy - 3, cx + 2 + t, cy + 2, colors::black);
                canvas.drawLine(cx - 3 + t, cy + 2, cx + 2 + t, cy - 3, colors::black);
            }
            textRight = box.left - 2;
        }
        drawTextInRect(canvas, Rect{bar.left + 4, bar.top, textRight, bar.bottom}, w.getWindowText(),
                       colors::captionText, text::VCenter | text::Bold | text::NoPrefix | text::EndEllipsis);
    } else if (w.getExStyle() & WS_EX_CLIENTEDGE) {
        canvas.drawEdge(window, true);
    } else if (w.getExStyle() & WS_EX_STATICEDGE) {
        canvas.frameRect(window, colors::buttonShadow);
    } else {
        canvas.frameRect(window, style & WS_DLGFRAME ? colors::buttonShadow : colors::windowFrame);
    }
}

} // namespace

void paintFrame(Canvas& canvas, const Window& w, const Rect& windowRect, const Rect& clientRect) {
    std::uint32_t style = w.getStyle();
    Rect window = windowRect;
    Rect client = clientRect;
    // A drop-down combo box's rectangle holds its list: while the list is closed only the field shows, with no
    // scroll bar and its border around the field alone.
    if (const auto* cb = dynamic_cast<const ComboBox*>(&w);
        cb && (style & CBS_TYPEMASK) != CBS_SIMPLE && !cb->getDroppedState()) {
        if (style & WS_VSCROLL)
            window.right -= Metrics::kScrollBarWidth;
        style &= ~(WS_VSCROLL | WS_HSCROLL);
        client.bottom = std::min(client.bottom, client.top + kComboFieldHeight);
        window.bottom = std::min(window.bottom, client.bottom + (windowRect.bottom - clientRect.bottom));
    }
    // Scroll bars sit inside the border, beside the client area.
    Rect inside = client;
    if (style & WS_VSCROLL) inside.right += Metrics::kScrollBarWidth;
    if (style & WS_HSCROLL) inside.bottom += Metrics::kScrollBarWidth;
    if (window != inside) drawBorder(canvas, w, window, inside);
    if (style & WS_VSCROLL) drawScrollBar(canvas, Rect{client.right, client.top, inside.right, client.bottom}, true);
    if (style & WS_HSCROLL) drawScrollBar(canvas, Rect{client.left, client.bottom, client.right, inside.bottom}, false);
    if ((style & WS_VSCROLL) && (style & WS_HSCROLL))
        canvas.fillRect(Rect{client.right, client.bottom, inside.right, inside.bottom}, colors::buttonFace);
}

bool paintBuiltIn(Canvas& canvas, const Window& w, const Rect& client) {
    if (dynamic_cast<const Dialog*>(&w)) {
        canvas.fillRect(client, colors::buttonFace);
    } else if (const auto* b = dynamic_cast<const Button*>(&w)) {
        paintButton(canvas, *b, client);
    } else if (const auto* s = dynamic_cast<const Static*>(&w)) {
        paintStatic(canvas, *s, client);
    } else if (const auto* e = dynamic_cast<const Edit*>(&w)) {
        paintEdit(canvas, *e, client);
    } else if (const auto* cb = dynamic_cast<const ComboBox*>(&w)) {
        paintComboBox(canvas, *cb, client);
    } else if (const auto* t = dynamic_cast<const TabCtrl*>(&w)) {
        paintTabCtrl(canvas, *t, client);
    } else if (const auto* l = dynamic_cast<const ListCtrl*>(&w)) {
        paintListCtrl(canvas, *l, client);
    } else if (w.isClass(u"#32770") || w.isClass(u"ToolbarWindow32")) {
        canvas.fillRect(client, colors::buttonFace);
    } else {
        return false;
    }
    return true;
}

void paintPlaceholder(Canvas& canvas, const Window& w, const Rect& client) {
    canvas.fillRect(client, rgb(250, 250, 235));
    canvas.frameRect(client, colors::darkGrey);
    // Light diagonal hatching says "not drawn here" at a glance; the class name says what it is.
    for (int d = 0; d < client.width() + client.height(); d += 8)
        canvas.drawLine(client.left + d, client.top, client.left + d - client.height(), client.bottom,
                        rgb(225, 225, 205));
    std::u16string label = w.getClassName();
    const std::u16string text = w.getWindowText();
    if (!text.empty()) label += u"\n" + text;
    drawTextInRect(canvas, Rect{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2}, label,
                   colors::darkGrey, text::Center | text::VCenter | text::NoPrefix | text::WordBreak);
}

} // namespace ui::painters

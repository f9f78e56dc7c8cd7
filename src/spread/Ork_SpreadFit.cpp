// Ork_Spread: fonts, automatic sizing and the fit modes that share the client width among the columns.
#include "spread/Ork_Spread.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// ---- Fonts

bool Ork_Spread::setFontRange(int col1, int row1, int col2, int row2, const Ork_String& face, int height, bool bold,
                              bool tips) {
    if (!m_created)
        return false;
    grid::Font font;
    font.face = face;
    font.height = height;
    font.bold = bold;
    if (!ssSetFontRange(col1, row1, col2, row2, font, true))
        return false;
    if (tips) {
        int status = 0;
        long delay = 0;
        grid::Font tipFont;
        ui::Color back = 0, fore = 0;
        ssGetTextTip(status, delay, tipFont, back, fore);
        ssSetTextTip(1, 0, font, back, fore);
    }
    return true;
}

bool Ork_Spread::setHeaderFonts() {
    if (!m_created)
        return false;
    const int columns = getMaxCols(), rows = getMaxRows();
    if (columns > 0)
        setFontRange(1, kHeader, columns, kHeader, m_fontFace, m_fontHeight, true, true);
    if (rows > 0)
        setFontRange(kHeader, 1, kHeader, rows, m_fontFace, m_fontHeight, true, true);
    return true;
}

bool Ork_Spread::resetFonts(bool tips) {
    if (!setHeaderFonts())
        return false;
    const int columns = getMaxCols(), rows = getMaxRows();
    if (columns > 0 && rows > 0)
        setFontRange(1, 1, columns, rows, m_fontFace, m_fontHeight, false, tips);
    return true;
}

bool Ork_Spread::formatRowFonts(int row, bool headerBold) {
    if (!m_created || row < 1 || row > getMaxRows())
        return false;
    if (headerBold)
        setFontRange(kHeader, row, kHeader, row, m_fontFace, m_fontHeight, true, true);
    const int columns = getMaxCols();
    if (columns > 0)
        setFontRange(1, row, columns, row, m_fontFace, m_fontHeight, false, false);
    return true;
}

bool Ork_Spread::formatColumnFonts(int column, bool headerBold) {
    if (!m_created || column < 1 || column > getMaxCols())
        return false;
    if (headerBold)
        setFontRange(column, kHeader, column, kHeader, m_fontFace, m_fontHeight, true, true);
    const int rows = getMaxRows();
    if (rows > 0)
        setFontRange(column, 1, column, rows, m_fontFace, m_fontHeight, false, false);
    return true;
}

// ---- Automatic sizing

bool Ork_Spread::autoFitColumn(int column, bool skipLists) {
    if (!m_created)
        return false;
    const int rows = getMaxRows();
    double widest = 0;
    for (int r = 0; r <= rows; ++r) {
        const int row = r == 0 ? kHeader : r;
        if (skipLists && getCellTypeCode(column, row) == 8)
            continue;
        double width = 0, height = 0;
        if (ssGetMaxTextCellSize(column, row, width, height))
            widest = std::max(widest, width);
    }
    return ssSetColWidth(column, widest);
}

bool Ork_Spread::autoFitRow(int row) {
    if (!m_created)
        return false;
    const int columns = getMaxCols();
    double tallest = 0;
    for (int c = 0; c <= columns; ++c) {
        double width = 0, height = 0;
        if (ssGetMaxTextCellSize(c == 0 ? kHeader : c, row, width, height))
            tallest = std::max(tallest, height);
    }
    return ssSetRowHeight(row, tallest);
}

bool Ork_Spread::autoFitAll() {
    if (!m_created)
        return false;
    setStaticHeaders(false);
    grid::CellType type;
    ssSetTypeStaticText(type, 140);
    const int rows = getMaxRows();
    if (rows > 0)
        ssSetCellTypeRange(kHeader, 1, kHeader, rows, type);
    for (int r = 1; r <= rows; ++r)
        autoFitRow(r);
    autoFitRow(kHeader);
    autoFitColumn(kHeader, false);
    return true;
}

int Ork_Spread::getTextWidth(int column, int row) {
    double width = 0, height = 0;
    if (!m_created || !ssGetMaxTextCellSize(column, row, width, height))
        return 0;
    return static_cast<int>(std::lround(width));
}

int Ork_Spread::getColumnTextWidth(int column) {
    if (!m_created)
        return 0;
    int widest = 0;
    const int rows = getMaxRows();
    for (int r = 1; r <= rows; ++r)
        widest = std::max(widest, getTextWidth(column, r));
    return widest;
}

int Ork_Spread::getTotalColumnWidthPx() {
    if (!m_created)
        return 0;
    int total = 0, pixels = 0;
    // The header column takes room only while it is shown.
    if (ssGetBool(grid::kSwitchRowHeaders) && ssGetColWidthInPixels(0, pixels))
        total += pixels;
    const int columns = getMaxCols();
    for (int c = 1; c <= columns; ++c)
        if (ssGetColWidthInPixels(c, pixels))
            total += pixels;
    return total;
}

bool Ork_Spread::fitLastColumn(int column) {
    if (!m_created)
        return false;
    ui::Rect client;
    int scrollWidth = 0, scrollHeight = 0, width = 0;
    if (!ssGetClientRect(client) || !ssGetColWidthInPixels(column, width))
        return false;
    ssGetScrollBarSize(scrollWidth, scrollHeight);
    const int free = client.width() - std::max(scrollWidth, 0) - getTotalColumnWidthPx();
    const int newWidth = width + free;
    if (newWidth <= 0)
        return false;
    return ssSetColWidthInPixels(column, newWidth);
}

// ---- Fit modes

bool Ork_Spread::fitFrame(int& width, int& columns, bool& headers) {
    ui::Rect client;
    int scrollWidth = 0, scrollHeight = 0;
    if (!ssGetClientRect(client))
        return false;
    ssGetScrollBarSize(scrollWidth, scrollHeight);
    width = std::max(client.width() - std::max(scrollWidth, 0), 0);
    headers = ssGetBool(grid::kSwitchRowHeaders);
    columns = getMaxCols() + (headers ? 1 : 0);
    return true;
}

bool Ork_Spread::applyFitMode() {
    if (!m_created || !isWindow())
        return false;
    switch (m_fitMode) {
    case 1: return fitEqual();
    case 2: {
        setStaticHeaders(false);
        grid::CellType type;
        ssSetTypeStaticText(type, 140);
        const int rows = getMaxRows();
        if (rows > 0)
            ssSetCellTypeRange(kHeader, 1, kHeader, rows, type);
        for (int r = 1; r <= rows; ++r)
            autoFitRow(r);
        return true;
    }
    case 3: return fitPercentage();
    case 4: return fitFixedColumn();
    case 5: return fitListedColumns();
    default: return false;
    }
}

bool Ork_Spread::fitEqual() {
    int width = 0, n = 0;
    bool headers = false;
    if (!fitFrame(width, n, headers) || n <= 0)
        return false;
    const int each = width / n;
    for (int c = 1; c <= getMaxCols(); ++c)
        ssSetColWidthInPixels(c, each);
    if (headers)
        ssSetColWidthInPixels(0, each);
    return true;
}

bool Ork_Spread::fitPercentage() {
    int width = 0, n = 0;
    bool headers = false;
    if (!fitFrame(width, n, headers))
        return false;
    const int columns = getMaxCols();
    // More shared columns than the sheet has would divide the rest by nothing.
    const int k = std::clamp(m_fitArgument1, -columns, columns);
    const int shared = std::abs(k);
    const int first = k > 0 ? 1 : columns - shared + 1;
    const int last = k > 0 ? k : columns;
    int share = 0;
    if (shared > 0) {
        share = std::max(static_cast<int>(static_cast<long long>(width) * m_fitArgument2 / 100 / shared), 0);
        for (int c = first; c <= last; ++c)
            ssSetColWidthInPixels(c, share);
    }
    if (n - shared <= 0)
        return true;
    const int rest = std::max((width - share * shared) / (n - shared), 0);
    for (int c = 1; c <= columns; ++c)
        if (shared == 0 || c < first || c > last)
            ssSetColWidthInPixels(c, rest);
    if (headers)
        ssSetColWidthInPixels(0, rest);
    return true;
}

bool Ork_Spread::fitFixedColumn() {
    int width = 0, n = 0;
    bool headers = false;
    if (!fitFrame(width, n, headers))
        return false;
    const int fixed = m_fitArgument1 == kHeader ? 0 : m_fitArgument1;
    const int fixedWidth = std::max(m_fitArgument2, 0);
    ssSetColWidthInPixels(fixed, fixedWidth);
    if (n - 1 <= 0)
        return true;
    const int rest = std::max((width - fixedWidth) / (n - 1), 0);
    const int columns = getMaxCols();
    for (int c = 1; c <= columns; ++c)
        if (c != fixed)
            ssSetColWidthInPixels(c, rest);
    if (fixed != 0 && headers)
        ssSetColWidthInPixels(0, rest);
    return true;
}

bool Ork_Spread::fitListedColumns() {
    int width = 0, n = 0;
    bool headers = false;
    if (!fitFrame(width, n, headers))
        return false;
    const int pairs = std::min(m_fitColumns.length(), m_fitWidths.length());
    int sum = 0;
    for (int i = 0; i < pairs; ++i)
        sum += std::max(m_fitWidths[i], 0);
    auto listed = [&](int column) {
        for (int i = 0; i < pairs; ++i) {
            const int c = m_fitColumns[i] == kHeader ? 0 : m_fitColumns[i];
            if (c == column)
                return true;
        }
        return false;
    };
    // Every shown column that is not listed shares the rest: the header column when shown, then 1..columns.
    if (n - pairs > 0) {
        const int rest = std::max((width - sum) / (n - pairs), 0);
        const int columns = getMaxCols();
        for (int c = headers ? 0 : 1; c <= columns; ++c)
            if (!listed(c))
                ssSetColWidthInPixels(c, rest);
    }
    for (int i = 0; i < pairs; ++i)
        ssSetColWidthInPixels(m_fitColumns[i] == kHeader ? 0 : m_fitColumns[i], std::max(m_fitWidths[i], 0));
    return true;
}

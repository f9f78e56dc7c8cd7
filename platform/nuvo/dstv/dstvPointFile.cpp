#include "nuvo/dstv/dstvPointFile.h"

#include "os/files.h"
#include "os/utf16.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace nuvo {
namespace {

const char16_t kHeader[] = u"DSTV points 1";
constexpr int kValueCount = 12;  // the values after the name

std::u16string escaped(std::u16string_view name) {
    std::u16string out;
    for (char16_t c : name) {
        switch (c) {
        case u'\\': out += u"\\\\"; break;
        case u'\t': out += u"\\t"; break;
        case u'\n': out += u"\\n"; break;
        case u'\r': out += u"\\r"; break;
        default: out += c;
        }
    }
    return out;
}

bool unescaped(std::u16string_view text, std::u16string& name) {
    name.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            name += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case u'\\': name += u'\\'; break;
        case u't': name += u'\t'; break;
        case u'n': name += u'\n'; break;
        case u'r': name += u'\r'; break;
        default: return false;
        }
    }
    return true;
}

std::string ascii(std::u16string_view field) {
    std::string out;
    for (char16_t c : field) {
        if (c > 0x7F)
            return {};
        out += static_cast<char>(c);
    }
    return out;
}

bool readInt(std::u16string_view field, int& value) {
    const std::string text = ascii(field);
    const char* end = text.data() + text.size();
    std::int32_t v = 0;
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end)
        return false;
    value = v;
    return true;
}

bool readFlag(std::u16string_view field, bool& value) {
    if (field != u"0" && field != u"1")
        return false;
    value = field == u"1";
    return true;
}

bool readNumber(std::u16string_view field, double& value) {
    const std::string text = ascii(field);
    const char* end = text.data() + text.size();
    double v = 0;
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

// The shortest text that reads back as the same number.
std::u16string numberText(double value) {
    char buffer[64];
    auto [p, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? os::toUtf16(std::string_view(buffer, static_cast<size_t>(p - buffer))) : u"0";
}

std::vector<std::u16string_view> fields(std::u16string_view line) {
    std::vector<std::u16string_view> out;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find(u'\t', start);
        out.push_back(line.substr(start, tab == std::u16string_view::npos ? std::u16string_view::npos : tab - start));
        if (tab == std::u16string_view::npos)
            return out;
        start = tab + 1;
    }
}

bool fail(Ork_String& error, size_t line, const char16_t* what) {
    error = u"line " + Ork_String(static_cast<int>(line)) + u": " + what;
    return false;
}

} // namespace

bool parseDstvPoints(std::string_view bytes, Ork_Array<Ork_DstvPointInfo>& points, Ork_String& error) {
    const std::vector<std::u16string> lines = os::decodeLines(bytes);
    Ork_Array<Ork_DstvPointInfo> read;
    size_t first = 0;
    while (first < lines.size() && lines[first].empty())
        ++first;
    if (first == lines.size()) {  // an empty file: no points
        points = read;
        return true;
    }
    if (lines[first] != kHeader)
        return fail(error, first + 1, u"\"DSTV points 1\" expected");
    for (size_t i = first + 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const auto f = fields(lines[i]);
        if (f.size() != kValueCount + 1)
            return fail(error, i + 1, u"a name and 12 values separated by TAB expected");
        std::u16string name;
        if (!unescaped(f[0], name))
            return fail(error, i + 1, u"the name holds a \"\\\" that is not \\\\, \\t, \\n or \\r");
        bool extent = false, inters = false, middle = false, fullHole = false, thickness = false;
        int side1 = 0, side2 = 0, direction = 0, view = 0, mark = 0;
        double distance = 0, diameter = 0;
        if (!readFlag(f[1], extent) || !readFlag(f[4], inters) || !readFlag(f[5], middle) ||
            !readFlag(f[10], fullHole) || !readFlag(f[11], thickness))
            return fail(error, i + 1, u"a flag that is not 0 or 1");
        if (!readInt(f[2], side1) || !readInt(f[3], side2) || !readInt(f[6], direction) || !readInt(f[7], view) ||
            !readInt(f[8], mark))
            return fail(error, i + 1, u"a side, direction or plate that is no whole number");
        if (!readNumber(f[9], distance) || !readNumber(f[12], diameter))
            return fail(error, i + 1, u"a distance or diameter that is no number");
        Ork_DstvPointInfo point{Ork_String(std::move(name))};
        point.setSelectGeomExtent(extent, side1, side2);
        point.setSelectIntersGeom(inters, middle, direction);
        point.setPlateSelection(view, mark, distance);
        point.setDrillFullHole(fullHole, thickness, diameter);
        read.append(std::move(point));
    }
    points = std::move(read);
    return true;
}

std::string dstvPointsText(const Ork_Array<Ork_DstvPointInfo>& points) {
    std::vector<std::u16string> lines{kHeader};
    const auto flag = [](bool b) { return std::u16string(b ? u"1" : u"0"); };
    const auto whole = [](int n) { return std::u16string(Ork_String(n)); };
    for (int i = 0; i < points.length(); ++i) {
        const Ork_DstvPointInfo& p = points[i];
        const std::u16string tab = u"\t";
        lines.push_back(escaped(p.name()) + tab + flag(p.selectGeomExtent()) + tab + whole(p.sideSelection1()) + tab +
                        whole(p.sideSelection2()) + tab + flag(p.selectIntersGeom()) + tab +
                        flag(p.selectIntersMid()) + tab + whole(p.intersStartDir()) + tab +
                        whole(p.viewPlateSelection()) + tab + whole(p.markPlateSelection()) + tab +
                        numberText(p.minPlateSideDist()) + tab + flag(p.drillFullHole()) + tab +
                        flag(p.radiusThicknessBased()) + tab + numberText(p.drillRadius()));
    }
    return os::encodeLines(lines);
}

} // namespace nuvo

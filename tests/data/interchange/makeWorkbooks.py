#!/usr/bin/python3
"""Writes the workbooks the interchange tests and the sample library hold, in the form spreadsheet programs
write them: shared strings, shared formulas with their cached values, styles, merged cells, sizes.

    /usr/bin/python3 tests/data/interchange/makeWorkbooks.py      (from the top folder)

writes tests/data/interchange/program-written.xlsx, tests/data/interchange/program-written.ods and
samples/library/Connection Standards/EndPlate.xlsx (from EndPlate.kvs). The files are committed; run this
again only after changing it. Fixed timestamps keep the output the same from run to run."""
import os
import re
import zipfile
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, "..", "..", ".."))
STAMP = (2024, 1, 1, 0, 0, 0)


def col_name(col):
    name = ""
    while col > 0:
        col, rest = divmod(col - 1, 26)
        name = chr(65 + rest) + name
    return name


def write_zip(path, parts, stored_first=None):
    with zipfile.ZipFile(path, "w") as z:
        if stored_first:
            info = zipfile.ZipInfo(stored_first[0], STAMP)
            info.compress_type = zipfile.ZIP_STORED
            z.writestr(info, stored_first[1])
        for name, text in parts:
            info = zipfile.ZipInfo(name, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text)


class Xlsx:
    """One sheet. cells: {(col, row): (kind, content, style)}; kind is 'n', 's', 'b', 'f' (formula with a
    cached number), 'fs' (formula with a cached text), 'shared' (formula, cached, ref, index) or 'follow'
    (cached, index)."""

    def __init__(self, sheet_name):
        self.sheet_name = sheet_name
        self.cells = {}
        self.widths = {}
        self.heights = {}
        self.merges = []
        self.strings = []
        self.string_index = {}

    def string(self, text):
        if text not in self.string_index:
            self.string_index[text] = len(self.strings)
            self.strings.append(text)
        return self.string_index[text]

    def sheet_xml(self):
        rows = {}
        for (col, row), cell in self.cells.items():
            rows.setdefault(row, []).append((col, cell))
        out = ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
               '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
               'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">']
        last_col = max(c for c, r in self.cells) if self.cells else 1
        last_row = max(r for c, r in self.cells) if self.cells else 1
        out.append('<dimension ref="A1:%s%d"/>' % (col_name(last_col), last_row))
        out.append('<sheetViews><sheetView workbookViewId="0"/></sheetViews>')
        out.append('<sheetFormatPr defaultRowHeight="15"/>')
        if self.widths:
            out.append("<cols>")
            for col in sorted(self.widths):
                out.append('<col min="%d" max="%d" width="%s" customWidth="1"/>' % (col, col, self.widths[col]))
            out.append("</cols>")
        out.append("<sheetData>")
        for row in sorted(set(rows) | set(self.heights)):
            attrs = ' r="%d"' % row
            if row in self.heights:
                attrs += ' ht="%s" customHeight="1"' % self.heights[row]
            out.append("<row%s>" % attrs)
            for col, cell in sorted(rows.get(row, [])):
                out.append(self.cell_xml(col, row, cell))
            out.append("</row>")
        out.append("</sheetData>")
        if self.merges:
            out.append('<mergeCells count="%d">' % len(self.merges))
            for ref in self.merges:
                out.append('<mergeCell ref="%s"/>' % ref)
            out.append("</mergeCells>")
        out.append('<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>')
        out.append("</worksheet>")
        return "".join(out)

    def cell_xml(self, col, row, cell):
        kind, content, style = cell
        ref = "%s%d" % (col_name(col), row)
        s = ' s="%d"' % style if style else ""
        if kind == "n":
            return '<c r="%s"%s><v>%s</v></c>' % (ref, s, content)
        if kind == "s":
            return '<c r="%s"%s t="s"><v>%d</v></c>' % (ref, s, self.string(content))
        if kind == "b":
            return '<c r="%s"%s t="b"><v>%d</v></c>' % (ref, s, 1 if content else 0)
        if kind == "f":
            formula, cached = content
            return '<c r="%s"%s><f>%s</f><v>%s</v></c>' % (ref, s, escape(formula), cached)
        if kind == "fs":
            formula, cached = content
            return '<c r="%s"%s t="str"><f>%s</f><v>%s</v></c>' % (ref, s, escape(formula), escape(cached))
        if kind == "shared":
            formula, cached, area, index = content
            return '<c r="%s"%s><f t="shared" ref="%s" si="%d">%s</f><v>%s</v></c>' % (
                ref, s, area, index, escape(formula), cached)
        if kind == "follow":
            cached, index = content
            return '<c r="%s"%s><f t="shared" si="%d"/><v>%s</v></c>' % (ref, s, index, cached)
        raise ValueError(kind)

    def write(self, path):
        sheet = self.sheet_xml()   # fills the shared strings
        strings = ['<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                   '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="%d" '
                   'uniqueCount="%d">' % (len(self.strings), len(self.strings))]
        for text in self.strings:
            space = ' xml:space="preserve"' if text != text.strip() else ""
            strings.append("<si><t%s>%s</t></si>" % (space, escape(text)))
        strings.append("</sst>")
        write_zip(path, [
            ("[Content_Types].xml",
             '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
             '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
             '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
             '<Default Extension="xml" ContentType="application/xml"/>'
             '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
             '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
             '<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
             '<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
             '</Types>'),
            ("_rels/.rels",
             '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
             '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
             '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
             '</Relationships>'),
            ("xl/workbook.xml",
             '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
             '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
             'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
             '<bookViews><workbookView xWindow="0" yWindow="0" windowWidth="28800" windowHeight="12300"/></bookViews>'
             '<sheets><sheet name="%s" sheetId="1" r:id="rId1"/><sheet name="Notes" sheetId="2" r:id="rId4"/></sheets>'
             '<calcPr calcId="191029"/></workbook>' % escape(self.sheet_name)),
            ("xl/_rels/workbook.xml.rels",
             '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
             '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
             '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>'
             '<Relationship Id="rId4" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet2.xml"/>'
             '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>'
             '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>'
             '</Relationships>'),
            ("xl/worksheets/sheet1.xml", sheet),
            ("xl/worksheets/sheet2.xml",
             '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
             '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
             '<sheetData><row r="1"><c r="A1"><v>7</v></c></row></sheetData></worksheet>'),
            ("xl/styles.xml", STYLES),
            ("xl/sharedStrings.xml", "".join(strings)),
        ])


# Fonts: 0 the default, 1 bold, 2 italic red. Fills: 0 none, 1 gray125 (every program writes both), 2 solid
# yellow. Cell formats: 0 default, 1 bold, 2 italic red, 3 yellow fill.
STYLES = (
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
    '<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
    '<fonts count="3">'
    '<font><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/></font>'
    '<font><b/><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/></font>'
    '<font><i/><sz val="12"/><color rgb="FFFF0000"/><name val="Arial"/><family val="2"/></font>'
    '</fonts>'
    '<fills count="3">'
    '<fill><patternFill patternType="none"/></fill>'
    '<fill><patternFill patternType="gray125"/></fill>'
    '<fill><patternFill patternType="solid"><fgColor rgb="FFFFFF00"/><bgColor indexed="64"/></patternFill></fill>'
    '</fills>'
    '<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>'
    '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
    '<cellXfs count="4">'
    '<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>'
    '<xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1"/>'
    '<xf numFmtId="0" fontId="2" fillId="0" borderId="0" xfId="0" applyFont="1"/>'
    '<xf numFmtId="0" fontId="0" fillId="2" borderId="0" xfId="0" applyFill="1"/>'
    '</cellXfs>'
    '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>'
    '</styleSheet>')


def program_written_xlsx():
    """A price table: quantities times prices in a shared formula, a total, texts, a boolean, a formula the
    grid cannot hold (another sheet), a merged title, sizes and fonts."""
    book = Xlsx("Prices")
    c = book.cells
    c[(1, 1)] = ("s", "Price list", 1)
    book.merges.append("A1:C1")
    c[(1, 2)] = ("s", "Qty", 1)
    c[(2, 2)] = ("s", "Price", 1)
    c[(3, 2)] = ("s", "Amount", 1)
    for i, (qty, price) in enumerate([(2, 3.5), (4, 1.25), (10, 0.5)]):
        row = 3 + i
        c[(1, row)] = ("n", qty, 0)
        c[(2, row)] = ("n", price, 0)
        cached = qty * price
        if i == 0:
            c[(3, row)] = ("shared", ("A3*B3", cached, "C3:C5", 0), 0)
        else:
            c[(3, row)] = ("follow", (cached, 0), 0)
    c[(2, 6)] = ("s", "Total", 2)
    c[(3, 6)] = ("f", ("SUM(C3:C5)", 17), 3)
    c[(1, 7)] = ("b", True, 0)
    c[(2, 7)] = ("fs", ('IF(A7,"taxed","free")', "taxed"), 0)
    c[(3, 7)] = ("f", ("Notes!A1*2", 14), 0)
    c[(1, 8)] = ("fs", ('_xlfn.CONCAT("a","b")', "ab"), 0)
    book.widths[1] = 12.5
    book.widths[3] = 20
    book.heights[1] = 24
    book.write(os.path.join(HERE, "program-written.xlsx"))


def program_written_ods():
    """The same kind of table as an OpenDocument spreadsheet: OpenFormula references and separators."""
    content = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
        'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
        'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
        'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
        'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
        'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2">'
        '<office:automatic-styles>'
        '<style:style style:name="co1" style:family="table-column">'
        '<style:table-column-properties style:column-width="2.54cm"/></style:style>'
        '<style:style style:name="ce1" style:family="table-cell" style:parent-style-name="Default">'
        '<style:text-properties fo:font-weight="bold"/></style:style>'
        '</office:automatic-styles>'
        '<office:body><office:spreadsheet>'
        '<table:table table:name="Sizes">'
        '<table:table-column table:style-name="co1" table:number-columns-repeated="3"/>'
        '<table:table-row>'
        '<table:table-cell table:style-name="ce1" office:value-type="string" table:number-columns-spanned="2">'
        '<text:p>Plates</text:p></table:table-cell>'
        '<table:covered-table-cell/>'
        '<table:table-cell office:value-type="string"><text:p>Area</text:p></table:table-cell>'
        '</table:table-row>'
        '<table:table-row>'
        '<table:table-cell office:value-type="float" office:value="120"><text:p>120</text:p></table:table-cell>'
        '<table:table-cell office:value-type="float" office:value="10"><text:p>10</text:p></table:table-cell>'
        '<table:table-cell table:formula="of:=[.A2]*[.B2]" office:value-type="float" office:value="1200">'
        '<text:p>1200</text:p></table:table-cell>'
        '</table:table-row>'
        '<table:table-row>'
        '<table:table-cell office:value-type="float" office:value="150"><text:p>150</text:p></table:table-cell>'
        '<table:table-cell office:value-type="float" office:value="12"><text:p>12</text:p></table:table-cell>'
        '<table:table-cell table:formula="of:=ROUND([.A3]*[.B3];0)" office:value-type="float" office:value="1800">'
        '<text:p>1800</text:p></table:table-cell>'
        '</table:table-row>'
        '<table:table-row>'
        '<table:table-cell office:value-type="string"><text:p>Total</text:p></table:table-cell>'
        '<table:table-cell/>'
        '<table:table-cell table:formula="of:=SUM([.C2:.C3])" office:value-type="float" office:value="3000">'
        '<text:p>3000</text:p></table:table-cell>'
        '</table:table-row>'
        '</table:table>'
        '</office:spreadsheet></office:body></office:document-content>')
    manifest = (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">'
        '<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
        '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
        '</manifest:manifest>')
    write_zip(os.path.join(HERE, "program-written.ods"),
              [("META-INF/manifest.xml", manifest), ("content.xml", content)],
              stored_first=("mimetype", "application/vnd.oasis.opendocument.spreadsheet"))


def unquote(text):
    out, i = [], 0
    while i < len(text):
        ch = text[i]
        if ch == "\\":
            nxt = text[i + 1]
            if nxt == "u":
                out.append(chr(int(text[i + 2:i + 6], 16)))
                i += 6
                continue
            out.append({"n": "\n", "r": "\r", "t": "\t"}.get(nxt, nxt))
            i += 2
            continue
        out.append(ch)
        i += 1
    return "".join(out)


def end_plate_xlsx():
    """The sample end plate as a detailer keeps it in a spreadsheet program: the same texts in the same cells
    (row 1 on), its column widths; the grid's header row has no place in a workbook."""
    folder = os.path.join(TOP, "samples", "library", "Connection Standards")
    book = Xlsx("EndPlate")
    cell = re.compile(r'^cell (\d+) (\d+) text "(.*)"$')
    width = re.compile(r'^width (\d+) ([0-9.]+)$')
    with open(os.path.join(folder, "EndPlate.kvs"), encoding="utf-8") as kvs:
        for line in kvs:
            line = line.strip()
            m = cell.match(line)
            if m and int(m.group(2)) >= 1:
                book.cells[(int(m.group(1)), int(m.group(2)))] = ("s", unquote(m.group(3)), 0)
            m = width.match(line)
            if m:
                # A program writes a width of N characters with its 5 pixels of padding, 7 pixels a character,
                # in 256ths.
                book.widths[int(m.group(1))] = int((float(m.group(2)) + 5 / 7) * 256) / 256
    book.write(os.path.join(folder, "EndPlate.xlsx"))


if __name__ == "__main__":
    program_written_xlsx()
    program_written_ods()
    end_plate_xlsx()

"""Composes the printed pages of a worksheet from its recorded rows."""
import rtf
import vlp
from layout import At, Cell, Context, GAP, LONG, Printed, PrintedRow, SHORT, SHORT_WIDE, printed, text_cell, value_cell
from recorder import Row
from sheets import SIGNATURES

ANNOTATED, STATUTORY, SHORT_FORM = "Annotated office version", "Statutory version", "Short form"
MINIMUM_WAGE = "Line 1a is the income estimator's full-time minimum wage amount"


def screen_controls(row):
    return [c for c in row.controls() if not isinstance(c, At)]


# ---- Rows to printed rows ------------------------------------------------------


class Converter:
    """Turns recorded rows into printed rows on one page."""

    def __init__(self, sheet, context, layout, version):
        self.sheet, self.context, self.layout, self.version = sheet, context, layout, version
        self.narrow = layout is SHORT

    @property
    def columns(self):
        return ("I", "II") if self.narrow else ("I", "II", "III")

    def shaded(self, control):
        return self.version == ANNOTATED and getattr(control, "state", "") in (vlp.READONLY, vlp.OVERRIDEABLE)

    def value(self, control, width, border="under"):
        return value_cell(control, width, self.context, border=border, shade=control is not None and
                          self.shaded(control))

    def number_cell(self, number="", extra=0):
        return text_cell(number, self.layout.number + extra, bold=True)

    def value_cells(self, cells):
        """The column cells; a value that the screen shows wider than a column
        (or Column III of a short form) spans the empty columns beside it."""
        col = self.layout.column
        if self.narrow and cells.get("III") is not None and not (cells.get("I") or cells.get("II")):
            return [self.value(cells["III"], 2 * col)]
        wide = cells.get("I")
        if wide is not None and (getattr(wide, "width", None) or 0) > vlp.COLUMN_W and cells.get("II") is None:
            return [self.value(wide, 2 * col)] + ([Cell(col)] if not self.narrow else [])
        return [self.value(cells.get(c), col) for c in self.columns]

    def convert(self, row, following):
        return getattr(self, "convert_" + row.kind)(row, following)

    def convert_heading(self, row, following):
        return [PrintedRow([text_cell(row.caption, None, bold=True, shade=True, border="heading")], self.layout)]

    def convert_columns(self, row, following):
        cells = [Cell(self.layout.number), Cell(None)]
        for c in self.columns:
            cells.append(text_cell(row.cells.get(c) or "", self.layout.column, align="c", bold=True,
                                   size=self.layout.size - 2))
        return [PrintedRow(cells, self.layout)]

    def caption_cell(self, caption, indent):
        if isinstance(caption, vlp.Box):
            cell = self.value(caption, None, border=None)
            cell.indent = indent * 12
            return cell
        return text_cell(caption, None, indent=indent * 12)

    def convert_line(self, row, following):
        cells = [self.number_cell(row.number), self.caption_cell(row.caption, row.indent)]
        out = [PrintedRow(cells + self.value_cells(row.cells), self.layout)]
        marks = {c: self.context.marks(row.cells.get(c)) for c in ("I", "II") if row.cells.get(c) is not None}
        if any(marks.values()):
            boxes = {c: At(m[0].slot, "&") if m else None for c, m in marks.items()}
            out += self.convert_line(Row("line", caption=MINIMUM_WAGE, cells=boxes, indent=20), following)
        note = self.sheet.notes.get(row.number) if self.version == ANNOTATED else None
        if note:
            out.append(PrintedRow([Cell(self.layout.number), text_cell(note, None, italic=True, colour=rtf.NOTE,
                                                                       size=self.layout.size - 3)], self.layout))
        return out

    def entry_width(self, control):
        items = printed(control, self.context)
        if items[0].code == "&":
            return sum(self.layout.text_width(p.words) + 400 for p in items) + 100
        if isinstance(control, vlp.Field) and control.kind == vlp.TEXT:
            return max(1000, min(4200, (control.width or 126) * 11))
        if isinstance(control, vlp.Field) and control.kind == vlp.COUNT:
            return 700
        if isinstance(control, vlp.Combo):
            return 1700
        return self.layout.column

    def packed(self, groups, indent):
        """Rows of cell groups, as many groups to a row as fit."""
        out, cells = [], [Cell(self.layout.number + indent)]
        for group in groups:
            if len(cells) > 1 and sum(c.width for c in cells + group) > self.layout.total:
                out.append(PrintedRow(cells + [Cell(None)], self.layout))
                cells = [Cell(self.layout.number + indent)]
            cells += group
        out.append(PrintedRow(cells + [Cell(None)], self.layout))
        return out

    def convert_entries(self, row, following):
        items = [(caption, control) for caption, control in row.items if not isinstance(control, vlp.Button)]
        if items and items[0][0] in SIGNATURES:
            return self.signature(items)
        groups = []
        for caption, control in items:
            pair = [text_cell(caption, self.layout.text_width(caption) + 250, align="r")] if caption else []
            groups.append(pair + [self.value(control, self.entry_width(control))])
        return self.packed(groups, row.indent * 12)

    def signature(self, items):
        """A signature line with the name under it, and the date beside it."""
        (caption, name), date = items[0], items[1] if len(items) > 1 else None
        # Every cell of the tall row sits on its foot, so the caption, the
        # rule and the date read as one line; the name follows under the
        # rule on a row of its own, well above the next signature's caption.
        line = [Cell(self.layout.number), text_cell(caption, 2200), Cell(4300, border="under"), Cell(300)]
        under = [Cell(self.layout.number), Cell(2200), self.value(name, 4300, border=None)]
        if date:
            line += [text_cell(date[0], 700, align="r"), self.value(date[1], 1800)]
        line.append(Cell(None))
        for cell in line:
            cell.bottom = True
        under[2].size = self.layout.size - 2
        return [PrintedRow(line, self.layout, height=520),
                PrintedRow(under + [Cell(None)], self.layout, height=300)]

    def convert_boxes(self, row, following):
        return self.packed([[self.value(b, self.entry_width(b), border=None)] for b in row.items], row.indent * 12)

    def convert_memo(self, row, following):
        cells = [Cell(self.layout.number), text_cell(row.caption, 2800), self.value(row.extra["memo"], None)]
        return [PrintedRow(cells, self.layout)]

    # Fixed-place rows of the short forms (deviation options, decree table).
    def table_cells(self, row):
        """(screen x, cell) of each control of a fixed-place row: boxes and
        their Yes/No texts narrow, amounts as wide as a column."""
        out = []
        for x, control, w in sorted(row.items, key=lambda item: item[0]):
            if getattr(control, "hidden", False):
                continue
            if isinstance(control, vlp.Box):
                width = 260
            elif isinstance(control, vlp.Field) and (control.width or vlp.COLUMN_W) <= 50:
                width = 420
            elif isinstance(control, vlp.Field) and control.kind == vlp.PERCENT:
                width = 700
            else:
                width = self.layout.column - (100 if self.narrow else 0)
            out.append((x, self.value(control, width)))
        return out

    def convert_table(self, row, following):
        cells = [self.number_cell(row.number), self.caption_cell(row.caption, row.indent // 2)]
        return [PrintedRow(cells + [cell for _, cell in self.table_cells(row)], self.layout)]

    def convert_headers(self, row, following):
        """Column headers over the cells of the next fixed-place row: a header
        spans the cells that stand under it on the screen."""
        table = next(r for r in following if r.kind == "table")
        cells, captions = [Cell(self.layout.number), Cell(None)], [None, None]
        for x, cell in self.table_cells(table):
            caption = next((c for hx, hw, c in row.items if hx <= x < hx + hw), None)
            if caption is not None and caption == captions[-1]:
                cells[-1].width += cell.width
            else:
                cells.append(text_cell(caption or "", cell.width, align="c", bold=True, size=self.layout.size - 2))
                captions.append(caption)
        return [PrintedRow(cells, self.layout)]

    def convert_free(self, row, following):
        parts, variables = [], []
        for x, item, w in sorted(row.items, key=lambda i: i[0]):
            if isinstance(item, str):
                parts.append(rtf.escape(item))
            else:
                variables += printed(item, self.context)
                parts.append(variables[-1].rtf())
        return [Paragraph("   ".join(parts), self.layout.size, printed=variables)]


class Paragraph:
    """A paragraph between the table rows (titles, footers)."""

    def __init__(self, content, size, font=None, align="l", bold=False, colour=None, before=0, after=0,
                 printed=(), new_page=False):
        self.content, self.size, self.font, self.align, self.new_page = content, size, font, align, new_page
        self.bold, self.colour, self.before, self.after = bold, colour, before, after
        self.cells = [Cell(0, content, printed=printed)]

    def rtf(self, layout):
        return rtf.paragraph(self.content, self.font if self.font is not None else layout.font, self.size,
                             align=self.align, bold=self.bold, colour=self.colour, space_before=self.before,
                             space_after=self.after, new_page=self.new_page)


def convert_all(converter, rows):
    out = []
    for k, row in enumerate(rows):
        out += converter.convert(row, rows[k + 1:])
    return out


# ---- Pages ---------------------------------------------------------------------


def with_extras(sheet, rows):
    rows = list(rows)
    for where, slot, _, extra in sheet.extras:
        at = next(k for k, r in enumerate(rows) if any(c.slot == slot for c in screen_controls(r)))
        rows[at + (where == "after"):at + (where == "after")] = [r for r in extra if r is not None]
    return rows


def split_pages(sheet, rows, targets):
    """The rows of each calculation page: a row goes to the page of its first
    answer; rows without a screen answer go with the row after them."""
    pages = {page: [] for page in sheet.pages}
    pending, current = [], sheet.pages[0]
    for row in rows:
        controls = screen_controls(row)
        if not controls:
            pending.append(row)
            continue
        page = targets[controls[0].slot][0].page
        if page < current:
            raise ValueError("line %r prints on page %d after page %d" % (row.number or row.caption, page, current))
        current = page
        pages[page] += pending + [row]
        pending = []
    pages[current] += pending
    return pages


class PrintedPage:
    def __init__(self, title, layout, rows):
        self.title, self.layout, self.rows = title, layout, rows

    def rtf(self):
        body = "".join(r.rtf(self.layout) if isinstance(r, (Paragraph, Raw)) else r.rtf() for r in self.rows)
        return rtf.document(self.title, body)


def header_rows(sheet, first, page_number, page_count, version):
    layout = LONG
    title = sheet.title if first else "%s (continued)" % sheet.title
    rows = [Paragraph(rtf.escape(title), 26 if first else 19, font=1, align="c", bold=True)]
    if version == ANNOTATED:
        rows.append(Paragraph(rtf.escape("Annotated office version: the notes in grey say where each figure comes "
                                         "from. Not for filing."), 14, align="c", colour=rtf.NOTE, after=60))
    if first:
        rows.append(PrintedRow([text_cell("Parties:", 900, align="r", bold=True),
                                value_cell(At(0, "*"), None, None, border="under"), Cell(600),
                                text_cell("Date:", 700, align="r", bold=True),
                                value_cell(At(sheet.date_line, "*"), 2600, None, border="under")], layout))
    else:
        cells = []
        for caption, slot, code in (("Father:", 0, "*"), ("Mother:", 1, "*"), ("Case No.:", 2, "*"),
                                    ("Date:", 3, "^")):
            cells += [text_cell(caption, 900, align="r", bold=True), value_cell(At(slot, code), None, None,
                                                                               border="under")]
        rows.append(PrintedRow(cells, layout))
    return rows


def footer(sheet, page_number, page_count, version):
    text = ("QUILL10 " + rtf.variable("*", 98) + "   " + rtf.escape("Client file: ") + rtf.variable("*", 99) +
            "   " + rtf.escape("%s, page %d of %d. %s." % (sheet.name, page_number, page_count, version)))
    return Paragraph(text, 13, colour=rtf.NOTE, before=120, printed=[Printed("*", 98, "l"), Printed("*", 99, "l")])


def long_pages(sheet, rows, targets, version):
    """The template pages of a long form: {template page: PrintedPage}."""
    offset = sheet.statutory - sheet.pages[0] if version == STATUTORY else 0
    pages = split_pages(sheet, with_extras(sheet, rows), targets)
    out = {}
    for k, calc_page in enumerate(sheet.pages):
        context = Context(calc_page + offset, calc_page, targets, sheet.instead)
        converter = Converter(sheet, context, LONG, version)
        printed_rows = header_rows(sheet, k == 0, k + 1, len(sheet.pages), version)
        printed_rows += convert_all(converter, pages[calc_page])
        printed_rows.append(footer(sheet, k + 1, len(sheet.pages), version))
        out[calc_page + offset] = PrintedPage(sheet.title, LONG, printed_rows)
    return out


def without_repeats(rows):
    """The rows without those whose answers all print higher up already (the
    short form's summary of options), and without headings left empty."""
    seen, kept = set(), []
    for row in rows:
        answers = {c.slot for c in row.controls()}
        if answers and answers <= seen:
            continue
        seen |= answers
        kept.append(row)
    out, waiting = [], []
    for row in kept:
        if row.kind in ("heading", "columns"):
            waiting = [] if row.kind == "heading" else waiting
            waiting.append(row)
        else:
            out += waiting + [row]
            waiting = []
    return out


class Raw:
    """RTF between the rows that prints nothing itself (a section break)."""

    def __init__(self, content):
        self.content, self.cells = content, []

    def rtf(self, layout):
        return self.content


# The middle of a short form flows in two columns; the sections around it
# run on without a page break.
# A section break stands in a paragraph of its own after a table.
TWO_COLUMNS = Raw("\\pard\\plain\\f4\\fs4 \\par\\sect\\sectd\\sbknone\\cols2\\colsx%d\r\n" % GAP)
ONE_COLUMN = Raw("\\pard\\plain\\f4\\fs4 \\par\\sect\\sectd\\sbknone\r\n")


def short_page(sheet, rows):
    """The short form: the caption across the page, lines 1 to 26 in two
    columns, the deviations, final figures and decree table across the page
    again."""
    page = sheet.pages[0]
    context = Context(page, page)
    rows = without_repeats(rows)
    start = next(k for k, r in enumerate(rows) if r.kind == "heading")
    end = next(k for k, r in enumerate(rows) if r.kind == "heading" and r.caption == "FOR THE DECREE")
    wide = Converter(sheet, context, SHORT_WIDE, SHORT_FORM)
    half = Converter(sheet, context, SHORT, SHORT_FORM)
    printed_rows = [Paragraph(rtf.escape(sheet.title), 24, font=1, align="c", bold=True, after=60, new_page=True)]
    printed_rows += convert_all(wide, rows[:start]) + [TWO_COLUMNS] + convert_all(half, rows[start:end])
    printed_rows += [ONE_COLUMN] + convert_all(wide, rows[end:])
    return {page: PrintedPage(sheet.title, SHORT_WIDE, printed_rows)}

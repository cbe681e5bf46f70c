"""Lays the recorded rows of a worksheet out as RTF table rows.

Every control of a row becomes a template variable of its printed slot:
money "$" right-aligned, rates "%", check boxes "&", texts "*", dates "^".
The long forms use the whole line with the columns I, II and III; the short
forms put their lines in two columns of half the width, so that the summary
fits on one sheet.
"""
import rtf
import vlp

TEXT, MONEY, PERCENT, WHOLE, COUNT = vlp.TEXT, vlp.MONEY, vlp.PERCENT, vlp.WHOLE, vlp.COUNT
GAP = 240  # between the two columns of a short form


class At:
    """An answer of the printed page that no screen field shows, named by
    its printed slot."""

    def __init__(self, slot, code="$", align=None, words=""):
        self.slot, self.code, self.words = slot, code, words
        self.align = align or ("l" if code in "*^" else "c" if code == "&" else "r")
        self.hidden = False
        self.state = vlp.READONLY


class Printed:
    """One variable as printed: code, printed slot, alignment and the words
    that follow a box."""

    def __init__(self, code, slot, align, words=""):
        self.code, self.slot, self.align, self.words = code, slot, align, words

    def rtf(self):
        return rtf.variable(self.code, self.slot) + (" " + rtf.escape(self.words) if self.words else "")


class Layout:
    """Widths in twips and the font of one kind of page: the line, the line
    number, one value column, the body font and its size in half-points."""

    def __init__(self, total, number, column, font, size):
        self.total, self.number, self.column, self.font, self.size = total, number, column, font, size

    def char_width(self, size=None):
        """About how wide (twips) a character of text is."""
        return 52 * (size or self.size) // 10

    def text_width(self, text, size=None):
        return len(text) * self.char_width(size)


LONG = Layout(total=rtf.LINE_W, number=560, column=1480, font=0, size=17)
SHORT = Layout(total=(rtf.LINE_W - GAP) // 2, number=400, column=1000, font=4, size=12)
SHORT_WIDE = Layout(total=rtf.LINE_W, number=420, column=1150, font=4, size=13)


class Context:
    """How controls print on template page `page`, filled from answer page
    `page`: `targets` maps a screen slot to the printed slots of calculation
    page `calc_page` (long forms; None on the short forms, which print their
    own slots); `instead` replaces a printed slot by another."""

    def __init__(self, page, calc_page, targets=None, instead=None):
        self.page, self.calc_page = page, calc_page
        self.targets, self.instead = targets, instead or {}

    def target(self, slot):
        if self.targets is None:
            return None
        found = self.targets.get(slot)
        if not found:
            raise KeyError("screen slot %d has no printed slot" % slot)
        if found[0].page != self.calc_page:
            raise ValueError("screen slot %d prints on page %d, not %d" % (slot, found[0].page, self.calc_page))
        return found[0]

    def marks(self, control):
        """The minimum-wage marks that travel with a line 1a amount."""
        if isinstance(control, At) or self.targets is None:
            return []
        return [t for t in self.targets.get(control.slot, [])[1:] if t.conversion == "A"]


def field_code(field, conversion):
    if conversion == "C" or field.kind == PERCENT or (field.kind == MONEY and field.decimals == 4):
        return "%", "r"
    if field.kind in (MONEY, WHOLE):
        # A money field the screen aligns left shows a text of the builder's
        # ("No", "Yes" or an amount): it prints as stored.
        return ("*", "l") if field.align == "left" else ("$", "r")
    if field.kind == COUNT:
        return "*", "r"
    return "*", {"right": "r", "center": "c"}.get(field.align, "l")


def printed(control, context):
    """What a control prints, as a list of Printed."""
    if isinstance(control, At):
        return [Printed(control.code, control.slot, control.align, control.words)]
    target = context.target(control.slot)
    slot = control.slot if target is None else target.slot
    conversion = target.conversion if target is not None else None
    slot = context.instead.get((context.calc_page, slot), slot)
    if conversion == "D":
        return [Printed("&", s, "l", w) for s, w in zip(target.slots, ("Low", "Interpolate", "High"))]
    if conversion == "E":
        return [Printed("&", slot, "l", "limited to the $150,000 amount")]
    if isinstance(control, vlp.Box):
        return [Printed("&", slot, "l" if control.text else "c", control.text)]
    if isinstance(control, vlp.Field):
        code, align = field_code(control, conversion)
        return [Printed(code, slot, align)]
    return [Printed("*", slot, "l")]  # a list choice, a memo or a label: the text as stored


class Cell:
    """A cell of a printed row: its width, RTF content, the variables in it."""

    def __init__(self, width, content="", align="l", border=None, bold=False, shade=False, size=None, font=None,
                 colour=None, italic=False, indent=0, printed=(), bottom=False):
        self.width, self.content, self.align, self.border = width, content, align, border
        self.bold, self.shade, self.size, self.font = bold, shade, size, font
        self.colour, self.italic, self.indent, self.bottom = colour, italic, indent, bottom
        self.printed = list(printed)

    def rtf_cell(self):
        return rtf.Cell(self.content, self.width, align=self.align, border=self.border, bold=self.bold,
                        shade=self.shade, size=self.size, font=self.font, colour=self.colour, italic=self.italic,
                        indent=self.indent, bottom=self.bottom)


def text_cell(text, width, **kw):
    return Cell(width, rtf.escape(text), **kw)


def value_cell(control, width, context, border="under", shade=False):
    """The cell of one control: its variables, boxes followed by their words."""
    if control is None:
        return Cell(width)
    items = printed(control, context)
    align = items[0].align if len(items) == 1 else "l"
    return Cell(width, "  ".join(p.rtf() for p in items), align=align, border=None if items[0].code == "&" else border,
                shade=shade, printed=items)


class PrintedRow:
    """A row of cells that fills the layout's width (one cell may be None wide)."""

    def __init__(self, cells, layout, height=0):
        rest = layout.total - sum(c.width for c in cells if c.width is not None)
        flexible = [c for c in cells if c.width is None]
        if rest < 0 or (rest > 0 and not flexible):
            raise ValueError("cells of %d twips on a line of %d" % (layout.total - rest, layout.total))
        for c in flexible:
            c.width = rest // len(flexible)
        cells[-1].width += layout.total - sum(c.width for c in cells)
        self.cells, self.layout, self.min_height = cells, layout, height

    def rtf(self):
        return rtf.row([c.rtf_cell() for c in self.cells], self.layout.font, self.layout.size,
                       total=self.layout.total, height=self.min_height, keep=True)

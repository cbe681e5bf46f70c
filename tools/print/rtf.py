"""RTF text of the page templates.

Every template starts with the same head: one font table (Arial as the body
font 0 and the short forms' body font 4, Times New Roman 1 for titles,
Wingdings 10 for the check boxes), one colour table (colour 1 for
overridden answers, 2 for notes, 3 for shading), the page setup, and the
hidden marker \\'b7 after which an appended page's body begins. So any
selection of pages joins into one document drawn with the first page's
tables. Bodies are tables: every row is a \\trowd ... \\row group of cells.
"""

FONT_TABLE = ("{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
              "{\\f4\\fswiss\\fcharset0 Arial;}{\\f10\\fnil\\fcharset2 Wingdings;}}")
COLOUR_TABLE = ("{\\colortbl;\\red204\\green0\\blue0;\\red96\\green96\\blue96;\\red232\\green232\\blue232;}")
OVERRIDE, NOTE, SHADE = 1, 2, 3
HIDDEN_MARKER = "\\v\\'b7\\v0 "

# Letter paper, half-inch margins: 10800 twips of line.
PAPER_W, PAPER_H, MARGIN = 12240, 15840, 720
LINE_W = PAPER_W - 2 * MARGIN

CODES = "*$%#+&@^<"


def escape(text):
    """Literal text: "\\", "{" and "}" escaped, characters beyond ASCII as
    \\uN?, a line break as \\line, and a "/" before a variable code written
    as \\'2f so that the filler never takes the text for a variable."""
    out = []
    for i, c in enumerate(text):
        if c in "\\{}":
            out.append("\\" + c)
        elif c == "\n":
            out.append("\\line ")
        elif c == "/" and i + 1 < len(text) and text[i + 1] in CODES:
            out.append("\\'2f")
        elif ord(c) > 126:
            out.append("\\u%d?" % (ord(c) if ord(c) < 32768 else ord(c) - 65536))
        else:
            out.append(c)
    return "".join(out)


def variable(code, slot):
    assert code in CODES and 0 <= slot <= 600
    return "/%s%d/" % (code, slot)


def head(title):
    return "\r\n".join([
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1",
        FONT_TABLE,
        COLOUR_TABLE,
        "{\\info{\\title %s}{\\author QUILL10}}" % escape(title),
        "\\paperw%d\\paperh%d\\margl%d\\margr%d\\margt%d\\margb%d\\widowctrl\\ftnbj" % (
            PAPER_W, PAPER_H, MARGIN, MARGIN, MARGIN, MARGIN),
        HIDDEN_MARKER,
    ]) + "\r\n"


class Cell:
    """A table cell: `width` in twips (None takes what the row leaves),
    `content` RTF text, alignment l/r/c, a box or an underline to write
    on, bold, shading, font and size (half-points); `bottom` sets its text
    at the foot of a row taller than it (on the row's rule)."""

    def __init__(self, content="", width=None, align="l", border=None, bold=False, shade=False, size=None,
                 font=None, colour=None, italic=False, indent=0, bottom=False):
        self.content, self.width, self.align, self.border = content, width, align, border
        self.bold, self.shade, self.size, self.font, self.colour = bold, shade, size, font, colour
        self.italic, self.indent, self.bottom = italic, indent, bottom


BORDERS = {
    None: "",
    "under": "\\clbrdrb\\brdrs\\brdrw10",
    "box": "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10",
    "top": "\\clbrdrt\\brdrs\\brdrw10",
    "heading": "\\clbrdrt\\brdrs\\brdrw15\\clbrdrb\\brdrs\\brdrw15",
}


def row(cells, font, size, total=LINE_W, left=0, height=0, keep=False):
    """One table row of `cells` across `total` twips starting at `left`."""
    fixed = sum(c.width for c in cells if c.width is not None)
    flexible = [c for c in cells if c.width is None]
    rest = total - fixed
    assert rest >= 0, "a row wider than the line: %d twips" % fixed
    for c in flexible:
        c.width = rest // len(flexible)
    out = ["\\trowd\\trgaph50\\trleft%d\\trpaddl50\\trpaddr50\\trpaddt0\\trpaddb0"
           "\\trpaddfl3\\trpaddfr3\\trpaddft3\\trpaddfb3" % left]
    if height:
        out.append("\\trrh%d" % height)
    if keep:
        out.append("\\trkeep")
    x = left
    for c in cells:
        x += c.width
        out.append("%s%s%s\\cellx%d" % ("\\clvertalb" if c.bottom else "", BORDERS[c.border],
                                          "\\clcbpat%d" % SHADE if c.shade else "", x))
    out.append("\r\n")
    for c in cells:
        fmt = "\\pard\\intbl\\plain%s\\f%d\\fs%d" % ({"l": "\\ql", "r": "\\qr", "c": "\\qc"}[c.align],
                                                  c.font if c.font is not None else font, c.size or size)
        if c.indent:
            fmt += "\\li%d" % c.indent
        if c.bold:
            fmt += "\\b"
        if c.italic:
            fmt += "\\i"
        if c.colour:
            fmt += "\\cf%d" % c.colour
        out.append(fmt + " " + c.content + "\\cell\r\n")
    out.append("\\row\r\n")
    return "".join(out)


def paragraph(content, font, size, align="l", bold=False, space_before=0, space_after=0, colour=None,
              new_page=False):
    """A paragraph; `new_page` starts it on a new page (which a page break
    before a continuous section break would not do)."""
    fmt = "\\pard\\plain%s%s\\f%d\\fs%d" % ("\\pagebb" if new_page else "",
                                         {"l": "\\ql", "r": "\\qr", "c": "\\qc"}[align], font, size)
    if space_before:
        fmt += "\\sb%d" % space_before
    if space_after:
        fmt += "\\sa%d" % space_after
    if bold:
        fmt += "\\b"
    if colour:
        fmt += "\\cf%d" % colour
    return fmt + " " + content + "\\par\r\n"


def document(title, body):
    return head(title) + body + "}\r\n"

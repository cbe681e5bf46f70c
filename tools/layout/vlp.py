"""Builds the worksheet screens' page layout files (Qt Designer UI format).

A page is described line by line in the words of the printed worksheet;
this module places the controls: line numbers and texts down the left,
the father's (I), the mother's (II) and the combined (III) columns, the
line dialogs' buttons beside their lines, help buttons with their bubbles.
Widgets are written in the paper's reading order, which is the keyboard's
Tab order: down the lines, within a line Column I before Column II, then
the line's dialog buttons and its help button.

Every control a user can reach also gets its accessible name from the
same description: where it sits and what it holds, "Line 1a, Column I
(father): Annual gross income from employment"; a button is named for what
it opens, "Income estimator for line 1a, father".
"""
from xml.sax.saxutils import escape

# Field kinds of an edit box's Tag (kind x 1000 + slot).
TEXT, MONEY, PERCENT, WHOLE, COUNT = 1, 2, 3, 4, 5
# Field states.
INPUT, READONLY, OVERRIDEABLE = "", "EDITREADONLY", "EDITOVERRIDEABLE"

# Horizontal layout.
PAGE_WIDTH = 1010
NUMBER_X, NUMBER_W = 8, 46
TEXT_X = 58
COLUMN_X = {"I": 600, "II": 738, "III": 876}
COLUMN_W = 126
BUTTON_W = 66
ROW_H = 30
FIELD_H = 24
CHARS_PER_PIXEL = 1 / 6.6  # average width of the page font


class Field:
    """An edit box bound to slot `slot` with a field kind and a state."""

    def __init__(self, kind, slot, state=INPUT, help=0, decimals=None, width=None, name=None, tip=None,
                 hidden=False, align=None, spoken=None):
        self.kind, self.slot, self.state, self.help = kind, slot, state, help
        self.decimals, self.width, self.name, self.tip = decimals, width, name, tip
        # A hidden field is never shown or typed in; `align` overrides the
        # kind's alignment (numbers right, texts left).
        self.hidden, self.align = hidden, align
        # What the field holds in its accessible name when no caption beside
        # it says so.
        self.spoken = spoken


class Box:
    """A check box bound to slot `slot`."""

    def __init__(self, slot, text="", computed=False, name=None, tip=None, excludes=None, spoken=None):
        self.slot, self.text, self.computed, self.name, self.tip = slot, text, computed, name, tip
        self.spoken = spoken
        # The slot of a box that cannot be ticked together with this one:
        # ticking one unticks the other on screen.
        self.excludes = excludes


class Combo:
    """A list choice stored as its item index; `empty_index` is the item an
    empty slot shows (none: nothing chosen)."""

    def __init__(self, slot, items, width=None, name=None, empty_index=None, spoken=None):
        self.slot, self.items, self.width, self.name = slot, items, width, name
        self.empty_index = empty_index
        self.spoken = spoken


class Memo:
    def __init__(self, slot, height=60, name=None):
        self.slot, self.height, self.name = slot, height, name


class Button:
    """A line dialog's button; `code` is the dialog code (its Tag) and
    `opens` names the dialog ("Income estimator"): with the line and the
    parent of its caption it is the button's accessible name and tool tip."""

    def __init__(self, caption, code, name, opens, width=BUTTON_W):
        self.caption, self.code, self.name, self.opens = caption, code, name, opens
        self.width = width

    def party(self):
        """The parent a "Father..." or "Mother..." button works for."""
        word = self.caption.rstrip(".").lower()
        return word if word in ("father", "mother") else ""


class Answer:
    """A label that shows the text of slot `slot` (a derived text such as
    the file name); labels are never stored back."""

    def __init__(self, slot, width=None, name=None):
        self.slot, self.width, self.name = slot, width, name


class Help:
    """A help button with its bubble text and help topic."""

    def __init__(self, text, topic=0):
        self.text, self.topic = text, topic


def money(slot, state=INPUT, **kw):
    return Field(MONEY, slot, state, **kw)


def text(slot, state=INPUT, **kw):
    return Field(TEXT, slot, state, **kw)


def count(slot, state=INPUT, **kw):
    return Field(COUNT, slot, state, **kw)


def percent(slot, state=INPUT, **kw):
    return Field(PERCENT, slot, state, **kw)


def spoken_header(caption):
    """A column header as a name says it: "Column I\nFather" is "Column I
    (father)", "Father as obligor\n(Column I)" stays as it reads."""
    lines = [line.strip() for line in caption.split("\n") if line.strip()]
    if len(lines) < 2:
        return lines[0] if lines else ""
    second = lines[1]
    if second.startswith("("):
        return lines[0] + " " + second
    return "%s (%s)" % (lines[0], second[0].lower() + second[1:])


def short_text(caption):
    """A line's text as its fields' names carry it: up to its first
    bracket or semicolon, without a footnote star."""
    cut = len(caption)
    for mark in (" (", ";"):
        at = caption.find(mark)
        if 0 < at < cut:
            cut = at
    return caption[:cut].rstrip(" *,.")


def section_name(heading):
    """A heading as the name of what stands under it: "FOR THE DECREE" is
    "For the decree"; a part number ("VI.") is left out."""
    words = heading.split()
    if words and words[0].rstrip(".") and set(words[0].rstrip(".")) <= set("IVX") and words[0].endswith("."):
        words = words[1:]
    text = " ".join(words).lower()
    return text[:1].upper() + text[1:]


class Page:
    def __init__(self, number, title):
        self.number = number
        self.title = title
        self.y = 10
        self.widgets = []
        self.names = set()
        self.spoken_names = set()
        self.counter = 0
        self.line_number = ""  # the last worksheet line number written: sub-lines and entries belong to it
        self.line_help = 0     # that line's help topic: every field of the line opens it unless it has its own
        self.section = ""      # the heading the controls stand under, for those of no line
        self.subject = ""      # the parent (or the like) a block of detail rows is about: "Father"
        self.header_rows = []  # the column headers over the rows that follow: rows of (x, width, spoken text)
        self.headers_open = False
        self.line_buttons = []  # the dialog and help buttons of the numbered line, after its sub-lines
        self.label(title, 8, self.y, PAGE_WIDTH - 16, 34, props={"Title": True}, font=14, bold=True, align="center")
        self.y += 42

    # ---- low-level placement ----
    def unique(self, name):
        if name in self.names:
            raise ValueError("two controls named " + name)
        self.names.add(name)
        return name

    def auto_name(self, prefix):
        self.counter += 1
        return self.unique("%s%d" % (prefix, self.counter))

    def label(self, caption, x, y, w, h, props=None, font=None, bold=False, align=None, wrap=True, name=None):
        self.widgets.append(dict(cls="QLabel", name=name and self.unique(name) or self.auto_name("lbl"),
                                 geo=(x, y, w, h), text=caption, props=props or {}, font=font, bold=bold,
                                 align=align, wrap=wrap))

    def place(self, caption="", x=None):
        """Where a field sits, in the user's words: "Line 1a, Column I" or
        "Line 8, Father: children"; messages about a field name it so."""
        parts = ["Line " + self.line_number.rstrip(".")] if self.line_number else []
        if caption:
            parts.append(caption if len(caption) <= 48 else caption[:45].rstrip() + "...")
        column = next((c for c, cx in COLUMN_X.items() if cx == x), None)
        if column:
            parts.append("Column " + column)
        return ", ".join(parts) or self.title

    # ---- accessible names ----
    def context(self):
        """What a control belongs to, said first: "Line 1a", or the section
        of a control under no line."""
        return "Line " + self.line_number.rstrip(".") if self.line_number else self.section

    def spoken(self, where="", what=""):
        """A control's accessible name: its line, where on the line and what
        it holds, "Line 8, Father: children"."""
        what = what.rstrip(" :*")
        head = ", ".join(part for part in (self.context(), where) if part)
        if head and what and what != where:
            return head + ": " + what
        return head or what

    def speak(self, widget, name):
        """Gives a placed control its accessible name, unique on the page."""
        if not name:
            raise ValueError("%s has nothing to be named by" % widget["name"])
        if name in self.spoken_names:
            raise ValueError("two controls spoken as " + name)
        self.spoken_names.add(name)
        widget["spoken"] = name

    def where(self, x, subject=None):
        """The column headers over x (the first row of them) and the block's
        subject: "Column I (father)"."""
        subject = self.subject if subject is None else subject
        headers = self.headers_at(x)
        return ", ".join(part for part in (headers[0] if headers else "", subject) if part)

    def headers_at(self, x):
        return [text for row in self.header_rows for hx, hw, text in row if hx <= x < hx + hw]

    def add_headers(self, items):
        """Header rows written one after the other stand together over the
        rows that follow (a group header above its sub-columns)."""
        if not self.headers_open:
            self.header_rows = []
        self.header_rows.append([(x, w, spoken_header(caption)) for x, w, caption in items if caption])
        self.headers_open = True

    def rows_follow(self):
        self.headers_open = False

    def end_line(self):
        """The numbered line and its sub-lines are done: its dialog buttons and
        help button follow their fields in the Tab order ("Help on line 1b"
        after the three years, the average and the amount used)."""
        self.widgets += self.line_buttons
        self.line_buttons = []

    # ---- controls ----
    def field(self, f, x, y, w=None, place=None, spoken=None):
        w = f.width or w or COLUMN_W
        props = {"Tag": f.kind * 1000 + f.slot, "Place": place or self.place(x=x)}
        if f.state:
            props["StyleLookup"] = f.state
        if f.help or self.line_help:
            props["HelpContext"] = f.help or self.line_help
        if f.decimals:
            props["Decimals"] = f.decimals
        self.widgets.append(dict(cls="QLineEdit", name=self.unique(f.name or "edt%d" % f.slot), geo=(x, y, w, FIELD_H),
                                 props=props, readonly=f.state == READONLY or f.hidden,
                                 align=f.align or ("right" if f.kind != TEXT else None), tip=f.tip,
                                 hidden=f.hidden))
        if not f.hidden:
            self.speak(self.widgets[-1], spoken)
        return w

    def box(self, b, x, y, w=None, spoken=None, subject=""):
        """A box of a parent's block (`subject` "Father") is named in the
        program's messages and its Undo History by its text and the parent:
        "The low/low-mid income limits do not apply, father"."""
        w = w or max(24, int(len(b.text) / CHARS_PER_PIXEL) + 28)
        props = {"Tag": b.slot}
        if subject and b.text:
            props["Place"] = "%s, %s" % (b.text.rstrip(" :*"), subject[0].lower() + subject[1:])
        if b.computed:
            props["Computed"] = True
        if b.excludes is not None:
            props["ExclusiveWith"] = "cbx%d" % b.excludes
        self.widgets.append(dict(cls="QCheckBox", name=self.unique(b.name or "cbx%d" % b.slot), geo=(x, y, w, FIELD_H),
                                 text=b.text, props=props, tip=b.tip))
        self.speak(self.widgets[-1], spoken)
        return w

    def combo(self, c, x, y, spoken=None):
        """A list is named by its accessible name, which the program gives to
        a screen reader in place of the choice shown (that is its value)."""
        w = c.width or COLUMN_W
        props = {"Tag": c.slot}
        if c.empty_index is not None:
            props["EmptyIndex"] = c.empty_index
        self.widgets.append(dict(cls="QComboBox", name=self.unique(c.name or "cmbx%d" % c.slot), geo=(x, y, w, FIELD_H),
                                 items=c.items, props=props))
        self.speak(self.widgets[-1], spoken)
        return w

    def memo(self, m, x, y, w, spoken=None):
        self.widgets.append(dict(cls="QPlainTextEdit", name=self.unique(m.name or "mem%d" % m.slot),
                                 geo=(x, y, w, m.height), props={"Tag": m.slot}))
        self.speak(self.widgets[-1], spoken)

    def button(self, b, x, y, w=None):
        w = w or b.width
        line = self.context()
        name = b.opens + (" for " + line[:1].lower() + line[1:] if line else "") + \
            (", " + b.party() if b.party() else "")
        self.widgets.append(dict(cls="QPushButton", name=self.unique(b.name), geo=(x, y, w, FIELD_H), text=b.caption,
                                 props={"Tag": b.code}, tip=name))
        self.speak(self.widgets[-1], name)

    def help_button(self, h, x, y):
        name = self.auto_name("btnHelp")
        lines = max(1, int(len(h.text) * 7.0 / 300) + 1)
        line = self.context()
        self.widgets.append(dict(cls="QPushButton", name=name, geo=(x, y, 22, 22), text="?",
                                 props={"HelpContext": h.topic, "HelpButton": True},
                                 callout=dict(name=name.replace("btnHelp", "pnlCallout"), text=h.text,
                                              geo=(0, 0, 320, 16 * lines + 16))))
        self.speak(self.widgets[-1], "Help on " + line[:1].lower() + line[1:] if line else "Help")

    def put(self, control, x, y, w=None, spoken=None):
        """Places any control at (x, y) with its accessible name; returns the
        width it takes."""
        if isinstance(control, Field):
            return self.field(control, x, y, w, spoken=spoken)
        if isinstance(control, Box):
            return self.box(control, x, y, w, spoken=spoken)
        if isinstance(control, Combo):
            return self.combo(control, x, y, spoken=spoken)
        if isinstance(control, Button):
            self.button(control, x, y, w)
            return w or control.width
        if isinstance(control, Answer):
            w = control.width or w or COLUMN_W
            self.widgets.append(dict(cls="QLabel", name=self.unique(control.name or "lblAnswer%d" % control.slot),
                                     geo=(x, y + 3, w, 20), text="", props={"Tag": control.slot}, wrap=False))
            return w
        raise TypeError(control)

    # ---- rows ----
    def text_height(self, caption, width):
        chars = max(1, int(width * CHARS_PER_PIXEL))
        lines = 0
        for paragraph in caption.split("\n"):
            lines += max(1, -(-len(paragraph) // chars))
        return max(ROW_H, 17 * lines + 8)

    def start_line(self, number, help):
        """A numbered line starts: its sub-lines and entries belong to it and
        share its help topic; a sub-line with a help button of its own gives
        its topic to what follows it."""
        self.rows_follow()
        if number:
            self.end_line()
            self.line_number = number
            self.line_help = help.topic if help else 0
        elif help:
            self.line_help = help.topic

    def heading(self, caption):
        self.end_line()
        self.line_help = 0
        self.line_number = ""
        self.section = section_name(caption)
        self.y += 6
        self.label(caption, 8, self.y, PAGE_WIDTH - 16, 26, props={"Heading": True})
        self.y += 32

    def column_headers(self, I="Column I\nFather", II="Column II\nMother", III="Column III\nCombined"):
        for col, caption in (("I", I), ("II", II), ("III", III)):
            if caption:
                self.label(caption, COLUMN_X[col], self.y, COLUMN_W, 36, props={"ColumnHeader": True}, align="center")
        self.add_headers([(COLUMN_X[col], COLUMN_W, caption) for col, caption in (("I", I), ("II", II), ("III", III))])
        self.y += 40

    def line(self, number, caption, I=None, II=None, III=None, buttons=(), help=None, indent=0, short=None):
        """One worksheet line: number, text, fields in their columns,
        dialog buttons at the right end of the text, a help button.  The
        fields' names carry `short`, or the text up to its first bracket."""
        y = self.y
        self.start_line(number, help)
        h, trailing = self.lead(number, caption, COLUMN_X["I"], indent, help, buttons)
        if isinstance(caption, Box):
            what = caption.spoken or caption.text
        elif number:
            what = short or short_text(caption)
        else:
            what = short or caption
        sub_line = "" if number or not isinstance(caption, str) else caption
        for col, control in (("I", I), ("II", II), ("III", III)):
            if control is None:
                continue
            spoken = self.spoken(self.where(COLUMN_X[col]) or "Column " + col, control.spoken or what)
            if isinstance(control, Field):
                self.field(control, COLUMN_X[col], y, place=self.place(sub_line, COLUMN_X[col]), spoken=spoken)
            elif isinstance(control, Box):
                self.box(control, COLUMN_X[col] + COLUMN_W // 2 - 12, y, 24, spoken=spoken)
            elif isinstance(control, Combo):
                self.combo(control, COLUMN_X[col], y, spoken=spoken)
        if number:
            self.line_buttons = trailing
        else:
            self.widgets += trailing
        self.y += h

    def entries(self, items, indent=40, label_w=300, field_x=None, subject=None):
        """A row of small labelled entries (a detail block under a line):
        items are (caption, control) pairs laid out left to right.  A first
        caption "Father: children" makes "Father" the row's subject, which
        every entry's name carries (else `subject`, or the block's)."""
        self.end_line()
        self.rows_follow()
        x = TEXT_X + indent
        y = self.y
        row_caption = next((caption for caption, _ in items if caption), "")
        row_subject, _, first_what = row_caption.partition(":") if ":" in row_caption else ("", "", row_caption)
        row_subject = row_subject.strip() or (self.subject if subject is None else subject)
        for caption, control in items:
            if caption:
                w = max(40, int(len(caption) / CHARS_PER_PIXEL) + 14)  # room for the font's widest short words
                self.label(caption, x, y + 3, w, 20, wrap=False)
                x += w + 4
            what = first_what if caption and caption == row_caption else caption
            what = getattr(control, "spoken", None) or what.strip(" *:") or getattr(control, "text", "")
            spoken = self.spoken(row_subject, what)
            if isinstance(control, Field):
                # Messages name an entry as a screen reader does.
                x += self.field(control, x, y, place=spoken, spoken=spoken) + 14
            elif isinstance(control, Box):
                x += self.box(control, x, y, spoken=spoken, subject=row_subject) + 10
            elif isinstance(control, Combo):
                x += self.combo(control, x, y, spoken=spoken) + 14
            elif isinstance(control, Button):
                self.button(control, x, y)
                x += BUTTON_W + 10
        self.y += ROW_H

    def boxes(self, items, indent=0):
        self.end_line()
        self.rows_follow()
        x = TEXT_X + indent
        for b in items:
            x += self.box(b, x, self.y, spoken=self.spoken(self.subject, b.spoken or b.text.rstrip(":")),
                          subject=self.subject) + 16
        self.y += ROW_H

    def memo_row(self, caption, m):
        self.end_line()
        self.rows_follow()
        self.label(caption, TEXT_X, self.y + 3, 240, 20)
        self.memo(m, TEXT_X + 250, self.y, PAGE_WIDTH - TEXT_X - 250 - 10, spoken=self.spoken(what=caption))
        self.y += m.height + 8

    def lead(self, number, caption, right, indent=0, help=None, buttons=()):
        """The left part of a row up to x = `right`: the line number, the
        text (or a check box carrying it), a help button and dialog buttons
        at the right end of the text.  Returns the row's height and the
        buttons, which the row writes after its fields (the Tab order: the
        fields, the dialog buttons, the help button)."""
        buttons_w = sum(b.width + 4 for b in buttons)
        help_w = 26 if help else 0
        text_w = right - TEXT_X - indent - buttons_w - help_w - 8
        h = ROW_H if isinstance(caption, Box) else self.text_height(caption, text_w)
        y = self.y
        if number:
            self.label(number, NUMBER_X, y + 3, NUMBER_W, 20, props={"LineNumber": True}, wrap=False)
        if isinstance(caption, Box):
            self.box(caption, TEXT_X + indent, y, text_w, spoken=self.spoken(self.subject, caption.spoken or caption.text),
                     subject=self.subject)
        elif caption:
            self.label(caption, TEXT_X + indent, y + 3, text_w, h - 6, align="top")
        x = TEXT_X + indent + text_w + 4
        placed = len(self.widgets)
        if help:
            self.help_button(help, x, y + 1)
            x += help_w
        for b in buttons:
            self.button(b, x, y)
            x += b.width + 4
        trailing = self.widgets[placed:]
        del self.widgets[placed:]
        # The dialog buttons before the help button.
        return h, trailing[1:] + trailing[:1] if help else trailing

    def row(self, number, caption, cells, indent=0, help=None, buttons=()):
        """A row of controls at fixed places (a table row): cells are
        (x, control) or (x, control, width); the text runs up to the first.
        A cell's name carries the headers over it: the first row of them
        says where, the others join the row's text."""
        y = self.y
        self.end_line()
        self.start_line(number, help)
        h, trailing = self.lead(number, caption, min(cell[0] for cell in cells), indent, help, buttons)
        for cell in cells:
            x, control = cell[0], cell[1]
            headers = self.headers_at(x)
            what = ", ".join(part for part in [caption] + [text.lower() for text in headers[1:]] +
                             [getattr(control, "spoken", None) or ""] if part)
            self.put(control, x, y, cell[2] if len(cell) > 2 else None, spoken=self.spoken(self.where(x), what))
        self.widgets += trailing
        self.y += h

    def headers(self, items, h=36):
        """Column headers over fixed places: items are (x, width, caption)."""
        for x, w, caption in items:
            self.label(caption, x, self.y, w, h, props={"ColumnHeader": True}, align="center")
        self.add_headers(items)
        self.y += h + 4

    def space(self, pixels=10):
        self.y += pixels

    # ---- output ----
    def xml(self):
        self.end_line()
        out = ['<?xml version="1.0" encoding="UTF-8"?>', '<ui version="4.0">',
               ' <class>page%d</class>' % self.number,
               ' <widget class="QWidget" name="page%d">' % self.number]
        out += geometry(0, 0, PAGE_WIDTH, self.y + 20, "  ")
        for w in self.widgets:
            out += widget_xml(w, "  ")
        out += [" </widget>", " <resources/>", " <connections/>", "</ui>", ""]
        return "\n".join(out)


def geometry(x, y, w, h, pad):
    return ['%s<property name="geometry">' % pad,
            '%s <rect><x>%d</x><y>%d</y><width>%d</width><height>%d</height></rect>' % (pad, x, y, w, h),
            '%s</property>' % pad]


def prop(name, value, pad, dynamic=False):
    attr = ' stdset="0"' if dynamic else ""
    if isinstance(value, bool):
        body = "<bool>%s</bool>" % ("true" if value else "false")
    elif isinstance(value, int):
        body = "<number>%d</number>" % value
    else:
        body = "<string>%s</string>" % escape(value)
    return '%s<property name="%s"%s>%s</property>' % (pad, name, attr, body)


ALIGN = {"right": "Qt::AlignRight|Qt::AlignVCenter", "left": "Qt::AlignLeft|Qt::AlignVCenter",
         "center": "Qt::AlignCenter",
         "top": "Qt::AlignLeft|Qt::AlignTop"}


def widget_xml(w, pad):
    out = ['%s<widget class="%s" name="%s">' % (pad, w["cls"], w["name"])]
    p = pad + " "
    out += geometry(*w["geo"], p)
    if w.get("text") is not None and w["cls"] != "QPlainTextEdit":
        out.append(prop("text", w["text"], p))
    if w["cls"] == "QLabel":
        out.append(prop("wordWrap", bool(w.get("wrap")), p))
        if w.get("font") or w.get("bold"):
            out.append('%s<property name="font"><font>%s%s</font></property>' % (
                p, "<pointsize>%d</pointsize>" % w["font"] if w.get("font") else "",
                "<bold>true</bold>" if w.get("bold") else ""))
    if w.get("align"):
        out.append('%s<property name="alignment"><set>%s</set></property>' % (p, ALIGN[w["align"]]))
    if w.get("readonly"):
        out.append(prop("readOnly", True, p))
    if w.get("hidden"):
        out.append(prop("visible", False, p))
    if w.get("tip"):
        out.append(prop("toolTip", w["tip"], p))
    if w.get("spoken"):
        out.append(prop("accessibleName", w["spoken"], p))
    for name, value in w.get("props", {}).items():
        out.append(prop(name, value, p, dynamic=True))
    for item in w.get("items", []):
        out += ['%s<item>' % p, prop("text", item, p + " "), '%s</item>' % p]
    callout = w.get("callout")
    if callout:
        cp = p + " "
        out.append('%s<widget class="QFrame" name="%s">' % (p, callout["name"]))
        out += geometry(*callout["geo"], cp)
        out.append(prop("visible", False, cp))
        out.append(prop("Callout", True, cp, dynamic=True))
        x, y, cw, ch = callout["geo"]
        out.append('%s<widget class="QLabel" name="%s">' % (cp, callout["name"].replace("pnlCallout", "lblCallout")))
        out += geometry(8, 8, cw - 16, ch - 16, cp + " ")
        out.append(prop("text", callout["text"], cp + " "))
        out.append(prop("wordWrap", True, cp + " "))
        out.append("%s</widget>" % cp)
        out.append("%s</widget>" % p)
    out.append("%s</widget>" % pad)
    return out

"""Records a worksheet screen description as rows of a printed page.

The screens are described line by line in tools/layout (page0.py, page7.py,
page15.py, page16.py) for the layout files; the printed pages are built
from the same descriptions, so the screen and the paper say the same line
texts. A Recorder stands in for tools/layout's Page while a description is
built and keeps each row with its controls instead of placing widgets.
"""
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
LAYOUT = os.path.join(HERE, "..", "layout")
if LAYOUT not in sys.path:
    sys.path.insert(0, LAYOUT)

import vlp  # noqa: E402  (tools/layout)


class Row:
    """One row of a page: `kind` is heading, columns, line, entries, boxes,
    memo, table, headers or free; the other fields depend on the kind."""

    def __init__(self, kind, **fields):
        self.kind = kind
        self.number = fields.pop("number", "")
        self.caption = fields.pop("caption", "")
        self.cells = fields.pop("cells", {})     # line: column ("I", "II", "III") -> control
        self.items = fields.pop("items", [])     # entries: (caption, control); boxes: Box; table: (x, control, w)
        self.indent = fields.pop("indent", 0)
        self.help = fields.pop("help", None)
        self.buttons = fields.pop("buttons", ())
        self.extra = fields

    def controls(self):
        """Every control of the row that shows an answer."""
        out = []
        if isinstance(self.caption, vlp.Box):
            out.append(self.caption)
        out += [c for c in self.cells.values() if c is not None]
        for item in self.items:
            control = item[1] if isinstance(item, tuple) else item
            if not isinstance(control, (vlp.Button, str)) and control is not None:
                out.append(control)
        if self.kind == "memo":
            out.append(self.extra["memo"])
        return [c for c in out if hasattr(c, "slot") and not getattr(c, "hidden", False)]


class Recorder:
    """Takes the calls a screen description makes on tools/layout's Page."""

    def __init__(self, number, title):
        self.number, self.title = number, title
        self.rows = []
        self.y = 0
        self.line_number = ""

    def heading(self, caption):
        self.rows.append(Row("heading", caption=caption))

    def column_headers(self, I="Column I\nFather", II="Column II\nMother", III="Column III\nCombined"):
        self.rows.append(Row("columns", cells={"I": I, "II": II, "III": III}))

    def line(self, number, caption, I=None, II=None, III=None, buttons=(), help=None, indent=0):
        self.rows.append(Row("line", number=number, caption=caption, cells={"I": I, "II": II, "III": III},
                             buttons=buttons, help=help, indent=indent))

    def entries(self, items, indent=40, label_w=300, field_x=None):
        self.rows.append(Row("entries", items=list(items), indent=indent))

    def boxes(self, items, indent=0):
        self.rows.append(Row("boxes", items=list(items), indent=indent))

    def memo_row(self, caption, m):
        self.rows.append(Row("memo", caption=caption, memo=m))

    def row(self, number, caption, cells, indent=0, help=None, buttons=()):
        self.rows.append(Row("table", number=number, caption=caption,
                             items=[(c[0], c[1], c[2] if len(c) > 2 else None) for c in cells],
                             indent=indent, help=help, buttons=buttons))

    def headers(self, items, h=36):
        self.rows.append(Row("headers", items=list(items)))

    def space(self, pixels=10):
        pass

    # Free placement (the short forms' footer): items on one y form one row.
    def _free(self, x, y, item):
        last = self.rows[-1] if self.rows else None
        if last is None or last.kind != "free" or abs(last.extra["y"] - y) > 8:
            last = Row("free", y=y)
            self.rows.append(last)
        last.items.append((x, item, None))

    def label(self, caption, x, y, w, h, **kw):
        self._free(x, y, caption)

    def put(self, control, x, y, w=None):
        self._free(x, y, control)
        return w or 0


def record(module_name):
    """The rows of a screen description module (page0, page7, page15, page16)."""
    module = importlib.import_module(module_name)
    saved = module.Page
    module.Page = Recorder
    try:
        return module.build()
    finally:
        module.Page = saved

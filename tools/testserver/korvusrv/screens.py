"""Screen definitions as the server describes them: one field a line of the client's
definitions file, the check number of a screen's lines, and the definition record of one line
as the definitions transfer carries it.

Line columns (0-based): 0-14 screen identifier, 15-17 field code, 18-97 label, 98-101 x1,
102-105 y1, 106-109 x2 (hot-key of B, H, D), 110-113 y2 (picture of B, H, D), 114 option letter,
115 type letter, 116 data letter, 117 mark digit, 118-122 maximum length, 123 variant digit,
124 action digit, 125-127 tab order, 128-130 tab page (tab number on an N line).
"""

LINE_LEN = 131
# Type letters whose fields the client never sends back (sub-kind 4), unless the data letter
# of a picture frame makes it a picture named by its value ("B") or the fixed picture ("V").
_NOT_SENT = {"B", "P", "D"}


def _num(value, width):
    text = b"%0*d" % (width, int(value))
    return text[:width]


def _letter(value):
    value = value.encode("cp1252") if isinstance(value, str) else bytes(value)
    if len(value) != 1:
        raise ValueError("one character expected: %r" % value)
    return value


class Field:
    """One field of a screen. `kind` is the type letter (C edit, K check box, B button, U
    picture, P sub-screen, X multi-line, H tool button, M menu, I listing, N tab strip,
    S listing variant, D paging button, R check box variant, L link label, anything else a
    text label)."""

    def __init__(self, code, kind, label="", x1=0, y1=0, x2=0, y2=0, option=" ", data=" ",
                 mark=0, maxlen=0, variant=0, action=0, order=0, page=0, key=0, picture=0):
        self.code, self.kind, self.label = code, _letter(kind), label
        self.x1, self.y1, self.x2, self.y2 = x1, y1, x2, y2
        self.option, self.data = _letter(option), _letter(data)
        self.mark, self.maxlen, self.variant, self.action = mark, maxlen, variant, action
        self.order, self.page = order, page
        if self.kind in (b"B", b"H", b"D"):
            # These carry their hot-key and picture in the x2 and y2 columns.
            self.x2, self.y2 = key, picture
        self.key, self.picture = key, picture

    @property
    def sent(self):
        """Whether the client sends this field's value back."""
        if self.kind in (b"B", b"P", b"D"):
            return False
        if self.kind == b"U":
            return self.data in (b"B", b"V")
        return True

    @property
    def is_label(self):
        return self.kind not in b"CKBUPXHMINSDRL"

    def label_bytes(self):
        text = self.label.encode("cp1252") if isinstance(self.label, str) else bytes(self.label)
        if len(text) > 80:
            raise ValueError("label longer than 80 characters: %r" % text)
        return text

    def line(self, screen_id):
        """The definitions-file line (131 characters, no line end)."""
        screen_id = bytes(screen_id)
        out = (screen_id + _num(self.code, 3) + self.label_bytes().ljust(80)
               + _num(self.x1, 4) + _num(self.y1, 4) + _num(self.x2, 4) + _num(self.y2, 4)
               + self.option + self.kind + self.data + _num(self.mark, 1) + _num(self.maxlen, 5)
               + _num(self.variant, 1) + _num(self.action, 1) + _num(self.order, 3)
               + _num(self.page, 3))
        assert len(out) == LINE_LEN, (len(out), out)
        return out

    def record(self, screen_id):
        """Fields 1 to 18 of the definition record that the transfer sends for this line."""
        screen_id = bytes(screen_id)
        if len(screen_id) != 15 or not screen_id[12:].isdigit():
            raise ValueError("a screen identifier is 15 characters ending in 3 digits: %r" % screen_id)
        return [screen_id[:2], screen_id[2:12], b"%d" % int(screen_id[12:]), b"%d" % self.code,
                self.label_bytes(), b"%d" % self.x1, b"%d" % self.y1, b"%d" % self.x2,
                b"%d" % self.y2, self.option, self.kind, self.data, b"%d" % self.mark,
                b"%d" % self.maxlen, b"%d" % self.variant, b"%d" % self.action,
                b"%d" % self.order, b"%d" % self.page]


def checksum(lines):
    """The check number of a screen's lines: every column but the identifier and the label,
    each character (signed byte) times its position 1 to 36 in the line; 32 bits, wrapping."""
    total = 0
    for line in lines:
        fed = line[15:18] + line[98:131]
        for k, c in enumerate(fed, start=1):
            total += (c - 256 if c >= 128 else c) * k
    total &= 0xFFFFFFFF
    return total - (1 << 32) if total >= (1 << 31) else total


class Screen:
    """A server screen: its 15-character identifier and its fields in definition order."""

    def __init__(self, screen_id, fields):
        self.id = screen_id.encode("cp1252") if isinstance(screen_id, str) else bytes(screen_id)
        if len(self.id) != 15:
            raise ValueError("screen identifier of 15 characters expected: %r" % self.id)
        self.fields = list(fields)

    @property
    def series(self):
        return self.id[:12]

    def lines(self):
        return [f.line(self.id) for f in self.fields]

    @property
    def checksum(self):
        return checksum(self.lines())

    def field(self, code):
        for f in self.fields:
            if f.code == code:
                return f
        raise KeyError("screen %s has no field %d" % (self.id, code))

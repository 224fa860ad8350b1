"""The application server's side of the dialogue: screen replies, values requests checked byte
for byte against the reply they edit, and the definitions transfer.

A values request is the last reply as the client received it, with bytes 44-46 the code of the
triggering field, 47-49 the code of the current field (a listing variant's chosen column when
such a field triggers), record field 7 its two-character code followed by "0", and every field
the client sends replaced by its state and style characters and its value. Byte 5 is 0x80 when
the reply was the first frame after a values request (the client sets it back once that frame
has come); after any other frame it stays as the server sent it.
"""

from . import frames, records

ANY = object()          # a value the check accepts whatever it is
SEP = bytes([records.SEP])

_STYLE_SAME = set(b"23456ABCDEFGHI") | {0x96, 0x97}


def state_back(state):
    """The state character the client sends back for one it received."""
    mark = 0
    if state > ord("o"):
        state -= 64
        mark = 64
    base = state if state in (ord("1"), ord("2")) else ord("0")
    return (base + mark) & 0xFF


def style_back(style):
    if style in _STYLE_SAME:
        return style
    return {ord("7"): ord("9"), ord("8"): ord("5")}.get(style, ord("0"))


def _b(value):
    if isinstance(value, str):
        return value.encode("cp1252")
    return bytes(value)


class Dialogue:
    """One connection's screens: what was last sent, what the client holds, what it sent."""

    def __init__(self, conn, screens, known=()):
        self.conn = conn
        self.screens = {s.id: s for s in screens}
        self.known = set(known)     # series whose definitions the client holds
        self.last = None            # the last reply text sent
        self.screen = None          # the screen of that reply
        self.values = {}            # code -> value of the last values request
        self.requests = 0           # values requests taken; each leaves "values-<n>"
        self.answering = False      # a values request waits for its first frame
        self.byte5_reset = False    # the client set byte 5 of the last reply back to 0x80

    # ---- replies
    def reply_text(self, screen, values=None, focus=0, focus2=0, command=b"0", count=None,
                   number=None, extra=None, request=0x80):
        """A screen reply: `values` maps a field code to its value (state and style "00") or
        to (state, style, value); `extra` sets further record fields as they are."""
        fields = {}
        for code, v in (values or {}).items():
            if isinstance(v, tuple):
                state, style, text = v
                fields[code] = _b(state) + _b(style) + _b(text)
            else:
                fields[code] = b"00" + _b(v)
        fields.update({k: _b(v) for k, v in (extra or {}).items()})
        top = max([f.code for f in screen.fields] + [60] + list(fields))
        if count is None:
            count = top
        number = screen.checksum if number is None else number
        return frames.reply(screen.id, fields, count=count, command=command, number=number,
                            focus=focus, focus2=focus2, request=request)

    def send_screen(self, screen, values=None, chunks=None, delay=None, **kw):
        if isinstance(screen, (bytes, str)):
            screen = self.screens[_b(screen)]
        text = self.reply_text(screen, values, **kw)
        self.conn.send_text(text, chunks=chunks, delay=delay)
        self.last, self.screen = text, screen
        self.byte5_reset, self.answering = self.answering, False
        mark = "shown-" + screen.id.decode("cp1252").replace(" ", "_")
        self.conn.ctx.write_file(mark, b"")
        return text

    # ---- requests
    def next_frame(self):
        """The next request; a definitions request is served first (the client then loads
        the screen of the reply that ends the transfer and sends its next request)."""
        while True:
            text = self.conn.expect_frame()
            if len(text) > 2 and text[2:3] in (b"b", b"c"):
                self.serve_definitions(text)
                continue
            return text

    def expected_request(self, trigger, current=None, column=None):
        """The values request for the last reply with every value left open (None)."""
        rec = records.split(records.record_of(self.last))
        head = bytearray(self.last[:50])
        if self.byte5_reset:
            head[5] = 0x80
        if trigger is None or current is ANY:
            raise ValueError("trigger and current field must be given")
        head[44:47] = b"%03d" % trigger
        if column is not None:
            head[47:50] = b"%03d" % column
        else:
            head[47:50] = b"%03d" % (current or 0)
        rec = list(rec)
        # A sound request in field 9 is emptied by the client when it arrives.
        if len(rec) >= 9 and rec[8][2:] in (b"!s01", b"!s02", b"!s03"):
            rec[8] = b""
        if len(rec) >= 7:
            rec[6] = rec[6][:2] + b"0"
        slots = {}
        for f in self.screen.fields:
            if not f.sent:
                continue
            got = rec[f.code - 1]
            prefix = bytes([state_back(got[0]) if got else 0x30, style_back(got[1]) if len(got) > 1 else 0x30])
            slots[f.code] = prefix
        return bytes(head), rec, slots

    def expect_values(self, trigger, current=None, column=None, values=None):
        """Waits for a values request and checks it byte for byte. `values` maps a field code
        to the value the client must send (ANY, or left out, accepts any). Returns the values
        the client sent, by code."""
        text = self.next_frame()
        codes = {f.code for f in self.screen.fields}
        if trigger is None:
            # Any field of the screen may have triggered it (a person at the keyboard).
            trigger = int(text[44:47]) if text[44:47].isdigit() else -1
            if trigger not in codes:
                self.conn.fail("values request names trigger %s, no field of %s" % (
                    records.show(text[44:47]), self.screen.id))
        if current is ANY:
            current = int(text[47:50]) if text[47:50].isdigit() else -1
            if current not in codes | {0} and column is None:
                self.conn.fail("values request names current field %s, no field of %s" % (
                    records.show(text[47:50]), self.screen.id))
        if column is None and self.screen.field(trigger).kind == b"S":
            column = int(text[47:50]) if text[47:50].isdigit() else -1
        self.trigger = trigger
        head, rec, slots = self.expected_request(trigger, current, column)
        values = dict(values or {})
        problems = []
        if text[:50] != head:
            problems.append("header %s, expected %s" % (records.show(text[:50]),
                                                        records.show(head)))
        got = records.split(records.record_of(text))
        if len(got) != len(rec):
            problems.append("record of %d fields, expected %d" % (len(got), len(rec)))
        sent = {}
        for n in range(1, min(len(got), len(rec)) + 1):
            g = got[n - 1]
            if n in slots:
                if g[:2] != slots[n]:
                    problems.append("field %d: state and style %s, expected %s" % (
                        n, records.show(g[:2]), records.show(slots[n])))
                sent[n] = g[2:]
                want = values.get(n, ANY)
                if want is not ANY and g[2:] != _b(want):
                    problems.append("field %d: value %s, expected %s" % (
                        n, records.show(g[2:]), records.show(_b(want))))
            elif g != rec[n - 1]:
                problems.append("field %d: %s, expected it unchanged: %s" % (
                    n, records.show(g), records.show(rec[n - 1])))
        if problems:
            self.conn.fail("values request: " + "; ".join(problems[:8]))
        self.values = sent
        self.answering = True
        self.requests += 1
        self.conn.ctx.write_file("values-%d" % self.requests, b"")
        return sent

    def expect_closed(self, timeout=None):
        """Serves a definitions request if the client still makes one, then waits for the
        client to close the connection (within `timeout` seconds, the connection's own if None)."""
        from .harness import ConnectionClosed
        try:
            text = self.conn.expect_frame(timeout=timeout)
        except ConnectionClosed:
            return
        if text[2:3] not in (b"b", b"c"):
            self.conn.fail("a request instead of the end: %s" % records.show(text, 120))
        self.serve_definitions(text)
        self.conn.expect_closed(timeout)

    # ---- definitions
    def definition_frame(self, screen, field, lead=b"\xfe0b"):
        return frames.text_header(screen.id, lead=lead) + records.join(field.record(screen.id))

    def serve_definitions(self, request):
        """Answers a definitions request (byte 2 "b": the series of the reply's screen, "c":
        every screen of the language) and ends with the reply the client asked about."""
        mode = request[2:3]
        want = bytearray(self.last)
        want[2:3] = mode
        want[44:47] = b"001"
        if self.byte5_reset:
            want[5] = 0x80
        if request != bytes(want):
            self.conn.fail("definitions request %s, expected %s" % (
                records.show(request, 200), records.show(bytes(want), 200)))
        series = self.screen.series
        chosen = [s for s in self.screens.values()
                  if (s.series == series if mode == b"b" else s.id[:2] == series[:2])]
        lead = b"\xfe0" + mode
        for screen in sorted(chosen, key=lambda s: s.id):
            for field in screen.fields:
                frame = self.definition_frame(screen, field, lead)
                self.conn.send_text(frame)
                echo = self.conn.expect_frame()
                if echo != frame[:50]:
                    self.conn.fail("definition echo %s, expected the header %s" % (
                        records.show(echo), records.show(frame[:50])))
            self.known.add(screen.series)
        self.conn.send_text(self.last)
        self.byte5_reset = False

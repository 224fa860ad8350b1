"""Frame texts that the server sends and the client's login request as the server expects it.

Text layout (0-based bytes): 0 message type, 1-2 request bytes, 3 command code, 4 transfer mode,
5 request byte, 6-20 blanks, 21-35 screen identifier, 36-43 eight-digit check number, 44-46 and
47-49 two 3-digit field codes, from 50 the 0xFF-separated record.
"""

from . import records

LOGIN_SCREEN = b"EsKRVINI  01001"      # "Es" + the built-in login screen: a redirect when replied
HEADER_LEN = 50
LOGIN_FIELDS = 90
ADDRESS_FIELD = 59
PORT_FIELD = 60


def _byte(value):
    if isinstance(value, int):
        return bytes([value])
    value = bytes(value)
    if len(value) != 1:
        raise ValueError("one byte expected, got %r" % value)
    return value


def _fixed(value, width, what):
    value = bytes(value)
    if len(value) != width:
        raise ValueError("%s must be %d bytes, got %r" % (what, width, value))
    return value


def text_header(screen, command=b"0", mode=b"0", number=0, focus=0, focus2=0,
                lead=b"\xfe0a", request=0x80):
    """Bytes 0 to 49 of a frame text."""
    head = (_fixed(lead, 3, "lead") + _byte(command) + _byte(mode) + _byte(request) + b" " * 15
            + _fixed(screen, 15, "screen identifier") + b"%08d" % number
            + b"%03d" % focus + b"%03d" % focus2)
    assert len(head) == HEADER_LEN
    return head


def record_fields(fields=None, count=LOGIN_FIELDS, filler=b"00"):
    """A record of `count` fields (more when `fields` names a higher one), each `filler` unless
    `fields` ({number: bytes}) gives it."""
    fields = dict(fields or {})
    count = max([count] + list(fields))
    return records.join(fields.get(n, filler) for n in range(1, count + 1))


def reply(screen, fields=None, count=LOGIN_FIELDS, **header):
    """A reply text (without its NUL): header and record."""
    return text_header(screen, **header) + record_fields(fields, count)


def redirect_reply(address, port, screen=LOGIN_SCREEN, fields=None, **header):
    """The dispatcher's redirect: fields 59 and 60 give the application server, each after its
    2-character code."""
    if isinstance(address, str):
        address = address.encode("ascii")
    if isinstance(port, int):
        port = str(port).encode("ascii")
    fields = dict(fields or {})
    fields[ADDRESS_FIELD] = b"00" + bytes(address)
    fields[PORT_FIELD] = b"00" + bytes(port)
    return reply(screen, fields, **header)


def unavailable_reply(**header):
    """The dispatcher's redirect naming no application server."""
    return redirect_reply(b"error", b"0", **header)


def direct_reply(screen=b"EsKRVMEN  01001", fields=None, **header):
    """A dispatcher that answers by itself: any identifier other than the login screen's."""
    if bytes(screen)[2:8] == LOGIN_SCREEN[2:8]:
        raise ValueError("a direct answer must not name the login screen")
    return reply(screen, fields, **header)


def login_request(user=b"", password=b"", company=b"", language=b"", codepage=b"1252",
                  group=b"", version=b"2.3.045", debug_mask=0x80):
    """The login request text (without its NUL) exactly as the client must write it."""
    def b(v):
        return v.encode("cp1252") if isinstance(v, str) else bytes(v)
    fields = {51: b"00" + b(user), 52: b"10" + b(password), 53: b"10" + b(company),
              54: b"10" + b(language), 55: b"10WIN" + b(codepage), 56: b"10" + b(group),
              57: b"10" + b(version)}
    head = (b"\xfe0a00" + bytes([debug_mask]) + b" " * 15 + LOGIN_SCREEN + b"00000000"
            + b"000" + b"000")
    return head + record_fields(fields, LOGIN_FIELDS)


_LOGIN_VALUES = {"user": (51, b"00"), "password": (52, b"10"), "company": (53, b"10"),
                 "language": (54, b"10"), "codepage": (55, b"10WIN"), "group": (56, b"10"),
                 "version": (57, b"10")}


def parse_login_request(text):
    """The login values of a login request text, by name (bytes; None when a field is missing)."""
    rec = records.record_of(text)
    out = {"debug_mask": text[5] if len(text) > 5 else None}
    for name, (n, code) in _LOGIN_VALUES.items():
        try:
            f = records.field(rec, n)
        except records.MissingField:
            out[name] = None
            continue
        out[name] = f[len(code):] if f.startswith(code) else None
    return out


def login_request_problems(text, **expected):
    """What is wrong with a login request text, as readable lines (empty: it is right).
    Keyword arguments as for `login_request`; a value left out is not compared."""
    problems = []
    text = bytes(text)
    nul = text.find(b"\0")
    if nul >= 0:
        text = text[:nul]
    fixed = [(0, b"\xfe0a00", "type and request bytes"), (6, b" " * 15, "blanks"),
             (21, LOGIN_SCREEN, "screen identifier"), (36, b"00000000", "check number"),
             (44, b"000000", "field codes")]
    for at, want, what in fixed:
        got = text[at:at + len(want)]
        if got != want:
            problems.append("bytes %d-%d (%s): %s, expected %s" % (
                at, at + len(want) - 1, what, records.show(got), records.show(want)))
    mask = expected.pop("debug_mask", None)
    if mask is not None and (len(text) < 6 or text[5] != mask):
        problems.append("byte 5 (debug mask): %s, expected 0x%02x" % (
            records.show(text[5:6]), mask))
    fields = records.split(records.record_of(text))
    if len(fields) != LOGIN_FIELDS + 1 or fields[-1] != b"":
        problems.append("record: %d fields, expected %d each followed by 0xFF" % (
            len(fields) - (1 if fields[-1] == b"" else 0), LOGIN_FIELDS))
    for n in list(range(1, 51)) + list(range(58, LOGIN_FIELDS + 1)):
        if n <= len(fields) and fields[n - 1] != b"00":
            problems.append("field %d: %s, expected 00" % (n, records.show(fields[n - 1])))
    for name, (n, code) in _LOGIN_VALUES.items():
        if n > len(fields):
            problems.append("field %d (%s) missing" % (n, name))
            continue
        f = fields[n - 1]
        if not f.startswith(code):
            problems.append("field %d (%s): %s, expected code %s" % (
                n, name, records.show(f), records.show(code)))
            continue
        if name in expected and expected[name] is not None:
            want = expected[name]
            want = want.encode("cp1252") if isinstance(want, str) else bytes(want)
            if f[len(code):] != want:
                problems.append("field %d (%s): %s, expected %s" % (
                    n, name, records.show(f[len(code):]), records.show(want)))
    unknown = set(expected) - set(_LOGIN_VALUES)
    if unknown:
        raise TypeError("unknown login values: %s" % ", ".join(sorted(unknown)))
    return problems

"""0xFF-separated records: fields numbered from 1, each field of a data record beginning with a
2-character code. A record ends at its first NUL (or at the end of the bytes given)."""

SEP = 0xFF
RECORD_START = 50       # the field record of a frame text begins here


class MissingField(LookupError):
    pass


def record_of(text, start=RECORD_START):
    """The record of a frame text: from byte `start` up to the first NUL."""
    rec = bytes(text[start:])
    end = rec.find(b"\0")
    return rec if end < 0 else rec[:end]


def split(record):
    """Every field of a record. A record ending with a separator has an empty last field."""
    rec = bytes(record)
    end = rec.find(b"\0")
    if end >= 0:
        rec = rec[:end]
    return rec.split(bytes([SEP]))


def join(fields):
    """A record as this system's builders write it: a separator after every field."""
    out = bytearray()
    for f in fields:
        f = bytes(f)
        if SEP in f or 0 in f:
            raise ValueError("a field cannot hold 0x00 or 0xFF: %r" % f)
        out += f + bytes([SEP])
    return bytes(out)


def field(record, n):
    fields = split(record)
    if not 1 <= n <= len(fields):
        raise MissingField("field %d missing: the record has %d fields" % (n, len(fields)))
    return fields[n - 1]


def coded(record, n):
    """(code, text) of field n: its first two bytes and the rest."""
    f = field(record, n)
    return f[:2], f[2:]


def replace(record, n, new):
    """The record with field n replaced; the other fields and separators stay as they were."""
    fields = split(record)
    if not 1 <= n <= len(fields):
        raise MissingField("field %d missing: the record has %d fields" % (n, len(fields)))
    new = bytes(new)
    if SEP in new or 0 in new:
        raise ValueError("a field cannot hold 0x00 or 0xFF: %r" % new)
    fields[n - 1] = new
    return bytes([SEP]).join(fields)


def show(data, limit=None):
    """Readable text: 0xFF as '|', printable ASCII as it is, everything else escaped."""
    data = bytes(data)
    shown = data if limit is None else data[:limit]
    out = []
    for b in shown:
        if b == SEP:
            out.append("|")
        elif b == 0x5C:
            out.append("\\\\")
        elif b == 0x7C:
            out.append("\\x7c")
        elif 0x20 <= b < 0x7F:
            out.append(chr(b))
        else:
            out.append("\\x%02x" % b)
    if limit is not None and len(data) > limit:
        out.append(" ... (%d more bytes)" % (len(data) - limit))
    return "".join(out)

"""Frame cipher and the 3-byte wire header, written from the protocol, not from the client.

A frame on the wire is: total length (big-endian, 2 bytes, header included), a flag byte, then
the body enciphered in blocks of KEY_LEN bytes. Each body byte depends on its position in the
block, the key, the block counter and the cipher byte at the same position of the block before.
"""

KEY_LEN = 2371
HEADER_LEN = 3
MAX_TOTAL = 8200          # the client's wire buffer
FLAG_PLAIN = 0x00
FLAG_REFUSAL = 0x39       # a file request sent back refused


def make_key(seed=1, length=KEY_LEN):
    """Deterministic key bytes: x(0) = seed, x(i+1) = (x(i) * 1103515245 + 12345) mod 2**31,
    key[i] = (x(i+1) >> 16) mod 256. Not periodic within a block, unlike i*a+b mod 256."""
    x = seed
    out = bytearray(length)
    for i in range(length):
        x = (x * 1103515245 + 12345) % (1 << 31)
        out[i] = (x >> 16) & 0xFF
    return bytes(out)


def _check_key(key):
    if len(key) < KEY_LEN:
        raise ValueError("key table needs %d bytes, got %d" % (KEY_LEN, len(key)))


def encipher(plain, key):
    """Body bytes as they travel."""
    _check_key(key)
    previous = bytearray(key[:KEY_LEN])
    out = bytearray(len(plain))
    block = 0
    for start in range(0, len(plain), KEY_LEN):
        block += 1
        snapshot = bytes(previous)
        for k in range(min(KEY_LEN, len(plain) - start)):
            e = (plain[start + k] + (k + 1) + key[k] + snapshot[k] + block) & 0xFF
            out[start + k] = e
            previous[k] = e
    return bytes(out)


def decipher(wire_body, key):
    """Plain body from the bytes that travelled."""
    _check_key(key)
    previous = bytearray(key[:KEY_LEN])
    out = bytearray(len(wire_body))
    block = 0
    for start in range(0, len(wire_body), KEY_LEN):
        block += 1
        snapshot = bytes(previous)
        for k in range(min(KEY_LEN, len(wire_body) - start)):
            e = wire_body[start + k]
            previous[k] = e
            out[start + k] = (e - key[k] - snapshot[k] - (k + 1) - block) & 0xFF
    return bytes(out)


def header(total, flag=FLAG_PLAIN):
    if not 0 <= total <= 0xFFFF:
        raise ValueError("total %d does not fit two bytes" % total)
    return bytes([total >> 8, total & 0xFF, flag & 0xFF])


def parse_header(data):
    """(total, flag) of the first three bytes."""
    if len(data) < HEADER_LEN:
        raise ValueError("a header has 3 bytes, got %d" % len(data))
    return data[0] * 256 + data[1], data[2]


def wire_frame(body, key, flag=FLAG_PLAIN):
    """Header and enciphered body of a plain body (a text frame's body carries its NUL)."""
    return header(len(body) + HEADER_LEN, flag) + encipher(body, key)


def text_body(text):
    """Body of a text frame: the text and its terminating NUL."""
    if b"\0" in text:
        raise ValueError("a text frame cannot hold a NUL before its end")
    return bytes(text) + b"\0"

#!/usr/bin/env python3
"""Writes the frame cipher's known-answer table for the client's own cipher test.

Usage: make_cipher_kat.py [OUTPUT_DIR]   (default: tests/link/data of this repository)
Writes cipher_kat.txt (the table) and cipher_kat.key (the 2,371-byte key it was made with).
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from korvusrv import cipher  # noqa: E402

KEY_SEED = 1
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def plain(size, seed):
    """Varied bytes (every value occurs) with the same runs at the same places of every block,
    so that a cipher that ignores the block counter or the previous block shows."""
    x = seed
    out = bytearray(size)
    for i in range(size):
        x = (x * 69069 + 1) % (1 << 32)
        out[i] = (x >> 24) & 0xFF
    for start in range(0, size, cipher.KEY_LEN):
        for at, run in ((0, b"\x00" * 8), (40, b"RUN-RUN-RUN"), (1000, b"\xff" * 16),
                        (cipher.KEY_LEN - 6, b"\x55" * 6)):
            for i, b in enumerate(run):
                if start + at + i < size:
                    out[start + at + i] = b
    return bytes(out)


def cases():
    yield b"A", cipher.FLAG_PLAIN                        # a 1-byte binary block
    yield b"0\0", cipher.FLAG_PLAIN                      # the answer "0" with its NUL
    yield b"0123456789\0", cipher.FLAG_PLAIN             # a 10-character text and its NUL
    yield b"0123456789\0", cipher.FLAG_REFUSAL           # the same text refused: flag 0x39
    for size in (2370, 2371, 2372, 2 * cipher.KEY_LEN, 2 * cipher.KEY_LEN + 1,
                 3 * cipher.KEY_LEN, cipher.MAX_TOTAL - 3):
        yield plain(size, size), cipher.FLAG_PLAIN


def main(argv):
    out_dir = argv[0] if argv else os.path.join(ROOT, "tests", "link", "data")
    key = cipher.make_key(KEY_SEED)
    lines = [
        "# Frame cipher known answers, computed by tools/testserver/make_cipher_kat.py.",
        "# Key table (2,371 bytes, also in cipher_kat.key): x(0) = 1, "
        "x(i+1) = (x(i) * 1103515245 + 12345) mod 2^31, key[i] = (x(i+1) >> 16) mod 256, "
        "i = 0..2370.",
        "# One case a line, fields separated by one blank: <total, decimal, header included> "
        "<flag, 2 hex digits> <plain body, hex> <wire bytes, hex: the 3-byte header then the "
        "enciphered body>. Hex is upper case, two digits a byte. A text case's body is the text "
        "and its NUL (\"0123456789\" is 11 bytes, total 14).",
        "# Lines starting with '#' are comments.",
    ]
    for body, flag in cases():
        wire = cipher.wire_frame(body, key, flag)
        lines.append("%d %02X %s %s" % (len(wire), flag, body.hex().upper(), wire.hex().upper()))
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "cipher_kat.txt"), "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    with open(os.path.join(out_dir, "cipher_kat.key"), "wb") as f:
        f.write(key)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

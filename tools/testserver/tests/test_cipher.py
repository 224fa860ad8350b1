import unittest

from korvusrv import cipher


def key_with(values):
    key = bytearray(cipher.KEY_LEN)
    for at, v in values.items():
        key[at] = v
    return bytes(key)


class CipherTest(unittest.TestCase):
    def test_bytes_worked_out_by_hand(self):
        # e = (c + p + key[p-1] + previous[p-1] + r) mod 256; previous starts as the key.
        key = key_with({0: 0x10, 1: 0x20})
        self.assertEqual(cipher.encipher(b"AB", key), bytes([
            0x41 + 1 + 0x10 + 0x10 + 1,          # 0x63
            0x42 + 2 + 0x20 + 0x20 + 1]))        # 0x85
        wire = cipher.encipher(b"A" * (cipher.KEY_LEN + 1), key)
        self.assertEqual(wire[cipher.KEY_LEN - 1], (0x41 + 2371 + 0 + 0 + 1) % 256)   # 0x85
        # First byte of block 2: r = 2 and the previous block's cipher byte 0x63.
        self.assertEqual(wire[cipher.KEY_LEN], (0x41 + 1 + 0x10 + 0x63 + 2) % 256)     # 0xB7

    def test_round_trip_across_block_boundaries(self):
        key = cipher.make_key(7)
        for size in (0, 1, 2370, 2371, 2372, 4742, 4743, 8197):
            with self.subTest(size=size):
                body = bytes((i * 7 + i // 251) & 0xFF for i in range(size))
                self.assertEqual(cipher.decipher(cipher.encipher(body, key), key), body)

    def test_equal_runs_in_successive_blocks_differ(self):
        key = cipher.make_key(3)
        wire = cipher.encipher(b"x" * (3 * cipher.KEY_LEN), key)
        blocks = [wire[i:i + cipher.KEY_LEN] for i in range(0, len(wire), cipher.KEY_LEN)]
        self.assertNotEqual(blocks[0], blocks[1])
        self.assertNotEqual(blocks[1], blocks[2])

    def test_only_the_first_key_bytes_count(self):
        key = cipher.make_key(5, 2400)
        self.assertEqual(cipher.encipher(b"abc" * 900, key),
                         cipher.encipher(b"abc" * 900, key[:cipher.KEY_LEN]))
        with self.assertRaises(ValueError):
            cipher.encipher(b"a", key[:cipher.KEY_LEN - 1])

    def test_header_and_flag(self):
        key = cipher.make_key(1)
        plain = cipher.wire_frame(cipher.text_body(b"0123456789"), key)
        refused = cipher.wire_frame(cipher.text_body(b"0123456789"), key, cipher.FLAG_REFUSAL)
        self.assertEqual(plain[:3], b"\x00\x0e\x00")
        self.assertEqual(refused[:3], b"\x00\x0e\x39")
        self.assertEqual(plain[3:], refused[3:])
        self.assertEqual(cipher.parse_header(b"\x20\x08\x39"), (8200, 0x39))
        with self.assertRaises(ValueError):
            cipher.text_body(b"a\0b")


class KnownAnswerFileTest(unittest.TestCase):
    """The committed table must be what the generator makes now."""

    def test_committed_table_is_current(self):
        import os
        import tempfile
        import make_cipher_kat
        committed = os.path.join(make_cipher_kat.ROOT, "tests", "link", "data")
        with tempfile.TemporaryDirectory() as tmp:
            make_cipher_kat.main([tmp])
            for name in ("cipher_kat.txt", "cipher_kat.key"):
                with open(os.path.join(tmp, name), "rb") as a, \
                        open(os.path.join(committed, name), "rb") as b:
                    self.assertEqual(a.read(), b.read(), name)

    def test_every_line_deciphers_to_its_body(self):
        import os
        import make_cipher_kat
        data = os.path.join(make_cipher_kat.ROOT, "tests", "link", "data")
        with open(os.path.join(data, "cipher_kat.key"), "rb") as f:
            key = f.read()
        with open(os.path.join(data, "cipher_kat.txt")) as f:
            lines = [l.split() for l in f if not l.startswith("#")]
        for total, flag, body, wire in lines:
            body, wire = bytes.fromhex(body), bytes.fromhex(wire)
            self.assertEqual(cipher.parse_header(wire), (int(total), int(flag, 16)))
            self.assertEqual(cipher.decipher(wire[3:], key), body)


if __name__ == "__main__":
    unittest.main()

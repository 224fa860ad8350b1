import unittest

from korvusrv import records

S = b"\xff"


class RecordsTest(unittest.TestCase):
    def test_fields(self):
        ninety = b"00\xff" * 90
        cases = [  # record, n, field or None when missing
            (b"", 1, b""),
            (b"", 2, None),
            (b"A" + S, 1, b"A"),
            (b"A" + S, 2, b""),
            (b"A" + S, 3, None),
            (b"A" + S, 0, None),
            (ninety, 90, b"00"),
            (ninety, 91, b""),
            (ninety, 92, None),
            (b"10WIN", 1, b"10WIN"),
            (b"ab" + S + b"cd\0ef" + S + b"gh", 2, b"cd"),   # the record ends at its NUL
            (b"ab" + S + b"cd\0ef" + S + b"gh", 3, None),
        ]
        for record, n, want in cases:
            with self.subTest(record=record, n=n):
                if want is None:
                    with self.assertRaises(records.MissingField):
                        records.field(record, n)
                else:
                    self.assertEqual(records.field(record, n), want)

    def test_coded_fields(self):
        rec = records.join([b"00x", b"10WIN"]) + b"10"
        self.assertEqual(records.coded(rec, 2), (b"10", b"WIN"))
        self.assertEqual(records.coded(rec, 3), (b"10", b""))   # last field, no separator

    def test_replace_keeps_the_other_fields(self):
        rec = records.join([b"aa", b"bbbb", b"cc"])
        self.assertEqual(records.replace(rec, 2, b"x"), b"aa\xffx\xffcc\xff")
        self.assertEqual(records.replace(rec, 2, b"x" * 9), b"aa\xff" + b"x" * 9 + b"\xffcc\xff")
        self.assertEqual(records.replace(rec, 1, b""), b"\xffbbbb\xffcc\xff")
        with self.assertRaises(records.MissingField):
            records.replace(rec, 5, b"z")
        with self.assertRaises(ValueError):
            records.replace(rec, 1, b"a\xffb")

    def test_record_of_a_frame_text(self):
        text = b"h" * 50 + records.join([b"00a", b"00b"]) + b"\0trailing"
        self.assertEqual(records.split(records.record_of(text)), [b"00a", b"00b", b""])

    def test_show(self):
        self.assertEqual(records.show(b"ab\xffc|\\\x00\xfe"), "ab|c\\x7c\\\\\\x00\\xfe")
        self.assertEqual(records.show(b"abcdef", limit=2), "ab ... (4 more bytes)")


if __name__ == "__main__":
    unittest.main()

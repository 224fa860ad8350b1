import unittest

from korvusrv import frames, records


class FramesTest(unittest.TestCase):
    def test_login_request_layout(self):
        text = frames.login_request("ana", "", "01", "Es", group="g1", debug_mask=0x82)
        self.assertEqual(text[:6], b"\xfe0a00\x82")
        self.assertEqual(text[6:21], b" " * 15)
        self.assertEqual(text[21:36], b"EsKRVINI  01001")
        self.assertEqual(text[36:50], b"00000000000000")
        fields = records.split(records.record_of(text))
        self.assertEqual(len(fields), 91)        # 90 fields, each followed by 0xFF
        self.assertEqual(fields[50:57], [b"00ana", b"10", b"1001", b"10Es", b"10WIN1252",
                                         b"10g1", b"102.3.045"])
        self.assertEqual(set(fields[:50] + fields[57:90]), {b"00"})
        self.assertEqual(frames.parse_login_request(text)["company"], b"01")
        self.assertEqual(frames.login_request_problems(
            text, user="ana", password="", company="01", language="Es", debug_mask=0x82), [])

    def test_login_request_problems_name_the_fault(self):
        good = frames.login_request("ana", "pw", "01", "Es")
        cases = [  # altered text, expectations, words the report must hold
            (good, {"user": "eva"}, "field 51 (user)"),
            (good, {"debug_mask": 0x81}, "byte 5"),
            (good[:21] + b"EsKRVINI  01002" + good[36:], {}, "screen identifier"),
            (good[:-3], {}, "record"),
            (good[:50] + records.replace(good[50:], 3, b"01"), {}, "field 3"),
            (good[:50] + records.replace(good[50:], 52, b"00pw"), {}, "expected code"),
        ]
        for text, expected, words in cases:
            with self.subTest(words=words):
                problems = frames.login_request_problems(text, **expected)
                self.assertTrue(any(words in p for p in problems), problems)

    def test_redirect_and_direct_replies(self):
        text = frames.redirect_reply("127.0.0.1", 40123)
        self.assertEqual(text[21:36], b"EsKRVINI  01001")
        rec = records.record_of(text)
        self.assertEqual(records.coded(rec, 59), (b"00", b"127.0.0.1"))
        self.assertEqual(records.coded(rec, 60), (b"00", b"40123"))
        self.assertEqual(records.coded(records.record_of(frames.unavailable_reply()), 59)[1],
                         b"error")
        direct = frames.direct_reply(b"EsKRVMEN  01001", {1: b"00hola"}, command=b"3",
                                     number=12345)
        self.assertEqual((direct[3:4], direct[21:36], direct[36:44]),
                         (b"3", b"EsKRVMEN  01001", b"00012345"))
        with self.assertRaises(ValueError):
            frames.direct_reply(b"XXKRVINI  09999")
        with self.assertRaises(ValueError):
            frames.reply(b"short")


if __name__ == "__main__":
    unittest.main()

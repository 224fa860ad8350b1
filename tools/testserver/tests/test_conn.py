"""The server's side of one connection, driven over a socket pair."""

import os
import socket
import tempfile
import threading
import time
import unittest

from korvusrv import cipher, harness


class ConnTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.transcript = harness.Transcript(os.path.join(self.tmp.name, "t.txt"))
        self.ctx = harness.Context(self.tmp.name, cipher.make_key(4), self.transcript, 2.0, None)
        server, self.client = socket.socketpair()
        self.conn = harness.Conn(self.ctx, "app", server, 1)

    def tearDown(self):
        self.conn.close()
        self.client.close()
        self.transcript.close()
        self.tmp.cleanup()

    def client_sends(self, pieces, delay=0.02):
        def run():
            for p in pieces:
                self.client.sendall(p)
                time.sleep(delay)
        t = threading.Thread(target=run)
        t.start()
        self.addCleanup(t.join)

    def test_frame_read_from_partial_pieces(self):
        wire = cipher.wire_frame(cipher.text_body(b"x" * 3000), self.ctx.key)
        # One byte of the length, then the rest of the header with a little body, then the rest.
        self.client_sends([wire[:1], wire[1:5], wire[5:2500], wire[2500:]])
        self.assertEqual(self.conn.expect_frame(), b"x" * 3000)
        self.assertEqual(self.ctx.received["app"][0].total, 3004)

    def test_two_frames_back_to_back(self):
        key = self.ctx.key
        self.client_sends([cipher.wire_frame(b"0\0", key)
                           + cipher.wire_frame(b"bin\x00ary", key, cipher.FLAG_REFUSAL)])
        self.assertEqual(self.conn.expect_frame(), b"0")
        self.assertEqual(self.conn.expect_frame(flag=0x39, binary=True), b"bin\x00ary")

    def test_bad_frames_fail(self):
        key = self.ctx.key
        cases = [  # bytes the client sends, expectation keywords, words of the failure
            (cipher.header(8201) + b"\0" * 10, {}, "total 8201"),
            (cipher.header(3), {}, "total 3"),
            (cipher.wire_frame(b"abc", key), {}, "only NUL"),            # text without NUL
            (cipher.wire_frame(b"a\0b\0", key), {}, "only NUL"),         # NUL inside
            (cipher.wire_frame(b"0\0", key, 0x39), {}, "flag 0x39"),
            (cipher.wire_frame(b"0\0", key), {"flag": 0x39}, "flag 0x00"),
        ]
        for data, kw, words in cases:
            with self.subTest(words=words):
                server, client = socket.socketpair()
                conn = harness.Conn(self.ctx, "app", server, 1)
                client.sendall(data)
                with self.assertRaises(harness.ScenarioFailure) as e:
                    conn.expect_frame(**kw)
                self.assertIn(words, str(e.exception))
                conn.close()
                client.close()

    def test_silent_client_fails_within_the_bound(self):
        start = time.monotonic()
        with self.assertRaisesRegex(harness.ScenarioFailure, "nothing came within 0.3 s"):
            self.conn.expect_frame(timeout=0.3)
        self.assertLess(time.monotonic() - start, 2.0)

    def test_close_in_the_middle_of_a_frame(self):
        wire = cipher.wire_frame(b"y" * 100 + b"\0", self.ctx.key)
        self.client.sendall(wire[:40])
        self.client.close()
        with self.assertRaisesRegex(harness.ConnectionClosed, "after 37 of 101 bytes"):
            self.conn.expect_frame()

    def test_expect_closed(self):
        self.client.sendall(b"\x01\x02")
        with self.assertRaisesRegex(harness.ScenarioFailure, "2 more bytes"):
            self.conn.expect_closed(timeout=1)
        self.client.close()
        self.conn.expect_closed(timeout=1)

    def test_sent_in_pieces_arrives_whole(self):
        text = b"z" * 5000
        self.conn.send_text(text, chunks=[1, 1460], delay=0.01)
        got = bytearray()
        self.client.settimeout(2)
        while len(got) < 5004:
            got += self.client.recv(65536)
        self.assertEqual(cipher.decipher(bytes(got[3:]), self.ctx.key), text + b"\0")
        self.assertEqual(self.ctx.last_sent("app"), text)
        self.conn.send_header_only(9000)
        self.assertEqual(self.client.recv(16), b"\x23\x28\x00")

    def test_pieces(self):
        self.assertEqual(harness._pieces(b"abcdefg", [1, 2]), [b"a", b"bc", b"defg"])
        self.assertEqual(harness._pieces(b"abcdefg", 3), [b"abc", b"def", b"g"])
        self.assertEqual(harness._pieces(b"abc", None), [b"abc"])


class ConfigTextTest(unittest.TestCase):
    def test_overrides_replace_add_and_remove(self):
        text = harness.config_text([("port", "40000"), ("debugtrcli", "no"), ("claus", "k")],
                                   {"debugtrcli": "si", "ipdin": "http://x", "claus": None})
        self.assertEqual(text, "port=40000;\r\ndebugtrcli=si;\r\nipdin=http://x;\r\n")


if __name__ == "__main__":
    unittest.main()

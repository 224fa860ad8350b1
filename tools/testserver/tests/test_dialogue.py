import unittest

from korvusrv import demo, records, screens
from korvusrv.dialogue import ANY, Dialogue, state_back, style_back
from korvusrv.harness import ScenarioFailure

S = b"\xff"


class FakeCtx:
    def __init__(self):
        self.files = {}

    def write_file(self, name, data):
        self.files[name] = data


class FakeConn:
    """Frames the client would send, and what the server sent."""

    def __init__(self, incoming=()):
        self.incoming = list(incoming)
        self.sent = []
        self.ctx = FakeCtx()

    def send_text(self, text, chunks=None, delay=None):
        self.sent.append(bytes(text))

    def expect_frame(self):
        if not self.incoming:
            raise ScenarioFailure("nothing more from the client")
        frame = self.incoming.pop(0)
        return frame(self) if callable(frame) else frame

    def fail(self, message):
        raise ScenarioFailure(message)


def values_request(reply, trigger, current, values):
    """What the client writes over a reply (the rules the client follows, written again)."""
    head = bytearray(reply[:50])
    head[44:47] = b"%03d" % trigger
    head[47:50] = b"%03d" % current
    rec = records.split(records.record_of(reply))
    rec[6] = rec[6][:2] + b"0"
    for code, value in values.items():
        rec[code - 1] = rec[code - 1][:2] + value
    return bytes(head) + S.join(rec)


class DialogueTest(unittest.TestCase):
    def test_checksum_of_the_documented_line(self):
        f = screens.Field(1, "C", "x", x1=10, y1=20, x2=100, y2=30, option="E", maxlen=20,
                          action=1, order=1)
        self.assertEqual(screens.checksum([f.line(b"EsCLIENTES01001")]), 32648)

    def test_prefix_tables(self):
        for got, back in [(b"q", b"q"), (b"r", b"r"), (b"x", b"p"), (b"1", b"1"), (b"5", b"0")]:
            self.assertEqual(bytes([state_back(got[0])]), back, got)
        for got, back in [(b"7", b"9"), (b"8", b"5"), (b"1", b"0"), (b"A", b"A"), (b"J", b"0")]:
            self.assertEqual(bytes([style_back(got[0])]), back, got)

    def test_values_request_checked_byte_for_byte(self):
        conn = FakeConn()
        d = Dialogue(conn, demo.screens())
        reply = d.send_screen(demo.SEARCH, {demo.FILTER: ("q", "7", "ab")}, focus=demo.FILTER)
        self.assertIn("shown-EsDEMO____01001", conn.ctx.files)
        good = values_request(reply, demo.FIND, demo.FILTER, {demo.FILTER: b"xy"})
        # The client sends the mark and style back as its rules say.
        good_rec = records.split(records.record_of(good))
        self.assertEqual(good_rec[demo.FILTER - 1][:2], b"q7")
        fixed = records.replace(records.record_of(good), demo.FILTER, b"q9xy")
        good = good[:50] + fixed
        conn.incoming = [good]
        sent = d.expect_values(demo.FIND, demo.FILTER, values={demo.FILTER: b"xy"})
        self.assertEqual(sent[demo.FILTER], b"xy")

        for bad in (good[:45] + b"9" + good[46:],                        # trigger code
                    good[:50] + records.replace(good[50:], 7, b"001"),   # field 7 not cut
                    good[:50] + records.replace(good[50:], demo.FIND, b"00x"),  # a button sent
                    good[:50] + records.replace(good[50:], demo.FILTER, b"00xy")):  # prefix
            conn.incoming = [bad]
            with self.assertRaises(ScenarioFailure):
                d.expect_values(demo.FIND, demo.FILTER)

    def test_byte5_back_to_normal_only_after_the_first_frame_of_a_values_request(self):
        conn = FakeConn()
        d = Dialogue(conn, demo.screens())
        # The first screen comes after the login: its byte 5 goes back as it came.
        reply = d.send_screen(demo.SEARCH, {}, request=0x41)
        self.assertEqual(reply[5], 0x41)
        conn.incoming = [values_request(reply, demo.FIND, 0, {})]
        d.expect_values(demo.FIND, 0)
        # The answer to a values request: the client sets byte 5 back to 0x80.
        reply = d.send_screen(demo.SEARCH, {}, request=0x41)
        mirrored = values_request(reply, demo.FIND, 0, {})
        conn.incoming = [mirrored]
        with self.assertRaises(ScenarioFailure):
            d.expect_values(demo.FIND, 0)
        reset = bytearray(mirrored)
        reset[5] = 0x80
        conn.incoming = [bytes(reset)]
        d.expect_values(demo.FIND, 0)

    def test_trigger_left_open_must_name_a_field(self):
        conn = FakeConn()
        d = Dialogue(conn, demo.screens())
        reply = d.send_screen(demo.SEARCH, {})
        conn.incoming = [values_request(reply, demo.ROW_CODES[2], 0, {})]
        d.expect_values(None, current=ANY)
        self.assertEqual(d.trigger, demo.ROW_CODES[2])
        conn.incoming = [values_request(reply, 99, 0, {})]
        with self.assertRaises(ScenarioFailure):
            d.expect_values(None, current=ANY)

    def test_definitions_transfer(self):
        conn = FakeConn()
        d = Dialogue(conn, demo.screens())
        reply = d.send_screen(demo.SEARCH, {})
        request = bytearray(reply)
        request[2:3] = b"b"
        request[44:47] = b"001"
        echoes = lambda c: c.sent[-1][:50]
        count = sum(len(s.fields) for s in demo.screens())
        after = values_request(reply, demo.FIND, 0, {})
        conn.incoming = [bytes(request)] + [echoes] * count + [after]
        d.expect_values(demo.FIND, 0)
        lines = conn.sent[1:-1]
        self.assertEqual(len(lines), count)
        self.assertTrue(all(t[2:3] == b"b" for t in lines))
        first = records.split(records.record_of(lines[0]))
        self.assertEqual(first[:4], [b"Es", b"DEMO    01", b"1", b"10"])
        self.assertEqual(conn.sent[-1], reply, "the transfer ends with the reply asked about")
        self.assertIn(b"EsDEMO    01", d.known)

    def test_demo_company_keeps_what_is_saved(self):
        company = demo.Company(clock=lambda: "10:00:00")
        values = company.search_values("rivera")
        self.assertEqual(company.shown, [0])
        self.assertEqual(values[demo.ROW_CODES[1]], " ")
        company.form_values(0)
        company.save({demo.CITY: b"Alicante"})
        self.assertEqual(company.customers[0]["city"], "Alicante")
        self.assertIn("Alicante", company.search_values()[demo.ROW_CODES[0]])


if __name__ == "__main__":
    unittest.main()

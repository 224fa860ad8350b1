# The wine probe sends the 5 raw bytes 00 05 00 30 00 and waits for "hello".
def dispatcher(conn):
    frame = conn.expect_raw_frame()
    conn.check(frame.wire == b"\x00\x05\x00\x30\x00", "the probe's bytes")
    conn.send_raw(b"hello", chunks=[1, 1])
    conn.expect_closed()

# Every Transmit kind, frame by frame as it reaches the application server.
import link_common
from korvusrv import frames


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def expect(conn, total, flag, body):
    frame = conn.expect_raw_frame()
    conn.check((frame.total, frame.flag, frame.body) == (total, flag, body),
               "frame total %d flag %02X body %r, expected total %d flag %02X body %r" % (
                   frame.total, frame.flag, frame.body[:40], total, flag, body[:40]))
    conn.check(frame.wire[:3] == bytes([total >> 8, total & 0xFF, flag]), "header bytes")


def app(conn):
    link_common.first_app_frame(conn)                            # kind 0
    conn.send_text(frames.reply(link_common.MENU, command=b"3"))
    expect(conn, 9, 0x00, b"texto\0")                            # kind 1, a text
    expect(conn, 9, 0x00, b"\x02AB\x83x\xc0")                    # kind 1, a block with its length
    expect(conn, 5, 0x00, b"0\0")                                # kind 3
    expect(conn, 5, 0x00, b"1\0")                                # kind 5
    expect(conn, 5, 0x00, b"9\0")                                # kind 10
    expect(conn, 12, 0x39, b"refusado\0")                        # kind 4
    conn.send_text(frames.reply(link_common.MENU))               # awaited with kind 2
    expect(conn, 7, 0x00, b"fin\0")                              # kind 0 again: nothing between
    conn.send_text(b"ok")
    conn.expect_closed()

# A reply header announcing 2 bytes, less than the header itself (3, an empty body, is a frame).
import link_common


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.send_header_only(2)
    conn.expect_closed()

# A reply header announcing 8,201 bytes, one more than the client's wire buffer.
import link_common


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.send_header_only(8201)
    conn.expect_closed()

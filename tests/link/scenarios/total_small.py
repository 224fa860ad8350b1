# A reply header announcing 3 bytes: no body at all.
import link_common


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.send_header_only(3)
    conn.expect_closed()

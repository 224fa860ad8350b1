# The application server takes the frame and closes without answering.
import link_common


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.close()

# The application server takes the frame and closes without answering.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import link_common  # noqa: E402


def dispatcher(conn):
    link_common.redirect(conn, conn.ctx.app_port)


def app(conn):
    link_common.first_app_frame(conn)
    conn.close()

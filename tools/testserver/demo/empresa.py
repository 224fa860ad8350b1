"""The demo company as a scenario of the test server: the dispatcher sends the client on to the
application server, which plays the demo company (korvusrv.demo) until the client leaves.

Login: user "ana", password "demo", company "01", language "Es" (the first three and the
language come filled in from korvuc.cfg; the password is typed).

With KORVU_DEMO_DRIVE set, the driver logs in, searches, opens a customer by clicking its row,
tabs on to the form's second page, saves and goes back, leaving a screenshot of each screen,
then closes the program.
"""

import os

from korvusrv import demo, frames

STEP_TIMEOUT = 3600 if not os.environ.get("KORVU_DEMO_DRIVE") else 30
CONFIG = {"intermens": "20"}


def dispatcher(conn):
    conn.check_login(conn.expect_frame(), user="ana", company="01", language="Es")
    conn.send_text(frames.redirect_reply("127.0.0.1", conn.ctx.app_port))
    conn.expect_closed()


def app(conn):
    conn.check(conn.expect_frame() == conn.ctx.last_sent("dispatcher"), "first frame")
    demo.serve(conn)


def drive(d):
    d.wait_window()
    d.wait_text("Aceptar")
    d.screenshot("1-login.png")
    d.activate()
    d.type("demo")
    d.move_focus_to("Aceptar")
    d.key("Return")
    d.wait_text("Buscar", seconds=40)
    d.wait_focus("")
    d.screenshot("2-busqueda.png")
    d.type("bodegas")
    d.key("F5")
    d.wait_mark("values-1")
    # The listing's first row (y 118 to 135), placed from the filter field (y 50) and "Salir"
    # (y 270): a row shows no text of its own to find it by.
    left, top, _, _ = d.rect("bodegas")
    scale = (d.rect("Salir")[1] - top) / 220.0
    d.click_screen(left + 60, int(top + (126 - 50) * scale))
    d.wait_text("Guardar")
    d.wait_focus("Bodegas Ortega")
    d.screenshot("3-ficha.png")
    # The tab order runs on to the credit limit, on the second tab page.
    d.move_focus_to("30000,00")
    d.screenshot("4-comercial.png")
    d.key("F2")
    d.wait_text("Cambios guardados")
    d.screenshot("5-guardado.png")
    d.key("F3")
    d.wait_text("Buscar")
    d.key("F12")

"""A small demo company: the screens the server sends as definitions on the first login and an
application server that answers them with plausible data and keeps what the user saves.

Screens (one series, "EsDEMO    01"):
  EsDEMO    01001  customer search: a name filter, "Buscar" (F5), a listing whose rows open
                   the customer, "Ficha" (F6) for the first one listed, "Salir" (F12) and a
                   line the refresh timer updates
  EsDEMO    01002  customer form: tab "General" (name, tax number, city, date of joining) and
                   tab "Comercial" (credit limit, active), "Guardar" (F2) and "Volver" (F3)
"""

import copy
import time

from .dialogue import ANY, Dialogue
from .screens import Field, Screen

SEARCH = b"EsDEMO    01001"
FORM = b"EsDEMO    01002"
ROWS = 8
ROW_CODES = list(range(61, 61 + ROWS))

# Search screen codes.
TITLE, FILTER, FIND, OPEN, LEAVE, HEADER, TIMER = 10, 11, 12, 13, 14, 20, 24
# Form codes.
F_TITLE, TABS, NAME, NIF, DATE, CREDIT, ACTIVE, CITY, SAVE, BACK, NOTE = (
    30, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49)

CUSTOMERS = [
    {"name": "Alimentación Rivera S.L.", "nif": "B12345678", "city": "Valencia",
     "since": "12/03/2015", "credit": "12000.00", "active": "S"},
    {"name": "Bodegas Ortega", "nif": "B23456789", "city": "Logroño",
     "since": "01/07/2009", "credit": "30000.00", "active": "S"},
    {"name": "Carpintería Soler", "nif": "B34567890", "city": "Castellón",
     "since": "23/11/2018", "credit": "4500.00", "active": "S"},
    {"name": "Distribuciones Marín", "nif": "A45678901", "city": "Murcia",
     "since": "05/02/2012", "credit": "25000.00", "active": "N"},
    {"name": "Electricidad Navarro", "nif": "B56789012", "city": "Pamplona",
     "since": "17/09/2020", "credit": "8000.00", "active": "S"},
    {"name": "Frutas García e Hijos", "nif": "B67890123", "city": "Lleida",
     "since": "30/04/2011", "credit": "15000.00", "active": "S"},
]

HEADER_DEF = "00000X0026X0012X0012N0009;Cliente\tNIF\tCiudad\tCrédito"


def search_screen():
    fields = [
        Field(TITLE, " ", "Búsqueda de clientes", x1=20, y1=10, x2=300, option="G", maxlen=40),
        Field(FILTER, "C", "Nombre contiene", x1=20, y1=50, maxlen=30, order=1),
        # The buttons are taller than the filter field: centred on it, not below it.
        Field(FIND, "B", "Buscar", x1=300, y1=46, key=5, action=1, order=2, maxlen=10),
        Field(OPEN, "B", "Ficha", x1=400, y1=46, key=6, action=1, order=21, maxlen=10),
        Field(HEADER, "S", "", x1=20, y1=100, x2=420, maxlen=64),
    ]
    for i, code in enumerate(ROW_CODES):
        fields.append(Field(code, "I", "", x1=20, y1=118 + 16 * i, x2=420, maxlen=64, action=1,
                            order=3 + i))
    fields += [
        Field(LEAVE, "B", "Salir", x1=330, y1=270, key=12, action=9, order=22, maxlen=10),
        Field(TIMER, " ", "", x1=20, y1=275, x2=300, maxlen=40),
    ]
    return Screen(SEARCH, fields)


def form_screen():
    return Screen(FORM, [
        Field(F_TITLE, " ", "Ficha de cliente", x1=20, y1=10, x2=300, option="G", maxlen=40),
        Field(NAME, "C", "Nombre", x1=30, y1=70, maxlen=30, order=1, page=1),
        Field(NIF, "C", "NIF", x1=30, y1=110, maxlen=12, order=2, page=1),
        Field(CITY, "C", "Ciudad", x1=30, y1=150, maxlen=20, order=3, page=1),
        Field(DATE, "C", "Fecha de alta", x1=300, y1=110, data="F", maxlen=10, order=4, page=1),
        Field(CREDIT, "C", "Límite de crédito", x1=30, y1=70, data="2", maxlen=9, order=5, page=2),
        Field(ACTIVE, "K", "Activo", x1=30, y1=110, order=6, page=2),
        # Just under the tab pages, the buttons ending where they end, the note beside them.
        Field(SAVE, "B", "Guardar", x1=365, y1=182, key=2, action=1, order=7, maxlen=10),
        Field(BACK, "B", "Volver", x1=465, y1=182, key=3, action=1, order=8, maxlen=10),
        Field(NOTE, " ", "", x1=20, y1=187, x2=340, maxlen=60),
        Field(TABS, "N", "General", x1=20, y1=40, x2=560, y2=170, page=1),
        Field(TABS, "N", "Comercial", x1=20, y1=40, x2=560, y2=170, page=2),
    ])


def screens():
    return [search_screen(), form_screen()]


def row_text(c):
    credit = "%9s" % c["credit"].replace(".", ",")  # as the form's numeric field shows it
    return "%-26s %-12s %-12s %s" % (c["name"][:26], c["nif"], c["city"][:12], credit[-9:])


class Company:
    """The demo application: the customers it keeps while it runs and its screens."""

    def __init__(self, clock=None):
        self.customers = copy.deepcopy(CUSTOMERS)
        self.clock = clock or (lambda: time.strftime("%H:%M:%S"))
        self.shown = []          # indexes of the customers in the listing rows
        self.current = None      # index of the customer on the form

    def search_values(self, filter_text=""):
        wanted = filter_text.strip().lower()
        self.shown = [i for i, c in enumerate(self.customers)
                      if wanted in c["name"].lower()][:ROWS]
        values = {TITLE: "", FILTER: filter_text, HEADER: HEADER_DEF,
                  TIMER: "Actualizado a las %s" % self.clock()}
        for n, code in enumerate(ROW_CODES):
            values[code] = row_text(self.customers[self.shown[n]]) if n < len(self.shown) else " "
        return values

    def form_values(self, index, note=""):
        c = self.customers[index]
        self.current = index
        return {F_TITLE: "", NAME: c["name"], NIF: c["nif"], CITY: c["city"],
                DATE: c["since"], CREDIT: c["credit"], ACTIVE: c["active"], NOTE: note,
                TABS: ""}

    def save(self, sent):
        c = self.customers[self.current]
        for code, key in ((NAME, "name"), (NIF, "nif"), (CITY, "city"), (DATE, "since"),
                          (CREDIT, "credit"), (ACTIVE, "active")):
            if code in sent:
                c[key] = sent[code].decode("cp1252")


def login_reply_focus():
    return {"focus": FILTER}


def serve(conn, company=None, known=(), on_request=None):
    """The application side after the login frame: the search screen, then whatever the user
    asks for, until the client closes the connection. `on_request(d, sent)` may check each
    values request further."""
    from .harness import ConnectionClosed
    company = company or Company()
    d = Dialogue(conn, screens(), known)
    d.send_screen(SEARCH, company.search_values(), focus=FILTER)
    try:
        while True:
            sent = d.expect_values(None, current=ANY)
            if on_request:
                on_request(d, sent)
            trigger = d.trigger
            if d.screen.id == SEARCH:
                row = ROW_CODES.index(trigger) if trigger in ROW_CODES else 0
                if (trigger in ROW_CODES or trigger == OPEN) and row < len(company.shown):
                    index = company.shown[row]
                    d.send_screen(FORM, company.form_values(index), focus=NAME)
                else:
                    text = sent.get(FILTER, b"").decode("cp1252")
                    d.send_screen(SEARCH, company.search_values(text), focus=FILTER)
            else:
                if trigger == SAVE:
                    company.save(sent)
                    d.send_screen(FORM, company.form_values(company.current, "Cambios guardados"),
                                  focus=NAME)
                else:
                    d.send_screen(SEARCH, company.search_values(), focus=FILTER)
    except ConnectionClosed:
        return d

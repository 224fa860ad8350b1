#ifndef KORVU_SCREENS_ORDRETABULACIO_H
#define KORVU_SCREENS_ORDRETABULACIO_H

#include "framework/controls/ControlDef.h"

#include <vector>

// Where the focus goes by tab order and tab page, and what leaving a field asks for. Indexes
// are places in the field table; -1 is none.
class OrdreTabulacio {
public:
    using Campos = std::vector<ControlDef>;

    // Tab from field c: the next higher tab order below 999 among normal fields, else the
    // lowest from 1; -1 when neither exists. Equal orders: the first in the table.
    static int Siguiente(const Campos& campos, int c);
    // Shift+Tab from field c: the next lower non-zero order, else the highest (no upper bound).
    static int Anterior(const Campos& campos, int c);

    // The field a new screen focuses: a normal field with a control and the lowest tab order
    // from 1 up to 998 (the first of equals); -1 when none.
    static int CampoDefecto(const Campos& campos);

    // The page of the tab whose stored index is `indice`, from the tab strip's record.
    static bool PaginaDeTab(const ControlDef& tira, int indice, int& pagina);
    // The stored tab index of the first tab of page p.
    static bool TabDePagina(const ControlDef& tira, int pagina, int& indice);

    // The field to focus when the user picks tab `indice`: -1 when the current field c is on
    // every page or on that page, or the page has no field with a control, not hidden, with an
    // order from 1 to 999 (the last of equals).
    static int PrimerCampoPagina(const Campos& campos, int c, int tira, int indice);

    // What showing page p does to a field: 1 show, 0 hide, -1 leave it.
    static int Visibilidad(const ControlDef& campo, int pagina);

    enum Salida { kNada, kAhora, kPendiente };
    // Leaving field l for field n: whether an exchange runs now, later (when n is activated)
    // or not at all.
    static Salida AlSalir(const Campos& campos, int l, int n);

    static bool Pulsable(int tipo);
};

#endif

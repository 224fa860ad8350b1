#include "framework/controls/FontEtiqueta.h"

#include "app/Configuracio.h"

HFONT FontEtiqueta(Win::MidesCDN::Font font)
{
    using Font = Win::MidesCDN::Font;
    switch (font) {
    case Font::Control: return configuracio.fontControl;
    case Font::ControlMitjana: return configuracio.fontControlMitjana;
    case Font::ControlGran: return configuracio.fontControlGran;
    case Font::Titol: return configuracio.fontTitol;
    case Font::FixaGran: return configuracio.fontFixaGran;
    case Font::Enllac: return configuracio.fontEnllac;
    case Font::Fixa: break;
    }
    return configuracio.fontFixa;
}

#include "framework/controls/FontEtiqueta.h"

#include "framework/Ajustos.h"

HFONT FontEtiqueta(Win::MidesCDN::Font font)
{
    using Font = Win::MidesCDN::Font;
    switch (font) {
    case Font::Control: return Win::ajustos().fontControl;
    case Font::ControlMitjana: return Win::ajustos().fontControlMitjana;
    case Font::ControlGran: return Win::ajustos().fontControlGran;
    case Font::Titol: return Win::ajustos().fontTitol;
    case Font::FixaGran: return Win::ajustos().fontFixaGran;
    case Font::Enllac: return Win::ajustos().fontEnllac;
    case Font::Fixa: break;
    }
    return Win::ajustos().fontFixa;
}

#ifndef KORVU_FRAMEWORK_AJUSTOS_H
#define KORVU_FRAMEWORK_AJUSTOS_H

#include <windows.h>

#include <string>

namespace Win {

// What the framework reads of the program's settings: the fonts, pictures and brushes made at
// start-up, the screen scale, and the few values of the settings file the controls depend on.
// The program's settings object derives from it; the program's start-up hands it over once
// the settings file is loaded (UsaAjustos), and a test hands over its own. Until then the
// framework reads a blank one: no fonts or pictures, scale 1.
struct Ajustos {
    virtual ~Ajustos() = default;

    // The language of the session, which chooses the decimal signs.
    virtual std::string Idioma() const { return {}; }
    // In development mode a field that takes the focus does not select its text.
    virtual bool ModeDesenvolupament() const { return false; }
    // Where the pictures named by file live; ends with "\" when set.
    virtual std::string DirBitmaps() const { return {}; }

    HBITMAP bmpCapLlista = nullptr;
    HBITMAP bmpCapLlista50 = nullptr;
    HBITMAP bmpCapLlista53 = nullptr;
    HBITMAP bmpCapLlista150 = nullptr;
    HBITMAP bmpBandaEtiqueta = nullptr;
    HBITMAP bmpBandaMenu = nullptr;
    HBITMAP bmpFonsText = nullptr;
    HBITMAP bmpFonsText2 = nullptr;
    HBITMAP bmpFonsText3 = nullptr;
    HBITMAP bmpImatge133 = nullptr;
    HBITMAP bmpLogo = nullptr;
    HICON icoMes = nullptr;
    HICON icoMenys = nullptr;
    HICON icoEntrada = nullptr;
    HBRUSH brFonsText = nullptr;
    HBRUSH brFonsText2 = nullptr;
    HBRUSH brFonsText3 = nullptr;
    double escalaX = 1.0;
    double escalaY = 1.0;
    HFONT fontFixa = nullptr;
    HFONT fontFixaPetita = nullptr;
    HFONT fontFixaGran = nullptr;
    HFONT fontControl = nullptr;
    HFONT fontControlMitjana = nullptr;
    HFONT fontTitol = nullptr;
    HFONT fontControlGran = nullptr;
    HFONT fontEnllac = nullptr;
    HFONT fontArial = nullptr;
    HFONT fontSubratllada = nullptr;
    HFONT fontLlista = nullptr;
    HMODULE recursos = nullptr; // the resource library; its owner frees it
};

// The settings in force: those handed over, or the blank ones.
Ajustos& ajustos();
// Hands over the settings the framework reads from now on; they must outlive its use.
void UsaAjustos(Ajustos& a);

} // namespace Win

#endif

#ifndef KORVU_TESTS_FRAMEWORK_AJUSTOSPROVA_H
#define KORVU_TESTS_FRAMEWORK_AJUSTOSPROVA_H

#include "framework/Ajustos.h"

#include <string>

// The settings a test of the window library owns and hands over (Win::UsaAjustos): what the
// settings file would give are plain members here.
struct AjustosProva : Win::Ajustos {
    std::string idioma;
    unsigned char modeDesenvolupament = 0;
    std::string dirbitmaps;

    std::string Idioma() const override { return idioma; }
    bool ModeDesenvolupament() const override { return modeDesenvolupament != 0; }
    std::string DirBitmaps() const override { return dirbitmaps; }
};

// The one set of the test program, handed over by the fixtures that read it.
inline AjustosProva ajustosProva;

#endif

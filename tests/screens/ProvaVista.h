#ifndef KORVU_TESTS_SCREENS_PROVAVISTA_H
#define KORVU_TESTS_SCREENS_PROVAVISTA_H

// A view over a hidden window, its definitions file in a folder of its own.

#include "link/Comunicador.h"
#include "screens/Vista.h"
#include "tests/framework/FitxerProva.h"
#include "tests/framework/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace prova {

// A view whose definitions file lives in the folder `carpeta` (made empty) of the working
// directory. `com` may be a link already connected.
struct VistaDeProva {
    TestWindow finestra;
    unsigned char filtre = 7;
    std::string dir;
    std::unique_ptr<Vista> vista;

    VistaDeProva(const std::string& carpeta, Comunicador* com)
    {
        dir = DirActual() + "\\" + carpeta;
        CreateDirectoryA(dir.c_str(), nullptr);
        for (const char* nom : {"PANT1.DAT", "PANT1.SAV", "PANT1.OLD", "PANT1.NEW"})
            DeleteFileA(Cami(nom).c_str());
        vista = std::make_unique<Vista>(finestra.hwnd, com, &filtre);
        vista->dirTrabajo = dir;
        vista->fichPantallas = Cami("PANT1.DAT");
    }

    std::string Cami(const char* nom) const { return dir + "\\" + nom; }
};

} // namespace prova

#endif

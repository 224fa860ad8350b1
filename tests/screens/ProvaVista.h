#ifndef KORVU_TESTS_SCREENS_PROVAVISTA_H
#define KORVU_TESTS_SCREENS_PROVAVISTA_H

// A view over a hidden window, its definitions file in a folder of its own, and file helpers
// for the tests of the definitions file.

#include "link/Comunicador.h"
#include "screens/Vista.h"
#include "tests/framework/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace prova {

inline std::string DirActual()
{
    char dir[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, dir);
    return std::string(dir, n);
}

inline void EscriuFitxer(const std::string& nom, const std::string& text)
{
    std::FILE* f = std::fopen(nom.c_str(), "wb");
    ASSERT_NE(f, nullptr) << nom;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

inline std::string LlegeixFitxer(const std::string& nom)
{
    std::string text;
    if (std::FILE* f = std::fopen(nom.c_str(), "rb")) {
        char b[4096];
        std::size_t n;
        while ((n = std::fread(b, 1, sizeof b, f)) > 0)
            text.append(b, n);
        std::fclose(f);
    }
    return text;
}

inline bool Existeix(const std::string& nom)
{
    return GetFileAttributesA(nom.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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

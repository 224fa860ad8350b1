#ifndef KORVU_TESTS_DOCUMENTS_PROVADOCUMENTS_H
#define KORVU_TESTS_DOCUMENTS_PROVADOCUMENTS_H

// Helpers of the document tests: a working folder laid out as the client's, the Open and Save
// dialogs answered by the test, the shell's associations pointed at the recording stand-in,
// and waits for what the stand-ins record.

#include "app/Configuracio.h"
#include "documents/DialegFitxer.h"
#include "tests/framework/FitxerProva.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace prova {

// The folders of the configuration under the working folder, with TMP among them.
inline void PreparaCarpetes()
{
    const std::string c = DirActual();
    for (const char* sub : {"\\docs", "\\docs\\01", "\\ficheros", "\\ficheros\\01", "\\import",
                            "\\jfree", "\\tmp"})
        CreateDirectoryA((c + sub).c_str(), nullptr);
    configuracio.dirdocs = c + "\\docs\\01\\";
    configuracio.primerDocuments = 0;
    configuracio.dirficheros = c + "\\ficheros\\01\\";
    configuracio.primerFitxers = 0;
    configuracio.dirimport = c + "\\import\\";
    configuracio.dirjfree = c + "\\jfree\\";
    configuracio.exthojac = "prn";
    configuracio.visorSvg = "";
    configuracio.so = 1;
    SetEnvironmentVariableA("TMP", (c + "\\tmp").c_str());
}

// Answers the Open and Save dialogs while it lives: each call takes the next answer (an empty
// answer cancels) and is recorded.
class Dialegs {
public:
    struct Crida {
        DialegFitxer::Tipus tipus;
        std::string nom;
        std::string carpeta;
    };

    explicit Dialegs(std::vector<std::string> respostes)
    {
        respostes_ = std::move(respostes);
        crides_.clear();
        previ_ = DialegFitxer::SetHook(&Respon);
    }
    ~Dialegs() { DialegFitxer::SetHook(previ_); }
    Dialegs(const Dialegs&) = delete;
    Dialegs& operator=(const Dialegs&) = delete;

    const std::vector<Crida>& Crides() const { return crides_; }

private:
    static bool Respon(DialegFitxer::Tipus tipus, HWND, const std::string& nom,
                       const std::string& carpeta, std::string& triat)
    {
        crides_.push_back({tipus, nom, carpeta});
        if (respostes_.empty())
            return false;
        triat = respostes_.front();
        respostes_.erase(respostes_.begin());
        return !triat.empty();
    }

    DialegFitxer::Hook previ_;
    static inline std::vector<std::string> respostes_;
    static inline std::vector<Crida> crides_;
};

// The stand-ins folder as the client sees it, from the harness's KORVU_STANDINS_DIR.
inline std::string CarpetaStandins()
{
    const char* unix = std::getenv("KORVU_STANDINS_DIR");
    std::string c = unix ? std::string("Z:") + unix : std::string();
    for (char& ch : c) {
        if (ch == '/')
            ch = '\\';
    }
    return c;
}

inline void PosaValor(HKEY arrel, const std::string& clau, const char* nom, const std::string& valor)
{
    HKEY h;
    ASSERT_EQ(RegCreateKeyExA(arrel, clau.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
              ERROR_SUCCESS) << clau;
    RegSetValueExA(h, nom, 0, REG_SZ, reinterpret_cast<const BYTE*>(valor.c_str()),
                   static_cast<DWORD>(valor.size() + 1));
    RegCloseKey(h);
}

// Documents of the kinds the client opens, and "mailto:" links, go to the recording stand-in
// "abre.exe" through the prefix's own associations.
inline void RegistraAbre()
{
    const std::string ordre = "\"" + CarpetaStandins() + "\\abre.exe\" \"%1\"";
    for (HKEY arrel : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER}) {
        const std::string base = arrel == HKEY_CLASSES_ROOT ? "" : "Software\\Classes\\";
        for (const char* ext : {".pdf", ".rtf", ".svg", ".prn", ".bin"})
            PosaValor(arrel, base + ext, nullptr, "korvu.prova");
        PosaValor(arrel, base + "korvu.prova\\shell\\open\\command", nullptr, ordre);
        PosaValor(arrel, base + "mailto", nullptr, "URL:MailTo Protocol");
        PosaValor(arrel, base + "mailto", "URL Protocol", "");
        PosaValor(arrel, base + "mailto\\shell\\open\\command", nullptr, ordre);
    }
}

// The lines that a stand-in recorded, once it has written them (waits up to 15 s).
inline std::vector<std::string> Registre(const std::string& programa, std::size_t linies = 1)
{
    std::vector<std::string> out;
    for (int i = 0; i < 150; ++i) {
        const std::string text = LlegeixFitxer(programa + "-standin.log");
        out.clear();
        std::size_t pos = 0;
        for (std::size_t fi; (fi = text.find('\n', pos)) != std::string::npos; pos = fi + 1)
            out.push_back(text.substr(pos, fi - pos));
        if (out.size() >= linies)
            return out;
        Sleep(100);
    }
    return out;
}

} // namespace prova

#endif

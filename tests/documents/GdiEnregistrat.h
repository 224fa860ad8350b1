#ifndef KORVU_TESTS_GDIENREGISTRAT_H
#define KORVU_TESTS_GDIENREGISTRAT_H

#include "documents/GdiImpressio.h"

#include <map>
#include <string>
#include <vector>

// Makes the real GDI calls and writes each one down as a line, with the font that is selected
// when text is drawn. The call named by falla (one that can fail in a job) fails instead, its
// vegada-th time, without reaching GDI.
class GdiEnregistrat : public GdiImpressio {
public:
    std::vector<std::string> crides;
    std::string falla;
    int vegada = 1;
    int pas = 0;  // the line step that the metrics give (height + external leading)

    HDC CreaDc(const std::string& impressora) override
    {
        Anota("CreaDc " + impressora);
        return GdiImpressio::CreaDc(impressora);
    }
    BOOL EsborraDc(HDC dc) override
    {
        Anota("EsborraDc");
        return GdiImpressio::EsborraDc(dc);
    }
    int IniciaDocument(HDC dc, const char* nom) override
    {
        Anota(std::string("IniciaDocument ") + nom);
        return Falla("IniciaDocument") ? 0 : GdiImpressio::IniciaDocument(dc, nom);
    }
    int AcabaDocument(HDC dc) override
    {
        Anota("AcabaDocument");
        return Falla("AcabaDocument") ? 0 : GdiImpressio::AcabaDocument(dc);
    }
    int AbandonaDocument(HDC dc) override
    {
        Anota("AbandonaDocument");
        return GdiImpressio::AbandonaDocument(dc);
    }
    int IniciaPagina(HDC dc) override
    {
        Anota("IniciaPagina");
        return Falla("IniciaPagina") ? 0 : GdiImpressio::IniciaPagina(dc);
    }
    int AcabaPagina(HDC dc) override
    {
        Anota("AcabaPagina");
        return Falla("AcabaPagina") ? 0 : GdiImpressio::AcabaPagina(dc);
    }
    HFONT CreaFont(const std::string& cara, int alcada) override
    {
        Anota("CreaFont " + cara + " " + std::to_string(alcada));
        if (Falla("CreaFont"))
            return nullptr;
        HFONT f = GdiImpressio::CreaFont(cara, alcada);
        noms_[f] = cara;
        ++vives_;
        return f;
    }
    HGDIOBJ Selecciona(HDC dc, HGDIOBJ objecte) override
    {
        Anota("Selecciona " + Nom(objecte));
        seleccionada_ = objecte;
        return GdiImpressio::Selecciona(dc, objecte);
    }
    BOOL EsborraObjecte(HGDIOBJ objecte) override
    {
        Anota("EsborraObjecte " + Nom(objecte));
        if (noms_.count(objecte))
            --vives_;
        return GdiImpressio::EsborraObjecte(objecte);
    }
    BOOL Metriques(HDC dc, TEXTMETRICA* tm) override
    {
        const BOOL r = GdiImpressio::Metriques(dc, tm);
        pas = tm->tmHeight + tm->tmExternalLeading;
        return r;
    }
    int PixelsPerPolzada(HDC dc) override
    {
        const int p = GdiImpressio::PixelsPerPolzada(dc);
        Anota("PixelsPerPolzada " + std::to_string(p));
        return p;
    }
    BOOL EscriuText(HDC dc, int x, int y, const std::string& text) override
    {
        Anota("EscriuText " + std::to_string(x) + "," + std::to_string(y) + " " + text + " [" + Nom(seleccionada_) + "]");
        return Falla("EscriuText") ? FALSE : GdiImpressio::EscriuText(dc, x, y, text);
    }
    int PassaDirecte(HDC dc, const char* dades) override
    {
        Anota("PassaDirecte " + std::to_string(static_cast<unsigned char>(dades[0]) |
                                               static_cast<unsigned char>(dades[1]) << 8));
        return Falla("PassaDirecte") ? 0 : GdiImpressio::PassaDirecte(dc, dades);
    }

    // Fonts made and not deleted.
    int FontsVives() const { return vives_; }

private:
    bool Falla(const std::string& crida)
    {
        return crida == falla && --vegada == 0;
    }
    void Anota(const std::string& s) { crides.push_back(s); }
    std::string Nom(HGDIOBJ o) const
    {
        const auto i = noms_.find(o);
        return i == noms_.end() ? "inicial" : i->second;
    }

    std::map<HGDIOBJ, std::string> noms_;
    HGDIOBJ seleccionada_ = nullptr;
    int vives_ = 0;
};

#endif

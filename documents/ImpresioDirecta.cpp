#include "documents/ImpresioDirecta.h"

#include "documents/DcImpressora.h"
#include "documents/DocumentGdi.h"
#include "documents/FluxRegistres.h"
#include "documents/FontGdi.h"
#include "framework/ErrorBox.h"

#include <climits>
#include <optional>

const char ImpresioDirecta::kTextError[] = "No se ha completado la impresión:\nVista.ImpresionDirecta";

bool ImpresioDirecta::Imprimeix(const std::string& cami, GdiImpressio& gdi)
{
    bool fet = false;
    try {
        std::string dades;
        PlaImpresioDirecta pla;
        fet = FluxRegistres::LlegeixFitxer(cami, dades) && pla.Llegeix(dades) && Executa(pla, gdi);
    } catch (...) {
        fet = false;
    }
    if (!fet)
        MuestraDispError(kTextError);
    return fet;
}

bool ImpresioDirecta::Executa(const PlaImpresioDirecta& pla, GdiImpressio& gdi)
{
    // The fonts outlive the device context, so none is deleted while it is selected there.
    std::optional<FontGdi> control;
    std::optional<FontGdi> barres;
    std::optional<FontGdi> fontA22;

    DcImpressora dc(gdi, pla.impressora);
    if (!dc.Dc())
        return false;
    DocumentGdi document(gdi, dc.Dc());
    if (!document.Inicia(PlaImpresioDirecta::NomDocument(pla.tipus)))
        return false;

    if (pla.tipus == 'A') {
        if (gdi.PassaDirecte(dc.Dc(), PlaImpresioDirecta::kPolsCalaix) <= 0)
            return false;
        return document.Acaba();
    }
    if (gdi.IniciaPagina(dc.Dc()) <= 0)
        return false;

    if (pla.tipus == 'L' || pla.tipus == 'C') {
        control.emplace(gdi, "Control", 0);
        if (!control->Font())
            return false;
        const HGDIOBJ anterior = gdi.Selecciona(dc.Dc(), control->Font());
        if (!gdi.EscriuText(dc.Dc(), 0, 0, pla.tipus == 'L' ? "G" : "r"))
            return false;
        if (pla.tipus == 'L') {
            gdi.Selecciona(dc.Dc(), anterior);
        } else {
            barres.emplace(gdi, pla.caraBarres, PlaImpresioDirecta::AlcadaBarres(pla.midaBarres, gdi.PixelsPerPolzada(dc.Dc())));
            if (!barres->Font())
                return false;
            gdi.Selecciona(dc.Dc(), barres->Font());
        }
        control.reset();
    }

    TEXTMETRICA tm = {};
    if (!gdi.Metriques(dc.Dc(), &tm))
        return false;
    const long long pas = static_cast<long long>(tm.tmHeight) + tm.tmExternalLeading + (pla.tipus == 'C' ? 30 : 0);

    HGDIOBJ abansA22 = nullptr;
    // A #G while "FontA22" is on replaces "FontA22" itself: from then on every #R gives it back.
    bool abansEsA22 = false;
    for (const PlaImpresioDirecta::Pas& p : pla.passos) {
        switch (p.ordre) {
        case PlaImpresioDirecta::Ordre::Text: {
            const long long y = pas * p.linia;
            if (!gdi.EscriuText(dc.Dc(), 0, static_cast<int>(y > INT_MAX ? INT_MAX : y), p.text))
                return false;
            break;
        }
        case PlaImpresioDirecta::Ordre::FontA22:
            // The font already on is a "FontA22" just like a new one: it stays, and no second is made.
            if (fontA22) {
                abansEsA22 = true;
            } else {
                fontA22.emplace(gdi, "FontA22", 0);
                if (!fontA22->Font())
                    return false;
                abansA22 = gdi.Selecciona(dc.Dc(), fontA22->Font());
            }
            break;
        case PlaImpresioDirecta::Ordre::FontAnterior:
            if (fontA22 && !abansEsA22) {
                gdi.Selecciona(dc.Dc(), abansA22);
                fontA22.reset();
            }
            break;
        }
    }

    if (gdi.AcabaPagina(dc.Dc()) <= 0)
        return false;
    return document.Acaba();
}

#include "documents/ImpresioRaw.h"

#include "documents/FluxRegistres.h"
#include "documents/ImpressoraSpooler.h"
#include "documents/PlaImpresioRaw.h"
#include "framework/ErrorBox.h"

bool ImpresioRaw::Imprimeix(const std::string& cami)
{
    const long linia = Envia(cami);
    if (linia < 0)
        return true;
    MuestraDispError(PlaImpresioRaw::TextError(linia));
    return false;
}

long ImpresioRaw::Envia(const std::string& cami)
{
    long n = 0;
    try {
        std::string dades;
        PlaImpresioRaw pla;
        if (!FluxRegistres::LlegeixFitxer(cami, dades) || !pla.Llegeix(dades))
            return n;
        n = 1;
        ImpressoraSpooler impressora(pla.impressora);
        if (!impressora.Inicia(PlaImpresioRaw::kNomDocument))
            return n;
        for (const PlaImpresioRaw::Escriptura& e : pla.escriptures) {
            n = e.linia;
            if (!impressora.Escriu(e.bytes))
                return n;
        }
        n = pla.liniaFinal;
        if (!impressora.Acaba())
            return n;
        return -1;
    } catch (...) {
        return n;
    }
}

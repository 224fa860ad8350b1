#include "documents/PlaImpresioDirecta.h"

#include "documents/FluxRegistres.h"

const char PlaImpresioDirecta::kPolsCalaix[7] = {0x05, 0x00, 0x1B, 0x70, 0x00, 0x0A, 0x64};

const char* PlaImpresioDirecta::NomDocument(char tipus)
{
    if (tipus == 'L')
        return "Ticket";
    if (tipus == 'C')
        return "Códigos de barras";
    return "Apertura cajon";
}

int PlaImpresioDirecta::AlcadaBarres(int punts, int pixelsPerPolzada)
{
    return -(punts * pixelsPerPolzada / 72);
}

bool PlaImpresioDirecta::Llegeix(std::string_view fitxer)
{
    *this = PlaImpresioDirecta();
    FluxRegistres f(fitxer);

    const std::string_view capcalera = f.Fins(FluxRegistres::kFinalRegistre, 3);
    if (capcalera.empty())
        return false;
    tipus = capcalera.size() > 2 ? capcalera[2] : '\0';

    std::string_view camp;
    if (!f.Linia('#', FluxRegistres::kMaxRegistre, camp) || camp.empty())
        return false;
    impressora = std::string(camp);
    if (tipus == 'A')
        return true;

    if (tipus == 'C') {
        if (!f.Linia('#', 19, camp))
            return false;
        caraBarres = std::string(camp);
        if (!f.Linia('#', 3, camp))
            return false;
        for (std::size_t i = 0; i < camp.size() && camp[i] >= '0' && camp[i] <= '9'; ++i)
            midaBarres = midaBarres * 10 + (camp[i] - '0');
    }

    // The two bytes after the header fields.
    f.Salta();
    f.Salta();

    for (int linia = 0; !f.Fi(); ++linia) {
        const std::string_view registre = f.Registre();
        if (!registre.empty() && registre[0] == '#') {
            if (registre.size() > 1 && registre[1] == 'G')
                passos.push_back({Ordre::FontA22, linia, std::string()});
            else if (registre.size() > 1 && registre[1] == 'R')
                passos.push_back({Ordre::FontAnterior, linia, std::string()});
            f.Salta();
            f.Salta();
            continue;
        }
        f.Salta();
        // A last record without its 0x01 is not printed, and an empty one ends the job.
        if (f.Fi() || registre.empty())
            break;
        passos.push_back({Ordre::Text, linia, std::string(registre)});
        f.Salta();
    }
    return true;
}

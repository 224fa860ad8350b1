#include "documents/PlaImpresioRaw.h"

#include "documents/FluxRegistres.h"

const char PlaImpresioRaw::kNomDocument[] = "Documento Pelundrivax/Quorvanta";

std::string PlaImpresioRaw::Expandeix(std::string_view registre)
{
    std::string r;
    r.reserve(registre.size());
    std::size_t i = 0;
    while (i < registre.size()) {
        // An escape too near the end to hold its three bytes stays as it is.
        if (registre[i] == '#' && i + 4 < registre.size() && registre[i + 1] == '+') {
            const int a = static_cast<unsigned char>(registre[i + 2]);
            const int b = static_cast<unsigned char>(registre[i + 3]);
            const int c = static_cast<unsigned char>(registre[i + 4]);
            r += static_cast<char>((100 * a + 10 * b + c + 48) % 256);
            i += 5;
        } else {
            r += registre[i++];
        }
    }
    return r;
}

std::string PlaImpresioRaw::TextError(long linia)
{
    if (linia < 0 || linia > 999999)
        linia = 0;
    return "No se ha completado la impresión, #ref 086, lin.:" + std::to_string(linia);
}

bool PlaImpresioRaw::Llegeix(std::string_view fitxer)
{
    *this = PlaImpresioRaw();
    FluxRegistres f(fitxer);

    const std::string_view capcalera = f.Fins('\n', 2);
    if (capcalera.size() < 2 || capcalera[1] != 'E')
        return false;
    std::string_view nom;
    if (!f.Linia('\n', 299, nom) && !f.Fi())
        return false;
    impressora = std::string(nom);

    const int primer = f.Byte();
    char delimitador = primer < 0 ? '\x01' : static_cast<char>(primer);
    long n = 1;
    while (!f.Fi()) {
        const std::string_view registre = f.Fins(delimitador, 1000);
        ++n;
        const int seguent = f.Byte();
        if (seguent >= 0)
            delimitador = static_cast<char>(seguent);
        if (registre.empty())
            continue;
        std::string e = Expandeix(registre);
        if (e.size() < 2)
            continue;
        e.erase(0, 1);
        e += '\n';
        escriptures.push_back({std::move(e), n});
    }
    liniaFinal = n;
    return true;
}

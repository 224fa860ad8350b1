#include "documents/ConversorInforme.h"

#include "documents/FluxRegistres.h"

namespace ConversorInforme {

namespace {

// The record as a text stream would write it: every line feed reaches the disk as CR LF.
void EscriuLinia(const std::string& registre, std::string& sortida)
{
    for (char c : registre) {
        if (c == '\n')
            sortida += '\r';
        sortida += c;
    }
    sortida += "\r\n";
}

} // namespace

std::string Converteix(const std::string& informe)
{
    std::string sortida;
    FluxRegistres f(informe);
    f.Salta();  // the first kind byte
    while (!f.Esgotat()) {
        std::string registre(f.Fins('\x01', kMaxRegistre));
        std::size_t cr = registre.find('\r');
        if (cr != std::string::npos && cr != 0) {
            while (cr != std::string::npos) {
                registre.replace(cr, cr + 1 < registre.size() ? 2 : 1, "**");
                cr = registre.find('\r', cr);
            }
        }
        EscriuLinia(registre, sortida);
        // The delimiter and the next record's kind byte; after a record cut at its longest,
        // two bytes of its text.
        f.Salta();
        f.Salta();
    }
    return sortida;
}

std::string RutaConvertida(const std::string& font, const std::string& extensio)
{
    const std::size_t separador = font.find_last_of("\\/:");
    const std::size_t nom = separador == std::string::npos ? 0 : separador + 1;
    const std::size_t punt = font.find('.', nom);
    return font.substr(0, punt) + "." + extensio;
}

} // namespace ConversorInforme

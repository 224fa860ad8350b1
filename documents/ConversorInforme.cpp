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
        EscriuLinia(FluxRegistres::MarcaRetorns(std::string(f.Registre())), sortida);
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

#include "documents/ConversorInforme.h"

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
    std::size_t pos = 1;  // the first kind byte is dropped
    while (pos < informe.size()) {
        std::size_t fi = pos;
        while (fi < informe.size() && fi - pos < kMaxRegistre && informe[fi] != '\x01')
            ++fi;
        std::string registre = informe.substr(pos, fi - pos);
        std::size_t cr = registre.find('\r');
        if (cr != std::string::npos && cr != 0) {
            while (cr != std::string::npos) {
                registre.replace(cr, cr + 1 < registre.size() ? 2 : 1, "**");
                cr = registre.find('\r', cr);
            }
        }
        EscriuLinia(registre, sortida);
        pos = fi + 2;  // the delimiter and the next record's kind byte
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

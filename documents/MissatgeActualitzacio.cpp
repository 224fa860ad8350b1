#include "documents/MissatgeActualitzacio.h"

#include "documents/NomSimple.h"

namespace MissatgeActualitzacio {

Ordre Llegeix(const std::string& missatge)
{
    Ordre o;
    const std::size_t dosPunts = missatge.find(':');
    if (dosPunts == std::string::npos)
        return o;
    o.font = missatge.substr(dosPunts + 1);
    const std::size_t barra = missatge.find_last_of("/\\");
    if (barra != std::string::npos)
        o.instalador = missatge.substr(barra + 1);
    o.web = o.font.compare(0, 4, "http") == 0;
    o.valida = !o.font.empty() && o.font.size() <= kMaxCamp && o.instalador.size() <= kMaxCamp &&
               NomSimple::EsNomSimple(o.instalador) &&
               (!o.web || o.font.find('"') == std::string::npos);
    return o;
}

std::string LiniaWget(const std::string& font)
{
    if (font.find('"') != std::string::npos)
        return std::string();
    return "wget \"" + font + "\"";
}

} // namespace MissatgeActualitzacio

// A definitions file of any bytes, searched for a screen, read into records and merged with an
// update in both modes: nothing may read outside its buffers, and the records keep their rules.
#include "screens/FusioPantalles.h"
#include "screens/LectorPantalles.h"
#include "tests/screens/BytesMemoria.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const std::size_t tros = 1 + data[0] % 200;
    const bool idDeLaPrimera = data[1] & 1;
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
    // The identifier: the first line's, to reach the records, or the last 15 bytes.
    const std::string id = idDeLaPrimera ? text.substr(0, 15) : text.substr(text.size() > 15 ? text.size() - 15 : 0);

    // The line reader agrees with the plainest split at LF (a CR before it dropped).
    {
        prova::FontMemoria font(text, tros);
        LectorLinies linies(font, 16 + data[0]);
        std::string_view linia;
        std::size_t inici = 0;
        while (inici < text.size()) {
            std::size_t fi = text.find('\n', inici);
            const std::size_t seguent = fi == std::string::npos ? text.size() : fi + 1;
            if (fi == std::string::npos)
                fi = text.size();
            if (fi > inici && text[fi - 1] == '\r')
                --fi;
            if (!linies.Seguent(linia) || linia != std::string_view(text).substr(inici, fi - inici))
                __builtin_trap();
            inici = seguent;
        }
        if (linies.Seguent(linia))
            __builtin_trap();
    }

    // The search agrees with the plainest one: the first line that begins with the identifier.
    int saltades = 0;
    bool trobada = false;
    if (id.size() == 15) {
        for (std::size_t inici = 0; inici < text.size(); ++saltades) {
            std::size_t lf = text.find('\n', inici);
            if (lf == std::string::npos)
                lf = text.size();
            std::string_view linia = std::string_view(text).substr(inici, lf - inici);
            if (!linia.empty() && linia.back() == '\r')
                linia.remove_suffix(1);
            if (linia.substr(0, 15) == id) {
                trobada = true;
                break;
            }
            inici = lf + 1;
        }
    }

    prova::FontMemoria font(text, tros);
    LectorPantalles lector(font);
    const bool cercada = lector.Cerca(id);
    if (cercada != trobada || (trobada && lector.saltades != saltades))
        __builtin_trap();
    if (cercada) {
        const std::vector<ControlDef> taula = lector.Llegeix(1.0, 31.0 / 24);
        for (std::size_t i = 0; i < taula.size(); ++i) {
            const ControlDef& d = taula[i];
            if (d.tipo < 0 || d.tipo > 15 || d.control != nullptr)
                __builtin_trap();
            if (d.tipo == 10 && i + 1 != taula.size())
                __builtin_trap();
            for (std::size_t k = 1; k < d.elementos.size(); ++k)
                if (d.elementos[k - 1].numero > d.elementos[k].numero)
                    __builtin_trap();
            if (d.etiqueta.empty() || d.etiqueta.size() > 80)
                __builtin_trap();
        }
    }

    for (int mode = 1; mode <= 2; ++mode) {
        prova::FontMemoria antic(text, tros);
        LectorLinies linies(antic, 16);
        prova::DestiMemoria desti;
        EscriptorLinies nou(desti, 100);
        FusioPantalles f(mode, mode == 1 ? id : id.substr(0, 2), &linies, nou);
        f.Inici();
        f.Afegeix("EsNUEVA");
        f.Final();
        nou.Buida();
        // Every line is whole: the new file has as many line ends as lines.
        if (desti.text.size() < 9 || desti.text.compare(desti.text.size() - 2, 2, "\r\n") != 0)
            __builtin_trap();
    }
    return 0;
}

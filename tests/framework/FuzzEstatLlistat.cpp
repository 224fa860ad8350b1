// A listing header and a row: the input is the column-definition text, then (after a 0x01 byte)
// a row. Any content defines some columns or fails cleanly; the title line covers every column;
// a row is laid out and a click picks a column without reading outside the table.
#include "framework/controls/EstatLlistat.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t sep = input.find('\x01');
    const std::string capcalera = input.substr(0, sep);
    const std::string fila = sep == std::string::npos ? std::string() : input.substr(sep + 1);

    Win::EstatLlistat e;
    e.ampleVisible = static_cast<int>(size % 97);
    std::string linia;
    const auto r = e.DefineixColumnes(capcalera, linia);
    if (r == Win::EstatLlistat::Resultat::Definit) {
        std::size_t total = 0;
        for (const auto& c : e.columnes) {
            if (c.ample < 0)
                __builtin_trap();
            total += static_cast<std::size_t>(c.ample) + 1;
        }
        if (linia.size() != total || e.ultimaPrimera < 0 ||
            (!e.columnes.empty() && e.ultimaPrimera >= static_cast<int>(e.columnes.size())))
            __builtin_trap();
    }
    e.primeraVisible = static_cast<int>(size % 5);
    const auto trossos = e.Disposa(Win::EstatLlistat::NetejaFila(fila.c_str()), 6.0, 400, 2);
    for (const auto& t : trossos)
        if (t.dreta > 400 || t.text.find_first_of("\r\n") != std::string::npos)
            __builtin_trap();
    e.clicX = static_cast<int>(size * 7 % 450) - 20;
    const int k = e.TriaColumna();
    if (k < 0 || (!e.columnes.empty() && k > static_cast<int>(e.columnes.size()) && k != e.primeraVisible))
        __builtin_trap();
    return 0;
}

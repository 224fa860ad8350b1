#ifndef KORVU_DOCUMENTS_PLAIMPRESIORAW_H
#define KORVU_DOCUMENTS_PLAIMPRESIORAW_H

#include <string>
#include <string_view>
#include <vector>

// What a raw-print file sends to the spooler: the printer and, for each record, the bytes of
// one write. Each write carries the line number that a failure of it reports.
class PlaImpresioRaw {
public:
    struct Escriptura {
        std::string bytes;
        long linia;
    };

    // Reads the file's bytes. false when the header is not an 'E' file or the printer name does
    // not fit in 299 bytes (the line number is then 0).
    bool Llegeix(std::string_view fitxer);

    std::string impressora;
    std::vector<Escriptura> escriptures;
    long liniaFinal = 0;  // the line number once every record was read

    // A record with its escapes replaced: "#+" and the three bytes after it become one byte.
    static std::string Expandeix(std::string_view registre);

    // The box text of a failure at line n.
    static std::string TextError(long linia);

    static const char kNomDocument[];
};

#endif

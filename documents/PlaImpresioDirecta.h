#ifndef KORVU_DOCUMENTS_PLAIMPRESIODIRECTA_H
#define KORVU_DOCUMENTS_PLAIMPRESIODIRECTA_H

#include <string>
#include <string_view>
#include <vector>

// What a direct-print file asks of the printer: its kind, the printer, the bar-code font and
// the lines to draw with the font switches between them. The device side carries it out.
class PlaImpresioDirecta {
public:
    enum class Ordre {
        Text,          // draw text on the line
        FontA22,       // select the printer font "FontA22"
        FontAnterior,  // select back the font that "FontA22" replaced
    };
    struct Pas {
        Ordre ordre;
        int linia;  // every record, control or text, takes one line (0 the first)
        std::string text;
    };

    // Reads the file's bytes. false when its header fields cannot be read whole: no header, a
    // printer name missing or longer than 299 bytes, a bar-code face longer than 19 bytes or a
    // size longer than 3 digits. The records themselves are always read (long ones are cut).
    bool Llegeix(std::string_view fitxer);

    char tipus = 0;  // 'L' receipt, 'C' bar codes, 'A' cash drawer, other: plain lines
    std::string impressora;
    std::string caraBarres;
    int midaBarres = 0;  // points
    std::vector<Pas> passos;

    // The document name given to the spooler for a kind.
    static const char* NomDocument(char tipus);

    // Font height of the bar-code font: minus the size in device pixels, truncated.
    static int AlcadaBarres(int punts, int pixelsPerPolzada);

    // The drawer pulse for the pass-through escape: its byte count, then the command.
    static const char kPolsCalaix[7];
};

#endif

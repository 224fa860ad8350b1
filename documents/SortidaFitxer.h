#ifndef KORVU_DOCUMENTS_SORTIDAFITXER_H
#define KORVU_DOCUMENTS_SORTIDAFITXER_H

#include <windows.h>

#include <string>

class Comunicador;

// Server command 3: a file received into the temporary folder and handed on by its transfer
// mode (RTF listing, spreadsheet, java report, printing, files folder, print-form test, or
// saved where the user chooses).
class SortidaFitxer {
public:
    SortidaFitxer(Comunicador& com, HWND finestra) : com_(com), finestra_(finestra) {}

    // Throws DispError "#ref 023" to "#ref 026"; the acknowledgement has been sent by then.
    void TrataFicheroRecibido();

    // Converts a received report for a spreadsheet; false when a file could not be opened or
    // written. `convertit` gets the converted path in every case.
    static bool ConverteixFitxer(const std::string& font, const std::string& extensio,
                                 std::string& convertit);

    // Whether no output named after a new temporary file is there yet (its RTF document, its
    // copy converted for the spreadsheet): one of an earlier run, whose temporary the purge
    // took, may still be open in the program that shows it, so that name is passed over.
    static bool SortidesLliures(const std::string& temporal);

private:
    // Each returns whether an output named after the received file was made (it stays).
    bool Lliura(int accio, const std::string& rebut, const std::string& nom,
                const std::string& linia);
    // The RTF listing and both kinds of printing.
    bool Impressio(int accio, const std::string& rebut);

    Comunicador& com_;
    HWND finestra_;
};

#endif

#ifndef KORVU_DOCUMENTS_ORDRESDOCUMENT_H
#define KORVU_DOCUMENTS_ORDRESDOCUMENT_H

#include <windows.h>

#include <string>

class Comunicador;

// The server's commands on the documents folder. Each answers the server itself: "0" done or
// found, "9" failed or missing, "1" cancelled. A name from the server that is not a plain name
// of the folder is refused with "9" and nothing outside the folder is touched.
class OrdresDocument {
public:
    // dirInici: the folder that was current when the view was created (its "default.*" files).
    OrdresDocument(Comunicador& com, HWND finestra, std::string dirInici)
        : com_(com), finestra_(finestra), dirInici_(std::move(dirInici))
    {
    }

    void RecibeDocumento();     // command 4
    void AbreDocumento();       // command 5
    void BorraDocumento();      // command 7
    void IncorporaDocumento();  // command 8
    void CopiaDocumento();      // command 9

    // True when the document is open in a window, locked or missing (a box has said which).
    static bool DocumentoEnUso(const std::string& ruta);
    // Deletes the temporary files of earlier runs; throws DispError "#ref 029" without TMP.
    static void BorraTemporales();

    // Opens a document by the configured system type: the report-viewer launcher, the SVG
    // viewer for ".svg" and ".SVG" when one is configured, else the shell.
    static void Obre(const std::string& ruta, bool visorSvg);

private:
    Comunicador& com_;
    HWND finestra_;
    std::string dirInici_;
};

#endif

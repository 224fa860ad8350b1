#ifndef KORVU_DOCUMENTS_DIALEGFITXER_H
#define KORVU_DOCUMENTS_DIALEGFITXER_H

#include <windows.h>

#include <string>

// The Open and Save dialogs of the document commands, replaceable by tests: a modal dialog
// waiting for a user would stop a test run.
class DialegFitxer {
public:
    enum Tipus { Obrir, Desar };
    // Gets the type, the owner, the initial name and folder; returns true with the chosen path.
    using Hook = bool (*)(Tipus tipus, HWND owner, const std::string& nom,
                          const std::string& carpeta, std::string& triat);

    // Open dialog: filters "All" (*.*) and "Text" (*.TXT); the file and path must exist.
    static bool Obre(HWND owner, const std::string& nom, const std::string& carpeta,
                     std::string& triat);
    // Save dialog: filters "All" (*.*) and "Text" (*.txt); asks before overwriting. Neither
    // dialog changes the current folder.
    static bool Desa(HWND owner, const std::string& nom, const std::string& carpeta,
                     std::string& triat);

    // A null hook restores the real dialogs; returns the hook that was in place.
    static Hook SetHook(Hook hook);

private:
    static bool Mostra(Tipus tipus, HWND owner, const std::string& nom, const std::string& carpeta,
                       std::string& triat);
    static Hook hook_;
};

#endif

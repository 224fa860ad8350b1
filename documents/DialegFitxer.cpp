#include "documents/DialegFitxer.h"

#include "framework/BibliotequesSistema.h"

#include <cstring>

DialegFitxer::Hook DialegFitxer::hook_ = nullptr;

DialegFitxer::Hook DialegFitxer::SetHook(Hook hook)
{
    Hook old = hook_;
    hook_ = hook;
    return old;
}

bool DialegFitxer::Obre(HWND owner, const std::string& nom, const std::string& carpeta,
                        std::string& triat)
{
    return Mostra(Obrir, owner, nom, carpeta, triat);
}

bool DialegFitxer::Desa(HWND owner, const std::string& nom, const std::string& carpeta,
                        std::string& triat)
{
    return Mostra(Desar, owner, nom, carpeta, triat);
}

bool DialegFitxer::Mostra(Tipus tipus, HWND owner, const std::string& nom,
                          const std::string& carpeta, std::string& triat)
{
    if (hook_)
        return hook_(tipus, owner, nom, carpeta, triat);
    // Without the library the dialog is as good as cancelled.
    const Win::DialegsComuns* dialegs = Win::Diferida<Win::DialegsComuns>::Get();
    if (!dialegs)
        return false;
    char fitxer[MAX_PATH + 1] = {};
    // A suggestion that does not fit is left out rather than cut into another name.
    if (nom.size() < MAX_PATH)
        std::memcpy(fitxer, nom.c_str(), nom.size() + 1);
    static const char kObrir[] = "All\0*.*\0Text\0*.TXT\0";
    static const char kDesar[] = "All\0*.*\0Text\0*.txt\0";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = tipus == Obrir ? kObrir : kDesar;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = fitxer;
    ofn.nMaxFile = tipus == Obrir ? MAX_PATH : MAX_PATH + 1;
    ofn.lpstrInitialDir = carpeta.empty() ? nullptr : carpeta.c_str();
    if (tipus == Obrir) {
        ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
        if (!dialegs->GetOpenFileNameA(&ofn))
            return false;
    } else {
        // Left to itself the dialog would move the current folder, where the client keeps its
        // configuration and finds its programs, to wherever the user saved.
        ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
        if (!dialegs->GetSaveFileNameA(&ofn))
            return false;
    }
    triat = fitxer;
    return true;
}

#include "documents/ImpressoraSpooler.h"

#include "framework/BibliotequesSistema.h"

#include <vector>

ImpressoraSpooler::ImpressoraSpooler(const std::string& nom)
{
    // An empty name would open the print server, not a printer.
    if (nom.empty())
        return;
    std::vector<char> n(nom.begin(), nom.end());
    n.push_back('\0');
    spooler_ = Win::Diferida<Win::Spooler>::Get();
    HANDLE h = nullptr;
    if (spooler_ && spooler_->OpenPrinterA(n.data(), &h, nullptr))
        impressora_ = h;
}

ImpressoraSpooler::~ImpressoraSpooler()
{
    if (!impressora_)
        return;
    if (pagina_)
        spooler_->EndPagePrinter(impressora_);
    if (document_)
        spooler_->EndDocPrinter(impressora_);
    spooler_->ClosePrinter(impressora_);
}

bool ImpressoraSpooler::Inicia(const char* nomDocument)
{
    if (!impressora_)
        return false;
    char nom[64];
    lstrcpynA(nom, nomDocument, sizeof nom);
    char tipus[] = "RAW";
    DOC_INFO_1A di = {nom, nullptr, tipus};
    document_ = spooler_->StartDocPrinterA(impressora_, 1, reinterpret_cast<BYTE*>(&di)) != 0;
    if (!document_)
        return false;
    pagina_ = spooler_->StartPagePrinter(impressora_) != FALSE;
    return pagina_;
}

bool ImpressoraSpooler::Escriu(const std::string& bytes)
{
    DWORD escrits = 0;
    std::string copia(bytes);
    const DWORD n = static_cast<DWORD>(copia.size());
    return spooler_->WritePrinter(impressora_, copia.data(), n, &escrits) && escrits == n;
}

bool ImpressoraSpooler::Acaba()
{
    pagina_ = false;
    if (!spooler_->EndPagePrinter(impressora_))
        return false;
    document_ = false;
    return spooler_->EndDocPrinter(impressora_) != FALSE;
}

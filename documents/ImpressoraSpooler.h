#ifndef KORVU_DOCUMENTS_IMPRESSORASPOOLER_H
#define KORVU_DOCUMENTS_IMPRESSORASPOOLER_H

#include <windows.h>

#include <string>

namespace Win {
struct Spooler;
}

// A printer opened through the spooler for one raw job of one page. Whatever is started when
// the owner goes (page, document) is ended, and the printer is closed.
class ImpressoraSpooler {
public:
    explicit ImpressoraSpooler(const std::string& nom);
    ~ImpressoraSpooler();
    ImpressoraSpooler(const ImpressoraSpooler&) = delete;
    ImpressoraSpooler& operator=(const ImpressoraSpooler&) = delete;

    bool Oberta() const { return impressora_ != nullptr; }

    // Starts the raw document and its page.
    bool Inicia(const char* nomDocument);

    // One write of all the bytes; false when it fails or writes fewer.
    bool Escriu(const std::string& bytes);

    // Ends the page and the document.
    bool Acaba();

private:
    const Win::Spooler* spooler_ = nullptr;  // set whenever a printer is open
    HANDLE impressora_ = nullptr;
    bool document_ = false;
    bool pagina_ = false;
};

#endif

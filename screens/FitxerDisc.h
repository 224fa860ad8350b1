#ifndef KORVU_SCREENS_FITXERDISC_H
#define KORVU_SCREENS_FITXERDISC_H

#include "screens/DestiBytes.h"
#include "screens/FontBytes.h"

#include <windows.h>

#include <stdexcept>
#include <string>

// The one owner of a file handle, read or written in blocks; closed with it.
class FitxerDisc : public FontBytes, public DestiBytes {
public:
    // A failed read or write, with the system's code.
    struct ErrorLectura : std::runtime_error {
        explicit ErrorLectura(DWORD c) : std::runtime_error("read failed"), codi(c) {}
        DWORD codi;
    };
    struct ErrorEscriptura : std::runtime_error {
        explicit ErrorEscriptura(DWORD c) : std::runtime_error("write failed"), codi(c) {}
        DWORD codi;
    };

    FitxerDisc() = default;
    ~FitxerDisc() override;
    FitxerDisc(const FitxerDisc&) = delete;
    FitxerDisc& operator=(const FitxerDisc&) = delete;

    // Opens an existing file for reading, sharing it with every other reader and writer.
    // False with the system's code in GetLastError.
    bool ObreLectura(const std::string& nom);
    // Creates the file for writing, emptying it when it exists; others may only read it.
    bool CreaEscriptura(const std::string& nom);
    bool Obert() const { return h_ != INVALID_HANDLE_VALUE; }

    std::size_t Llegeix(char* destination, std::size_t max) override;
    void Escriu(const char* bytes, std::size_t n) override;

    // Writes what the system still holds to the disk and closes; false when that failed.
    bool TancaEscrit();
    void Tanca();

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};

#endif

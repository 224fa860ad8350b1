#ifndef KORVU_FRAMEWORK_BIBLIOTECADIFERIDA_H
#define KORVU_FRAMEWORK_BIBLIOTECADIFERIDA_H

#include <windows.h>

#include <string>

namespace Win {

// A system library that the login screen does not need: loaded at its first use, not by the
// system loader at start-up. The toolchain's delay-import libraries are not used: on i686 the
// linker drops their load thunks when the callers go through the headers' dllimport
// declarations, and the first call jumps to address 0.
//
// One attempt per run. A library that cannot be loaded, or lacks an entry point, is shown once
// in the error box; the caller then fails as it does when the call itself fails.
class BibliotecaDiferida {
public:
    explicit BibliotecaDiferida(const char* fitxer) : fitxer_(fitxer) {}
    ~BibliotecaDiferida();
    BibliotecaDiferida(const BibliotecaDiferida&) = delete;
    BibliotecaDiferida& operator=(const BibliotecaDiferida&) = delete;

    bool Obre();
    // Finds one entry point into a member of the typed table; a missing one fails the library.
    template <class F>
    void Entrada(const char* nom, F& funcio)
    {
        funcio = reinterpret_cast<F>(reinterpret_cast<void (*)()>(Adreca(nom)));
    }
    // True when every entry was found; otherwise shows the error box.
    bool Acaba();

private:
    FARPROC Adreca(const char* nom);

    const char* fitxer_;
    HMODULE modul_ = nullptr;
    std::string falta_;
};

// The typed table T of one library, filled at the first call of Get. T names its file in
// kFitxer and finds its entries in Omple(BibliotecaDiferida&).
template <class T>
class Diferida {
public:
    // Null when the library could not be had.
    static const T* Get()
    {
        static Diferida d;
        return d.be_ ? &d.taula_ : nullptr;
    }

private:
    Diferida() : biblioteca_(T::kFitxer)
    {
        if (biblioteca_.Obre())
            taula_.Omple(biblioteca_);
        be_ = biblioteca_.Acaba();
    }

    BibliotecaDiferida biblioteca_;
    T taula_ = {};
    bool be_ = false;
};

} // namespace Win

#endif

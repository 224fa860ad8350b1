#ifndef KORVU_FRAMEWORK_BIBLIOTECADIFERIDA_H
#define KORVU_FRAMEWORK_BIBLIOTECADIFERIDA_H

#include <windows.h>

#include <atomic>
#include <string>

namespace Win {

// A system library loaded at its first use instead of by the system loader at start-up. The
// toolchain's delay-import libraries are not used: on i686 the linker drops their load thunks
// when the callers go through the headers' dllimport declarations, and the first call jumps to
// address 0.
//
// One attempt per run. A library that cannot be loaded, or lacks an entry point, is shown once
// in the error box with the system's reason; the caller then fails as it does when the call
// itself fails. A loaded library is never freed: the process's end unmaps it after the static
// destructors, of which COM's end still calls into the libraries.
class BibliotecaDiferida {
public:
    BibliotecaDiferida(const BibliotecaDiferida&) = delete;
    BibliotecaDiferida& operator=(const BibliotecaDiferida&) = delete;

    // Finds one entry point into a member of the typed table; a missing one fails the library.
    template <class F>
    void BuscaFuncio(const char* nom, F& funcio)
    {
        funcio = reinterpret_cast<F>(reinterpret_cast<void (*)()>(Adreca(nom)));
    }

private:
    template <class T>
    friend class Diferida;

    explicit BibliotecaDiferida(const char* fitxer) : fitxer_(fitxer) {}
    bool Carrega();
    FARPROC Adreca(const char* nom);
    bool Completa() const { return falta_.empty(); }
    // The failure box, for the first caller that asks only.
    void MostraErrorUnCop();

    const char* fitxer_;
    HMODULE modul_ = nullptr;
    std::string falta_;
    std::atomic<bool> mostrat_{false};
};

// In a table's Omple: finds the entry named as the member funcio of the table.
#define KORVU_BUSCA_FUNCIO(biblioteca, funcio) (biblioteca).BuscaFuncio(#funcio, funcio)

// The typed table T of one library, filled at the first call of Get. T names its file in
// kFitxer and finds its entries in Omple(BibliotecaDiferida&).
template <class T>
class Diferida {
public:
    // Null when the library could not be had.
    static const T* Get()
    {
        static Diferida d;
        // Shown once the table is made, not while: a message loop under the box (a timer's
        // exchange) that comes back here then finds the library missing, instead of waiting
        // for ever on the table's own initialisation.
        if (!d.be_)
            d.biblioteca_.MostraErrorUnCop();
        return d.be_ ? &d.taula_ : nullptr;
    }

private:
    Diferida() : biblioteca_(T::kFitxer)
    {
        if (biblioteca_.Carrega())
            taula_.Omple(biblioteca_);
        be_ = biblioteca_.Completa();
    }

    BibliotecaDiferida biblioteca_;
    T taula_ = {};
    bool be_ = false;
};

} // namespace Win

#endif

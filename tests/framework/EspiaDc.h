#ifndef KORVU_TESTS_ESPIADC_H
#define KORVU_TESTS_ESPIADC_H

// Watches, while it lives, every device context that this program's own code makes and gives
// back (memory contexts and window contexts), by putting itself in the program's import table.
// A context given back while the count of live contexts (Win::DcsVius) is no higher than when
// it was made was never counted: its owner, if any, is one the leak checks cannot see.

#include "framework/DcFinestra.h"

#include <windows.h>

#include <cstring>
#include <map>
#include <vector>

class EspiaDc {
public:
    EspiaDc()
    {
        actual_ = this;
        Posa("gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(&FaMemoria), creaMemoria_);
        Posa("gdi32.dll", "DeleteDC", reinterpret_cast<void*>(&EsborraMemoria), esborraMemoria_);
        Posa("user32.dll", "GetDC", reinterpret_cast<void*>(&PrenFinestra), prenFinestra_);
        Posa("user32.dll", "ReleaseDC", reinterpret_cast<void*>(&TornaFinestra), tornaFinestra_);
    }
    ~EspiaDc()
    {
        for (const Entrada& e : entrades_)
            Escriu(e.lloc, e.original);
        actual_ = nullptr;
    }
    EspiaDc(const EspiaDc&) = delete;
    EspiaDc& operator=(const EspiaDc&) = delete;

    // False when a function could not be found in the import table (nothing would be seen).
    bool Activa() const { return entrades_.size() == 4; }
    int Comptats() const { return comptats_; }
    int NoComptats() const { return noComptats_; }

private:
    struct Entrada {
        void** lloc;
        void* original;
    };

    using CreaMemoria = HDC(WINAPI*)(HDC);
    using EsborraDc = BOOL(WINAPI*)(HDC);
    using PrenDc = HDC(WINAPI*)(HWND);
    using TornaDc = int(WINAPI*)(HWND, HDC);

    static HDC WINAPI FaMemoria(HDC dc) { return actual_->Fet(actual_->creaMemoria_(dc)); }
    static BOOL WINAPI EsborraMemoria(HDC dc)
    {
        actual_->Tornat(dc);
        return actual_->esborraMemoria_(dc);
    }
    static HDC WINAPI PrenFinestra(HWND w) { return actual_->Fet(actual_->prenFinestra_(w)); }
    static int WINAPI TornaFinestra(HWND w, HDC dc)
    {
        actual_->Tornat(dc);
        return actual_->tornaFinestra_(w, dc);
    }

    HDC Fet(HDC dc)
    {
        if (dc)
            fets_[dc] = Win::DcsVius();
        return dc;
    }
    void Tornat(HDC dc)
    {
        const auto it = fets_.find(dc);
        if (it == fets_.end())
            return;  // made before the spy came
        ++(Win::DcsVius() > it->second ? comptats_ : noComptats_);
        fets_.erase(it);
    }

    template <typename F>
    void Posa(const char* dll, const char* funcio, void* nova, F& original)
    {
        void** lloc = Lloc(dll, funcio);
        if (!lloc)
            return;
        original = reinterpret_cast<F>(*lloc);
        entrades_.push_back({lloc, *lloc});
        Escriu(lloc, nova);
    }

    static void Escriu(void** lloc, void* valor)
    {
        DWORD abans = 0;
        VirtualProtect(lloc, sizeof *lloc, PAGE_READWRITE, &abans);
        *lloc = valor;
        VirtualProtect(lloc, sizeof *lloc, abans, &abans);
    }

    // The import-table slot of a function of a library in this program.
    static void** Lloc(const char* dll, const char* funcio)
    {
        BYTE* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), dll) != 0)
                continue;
            auto* noms = reinterpret_cast<IMAGE_THUNK_DATA*>(
                base + (imp->OriginalFirstThunk ? imp->OriginalFirstThunk : imp->FirstThunk));
            auto* adreces = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
            for (; noms->u1.AddressOfData; ++noms, ++adreces) {
                if (IMAGE_SNAP_BY_ORDINAL(noms->u1.Ordinal))
                    continue;
                const auto* nom = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + noms->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(nom->Name), funcio) == 0)
                    return reinterpret_cast<void**>(&adreces->u1.Function);
            }
        }
        return nullptr;
    }

    CreaMemoria creaMemoria_ = nullptr;
    EsborraDc esborraMemoria_ = nullptr;
    PrenDc prenFinestra_ = nullptr;
    TornaDc tornaFinestra_ = nullptr;
    std::vector<Entrada> entrades_;
    std::map<HDC, int> fets_;
    int comptats_ = 0;
    int noComptats_ = 0;
    static inline EspiaDc* actual_ = nullptr;
};

#endif

#include "framework/BibliotequesSistema.h"

namespace Win {

void Sockets::Omple(BibliotecaDiferida& b)
{
    KORVU_BUSCA_FUNCIO(b, WSAStartup);
    KORVU_BUSCA_FUNCIO(b, WSACleanup);
    KORVU_BUSCA_FUNCIO(b, WSAGetLastError);
    KORVU_BUSCA_FUNCIO(b, WSASetLastError);
    KORVU_BUSCA_FUNCIO(b, inet_addr);
    KORVU_BUSCA_FUNCIO(b, gethostbyname);
    KORVU_BUSCA_FUNCIO(b, htons);
    KORVU_BUSCA_FUNCIO(b, socket);
    KORVU_BUSCA_FUNCIO(b, setsockopt);
    KORVU_BUSCA_FUNCIO(b, connect);
    KORVU_BUSCA_FUNCIO(b, send);
    KORVU_BUSCA_FUNCIO(b, recv);
    KORVU_BUSCA_FUNCIO(b, shutdown);
    KORVU_BUSCA_FUNCIO(b, closesocket);
}

void Spooler::Omple(BibliotecaDiferida& b)
{
    KORVU_BUSCA_FUNCIO(b, OpenPrinterA);
    KORVU_BUSCA_FUNCIO(b, ClosePrinter);
    KORVU_BUSCA_FUNCIO(b, StartDocPrinterA);
    KORVU_BUSCA_FUNCIO(b, EndDocPrinter);
    KORVU_BUSCA_FUNCIO(b, StartPagePrinter);
    KORVU_BUSCA_FUNCIO(b, EndPagePrinter);
    KORVU_BUSCA_FUNCIO(b, WritePrinter);
}

void DialegsComuns::Omple(BibliotecaDiferida& b)
{
    KORVU_BUSCA_FUNCIO(b, GetOpenFileNameA);
    KORVU_BUSCA_FUNCIO(b, GetSaveFileNameA);
}

void Sons::Omple(BibliotecaDiferida& b)
{
    KORVU_BUSCA_FUNCIO(b, PlaySoundA);
}

void ImatgesOle::Omple(BibliotecaDiferida& b)
{
    KORVU_BUSCA_FUNCIO(b, OleLoadPicturePath);
}

namespace {

struct Com {
    static constexpr const char* kFitxer = "ole32.dll";
    decltype(&::CoInitializeEx) CoInitializeEx;
    decltype(&::CoUninitialize) CoUninitialize;
    void Omple(BibliotecaDiferida& b)
    {
        KORVU_BUSCA_FUNCIO(b, CoInitializeEx);
        KORVU_BUSCA_FUNCIO(b, CoUninitialize);
    }
};

// Ended at exit, while the libraries it may call into are still mapped (none is freed).
class ComDelFil {
public:
    explicit ComDelFil(const Com& com) : com_(com)
    {
        iniciat_ = SUCCEEDED(com_.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~ComDelFil()
    {
        if (iniciat_)
            com_.CoUninitialize();
    }
    ComDelFil(const ComDelFil&) = delete;
    ComDelFil& operator=(const ComDelFil&) = delete;
    bool Iniciat() const { return iniciat_; }

private:
    const Com& com_;
    bool iniciat_ = false;
};

struct Shell {
    static constexpr const char* kFitxer = "shell32.dll";
    decltype(&::ShellExecuteA) ShellExecuteA;
    decltype(&::ShellExecuteExA) ShellExecuteExA;
    void Omple(BibliotecaDiferida& b)
    {
        KORVU_BUSCA_FUNCIO(b, ShellExecuteA);
        KORVU_BUSCA_FUNCIO(b, ShellExecuteExA);
    }
};

} // namespace

bool AsseguraCom()
{
    // The library first, outside the static below: its failure box runs a message loop, whose
    // handlers may come back here.
    const Com* com = Diferida<Com>::Get();
    if (!com)
        return false;
    static const ComDelFil fil(*com);
    return fil.Iniciat();
}

HINSTANCE ShellExecuta(HWND owner, const char* verb, const char* fitxer, const char* parametres,
                       const char* carpeta, int mostra)
{
    AsseguraCom();
    const Shell* shell = Diferida<Shell>::Get();
    if (!shell)
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
    return shell->ShellExecuteA(owner, verb, fitxer, parametres, carpeta, mostra);
}

bool ShellExecutaEx(SHELLEXECUTEINFOA& info)
{
    AsseguraCom();
    const Shell* shell = Diferida<Shell>::Get();
    if (!shell) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return false;
    }
    return shell->ShellExecuteExA(&info) != FALSE;
}

} // namespace Win

#include "framework/BibliotequesSistema.h"

#define KORVU_ENTRADA(nom) b.Entrada(#nom, nom)

namespace Win {

void Sockets::Omple(BibliotecaDiferida& b)
{
    KORVU_ENTRADA(WSAStartup);
    KORVU_ENTRADA(WSACleanup);
    KORVU_ENTRADA(WSAGetLastError);
    KORVU_ENTRADA(WSASetLastError);
    KORVU_ENTRADA(inet_addr);
    KORVU_ENTRADA(gethostbyname);
    KORVU_ENTRADA(htons);
    KORVU_ENTRADA(socket);
    KORVU_ENTRADA(setsockopt);
    KORVU_ENTRADA(connect);
    KORVU_ENTRADA(send);
    KORVU_ENTRADA(recv);
    KORVU_ENTRADA(shutdown);
    KORVU_ENTRADA(closesocket);
}

void Spooler::Omple(BibliotecaDiferida& b)
{
    KORVU_ENTRADA(OpenPrinterA);
    KORVU_ENTRADA(ClosePrinter);
    KORVU_ENTRADA(StartDocPrinterA);
    KORVU_ENTRADA(EndDocPrinter);
    KORVU_ENTRADA(StartPagePrinter);
    KORVU_ENTRADA(EndPagePrinter);
    KORVU_ENTRADA(WritePrinter);
}

void DialegsComuns::Omple(BibliotecaDiferida& b)
{
    KORVU_ENTRADA(GetOpenFileNameA);
    KORVU_ENTRADA(GetSaveFileNameA);
}

void Sons::Omple(BibliotecaDiferida& b)
{
    KORVU_ENTRADA(PlaySoundA);
}

void ImatgesOle::Omple(BibliotecaDiferida& b)
{
    KORVU_ENTRADA(OleLoadPicturePath);
}

namespace {

struct Com {
    static constexpr const char* kFitxer = "ole32.dll";
    decltype(&::CoInitializeEx) CoInitializeEx;
    decltype(&::CoUninitialize) CoUninitialize;
    void Omple(BibliotecaDiferida& b)
    {
        KORVU_ENTRADA(CoInitializeEx);
        KORVU_ENTRADA(CoUninitialize);
    }
};

// Made after the library's table, so ended before the library is freed.
class ComDelFil {
public:
    ComDelFil() : com_(Diferida<Com>::Get())
    {
        iniciat_ = com_ && SUCCEEDED(com_->CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    ~ComDelFil()
    {
        if (iniciat_)
            com_->CoUninitialize();
    }
    ComDelFil(const ComDelFil&) = delete;
    ComDelFil& operator=(const ComDelFil&) = delete;
    bool Iniciat() const { return iniciat_; }

private:
    const Com* com_;
    bool iniciat_ = false;
};

struct Shell {
    static constexpr const char* kFitxer = "shell32.dll";
    decltype(&::ShellExecuteA) ShellExecuteA;
    decltype(&::ShellExecuteExA) ShellExecuteExA;
    void Omple(BibliotecaDiferida& b)
    {
        KORVU_ENTRADA(ShellExecuteA);
        KORVU_ENTRADA(ShellExecuteExA);
    }
};

} // namespace

bool AsseguraCom()
{
    static const ComDelFil com;
    return com.Iniciat();
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

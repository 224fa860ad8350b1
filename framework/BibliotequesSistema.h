#ifndef KORVU_FRAMEWORK_BIBLIOTEQUESSISTEMA_H
#define KORVU_FRAMEWORK_BIBLIOTEQUESSISTEMA_H

// The system libraries loaded at their first use (see BibliotecaDiferida), one typed table
// each. The program's import table keeps only what the login screen needs; nothing outside this
// file calls these libraries directly.
#include "framework/BibliotecaDiferida.h"

#include <winsock2.h>
#include <windows.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <olectl.h>
#include <shellapi.h>
#include <winspool.h>

namespace Win {

// Sockets: the first connection loads them.
struct Sockets {
    static constexpr const char* kFitxer = "ws2_32.dll";
    decltype(&::WSAStartup) WSAStartup;
    decltype(&::WSACleanup) WSACleanup;
    decltype(&::WSAGetLastError) WSAGetLastError;
    decltype(&::WSASetLastError) WSASetLastError;
    decltype(&::inet_addr) inet_addr;
    decltype(&::gethostbyname) gethostbyname;
    decltype(&::htons) htons;
    decltype(&::socket) socket;
    decltype(&::setsockopt) setsockopt;
    decltype(&::connect) connect;
    decltype(&::send) send;
    decltype(&::recv) recv;
    decltype(&::shutdown) shutdown;
    decltype(&::closesocket) closesocket;
    void Omple(BibliotecaDiferida& b);
};

// The print spooler, for raw jobs.
struct Spooler {
    static constexpr const char* kFitxer = "winspool.drv";
    decltype(&::OpenPrinterA) OpenPrinterA;
    decltype(&::ClosePrinter) ClosePrinter;
    decltype(&::StartDocPrinterA) StartDocPrinterA;
    decltype(&::EndDocPrinter) EndDocPrinter;
    decltype(&::StartPagePrinter) StartPagePrinter;
    decltype(&::EndPagePrinter) EndPagePrinter;
    decltype(&::WritePrinter) WritePrinter;
    void Omple(BibliotecaDiferida& b);
};

// The open and save dialogs.
struct DialegsComuns {
    static constexpr const char* kFitxer = "comdlg32.dll";
    decltype(&::GetOpenFileNameA) GetOpenFileNameA;
    decltype(&::GetSaveFileNameA) GetSaveFileNameA;
    void Omple(BibliotecaDiferida& b);
};

// Sounds.
struct Sons {
    static constexpr const char* kFitxer = "winmm.dll";
    decltype(&::PlaySoundA) PlaySoundA;
    void Omple(BibliotecaDiferida& b);
};

// Pictures read from files.
struct ImatgesOle {
    static constexpr const char* kFitxer = "oleaut32.dll";
    decltype(&::OleLoadPicturePath) OleLoadPicturePath;
    void Omple(BibliotecaDiferida& b);
};

// COM on the GUI thread, from its first use (a picture, a shell launch) to the end of the
// process; false when COM could not be started.
bool AsseguraCom();

// The shell's launches, with COM on the thread as the shell expects. Without shell32 they
// fail as the calls do: ShellExecuta gives SE_ERR_DLLNOTFOUND, ShellExecutaEx false with
// ERROR_MOD_NOT_FOUND as the last error.
HINSTANCE ShellExecuta(HWND owner, const char* verb, const char* fitxer, const char* parametres,
                       const char* carpeta, int mostra);
bool ShellExecutaEx(SHELLEXECUTEINFOA& info);

} // namespace Win

#endif

#include "documents/Actualitzacio.h"

#include "documents/MissatgeActualitzacio.h"
#include "framework/BibliotequesSistema.h"
#include "framework/ErrorSistema.h"
#include "framework/MsgBox.h"
#include "framework/Proces.h"

#include <windows.h>


namespace Actualitzacio {

namespace {

static_assert(MB_OKCANCEL + MB_ICONINFORMATION == 0x41 && SW_MINIMIZE == 6 && SW_SHOWNORMAL == 1,
              "the update's question and windows");

void Falla(const std::string& detall)
{
    const std::string text = "Error actualizando aplicación. \n" + detall;
    Win::MsgBox::Show(nullptr, text.c_str(), "Error", MB_ICONINFORMATION);
}

// Runs wget to its end; true when it exited 0.
bool Descarrega(const std::string& font)
{
    unsigned long sortida = 1;
    if (Win::Proces::Executa(MissatgeActualitzacio::LiniaWget(font), SW_MINIMIZE, INFINITE, sortida) ==
        Win::Proces::Final::NoIniciat) {
        Falla(font + "\n" + Win::TextError(GetLastError()));
        return false;
    }
    if (sortida != 0) {
        Falla(font + "\nwget: código de salida " + std::to_string(sortida));
        return false;
    }
    return true;
}

} // namespace

bool Actualiza(const std::string& missatge)
{
    if (Win::MsgBox::Show(nullptr,
                          "Se necesita una versión superior de la aplicación cliente y se va a "
                          "proceder a su actualización",
                          "Información", MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
        return false;

    const MissatgeActualitzacio::Ordre ordre = MissatgeActualitzacio::Llegeix(missatge);
    if (!ordre.valida) {
        Falla(missatge.substr(0, 200));
        return false;
    }
    char carpeta[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(sizeof carpeta, carpeta);
    if (n == 0 || n >= sizeof carpeta) {
        Falla(Win::TextError(GetLastError()));
        return false;
    }
    const std::string instalador = std::string(carpeta) + "\\" + ordre.instalador;

    // An earlier installer that stays would be started in place of the new one.
    if (!DeleteFileA(instalador.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
        Falla(instalador + "\n" + Win::TextError(GetLastError()));
        return false;
    }
    if (ordre.web) {
        if (!Descarrega(ordre.font))
            return false;
    } else if (!CopyFileA(ordre.font.c_str(), instalador.c_str(), FALSE)) {
        Falla(ordre.font + "\n" + Win::TextError(GetLastError()));
        return false;
    }
    WIN32_FILE_ATTRIBUTE_DATA dades;
    if (!GetFileAttributesExA(instalador.c_str(), GetFileExInfoStandard, &dades) ||
        (dades.nFileSizeLow == 0 && dades.nFileSizeHigh == 0)) {
        Falla(ordre.font + "\nNo se ha recibido el fichero " + ordre.instalador);
        DeleteFileA(instalador.c_str());
        return false;
    }

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.lpVerb = "open";
    info.lpFile = instalador.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!Win::ShellExecutaEx(info)) {
        Falla(Win::TextError(GetLastError()));
        DeleteFileA(instalador.c_str());
        return false;
    }
    return true;
}

} // namespace Actualitzacio

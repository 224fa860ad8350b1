// The document, file-transfer and mail operations of the view: each hands its work to the
// helper of its concern.
#include "screens/Vista.h"

#include "documents/Actualitzacio.h"
#include "documents/Correu.h"
#include "documents/OrdresDocument.h"
#include "documents/SortidaFitxer.h"
#include "documents/Transferencia.h"
#include "link/Comunicador.h"

void Vista::TrataFicheroRecibido()
{
    SortidaFitxer(*comunicador, hwnd).TrataFicheroRecibido();
}

void Vista::RecibeDocumento()
{
    OrdresDocument(*comunicador, hwnd, DirInicio()).RecibeDocumento();
}

void Vista::AbreDocumento()
{
    OrdresDocument(*comunicador, hwnd, DirInicio()).AbreDocumento();
}

void Vista::EnviaFichero()
{
    Transferencia(*comunicador, hwnd).Envia();
}

void Vista::BorraDocumento()
{
    OrdresDocument(*comunicador, hwnd, DirInicio()).BorraDocumento();
}

void Vista::IncorporaDocumento()
{
    OrdresDocument(*comunicador, hwnd, DirInicio()).IncorporaDocumento();
}

void Vista::CopiaDocumento()
{
    OrdresDocument(*comunicador, hwnd, DirInicio()).CopiaDocumento();
}

bool Vista::EnviaMail()
{
    return Correu(*comunicador, hwnd).EnviaMail();
}

bool Vista::DocumentoEnUso(const std::string& ruta)
{
    return OrdresDocument::DocumentoEnUso(ruta);
}

void Vista::BorraTemporales()
{
    OrdresDocument::BorraTemporales();
}

bool Vista::ActualizaAplicacion(const std::string& missatge)
{
    return Actualitzacio::Actualiza(missatge);
}

std::string Vista::DirInicio() const
{
    if (!dirTrabajo.empty())
        return dirTrabajo;
    char carpeta[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(sizeof carpeta, carpeta);
    return n > 0 && n < sizeof carpeta ? std::string(carpeta) : std::string(".");
}

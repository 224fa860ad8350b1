// The server's commands on files, documents and mail, and the view's other document
// operations. Each command is carried out by the helper of its concern here in documents/.
#include "screens/Vista.h"

#include "documents/Actualitzacio.h"
#include "documents/Correu.h"
#include "documents/OrdresDocument.h"
#include "documents/SortidaFitxer.h"
#include "documents/Transferencia.h"
#include "link/Comunicador.h"

namespace {

// The folder of the "default.*" files that an empty received document is given.
std::string DirInicio(const Vista& v)
{
    if (!v.dirTrabajo.empty())
        return v.dirTrabajo;
    char carpeta[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(sizeof carpeta, carpeta);
    return n > 0 && n < sizeof carpeta ? std::string(carpeta) : std::string(".");
}

} // namespace

bool Vista::OrdreServidor(int codi)
{
    Comunicador& com = *comunicador;
    const auto documents = [&] { return OrdresDocument(com, hwnd, DirInicio(*this)); };
    switch (codi) {
    case 3: SortidaFitxer(com, hwnd).TrataFicheroRecibido(); break;
    case 4: documents().RecibeDocumento(); break;
    case 5: documents().AbreDocumento(); break;
    case 6: Transferencia(com, hwnd).Envia(); break;
    case 7: documents().BorraDocumento(); break;
    case 8: documents().IncorporaDocumento(); break;
    case 9: documents().CopiaDocumento(); break;
    case 11: Correu(com, hwnd).EnviaMail(); break;
    default: return false;
    }
    return true;
}

void Vista::BorraTemporales()
{
    OrdresDocument::BorraTemporales();
}

bool Vista::ActualizaAplicacion(const std::string& missatge)
{
    return Actualitzacio::Actualiza(missatge);
}

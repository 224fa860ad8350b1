#include "screens/Intercanvi.h"

#include "framework/DispError.h"
#include "link/Camps.h"
#include "link/Trama.h"

#include <vector>

namespace {

enum { kPantalla = 0, kDefinicions1 = 1, kDefinicions2 = 2, kActualitza = 10 };

// The command code of the frame just received. Its header is read from the text buffer, so a
// frame that ends before the record would be read with the header of an earlier one.
int CodiRebut(Intercanvi::Entorn& e)
{
    if (!Trama::PortaCapcalera(e.LongitudRebuda()))
        throw DispError(Trama::kErrorResposta);
    return Trama::CodigoOrden(e.Text());
}

std::string MissatgeZ(const char* text)
{
    std::vector<char> missatge(Trama::kMidaText);
    char codi[2];
    GetCodedField(text + Trama::kIniciRegistre, missatge.data(), codi, 1, missatge.size());
    return missatge.data();
}

} // namespace

bool Intercanvi::Executa(Entorn& e)
{
    e.ExcepcioPendent();
    const char* etapa = "0";
    try {
        if (!e.PrenSemafor())
            return false;
        e.Ocupat(true);
        etapa = "1";
        if (e.EstatConnexio() == 0) {
            e.EscriuInici();
            if (!e.Conecta(1)) {
                e.ObtenIpDinamica();
                e.EscriuInici();
                e.Conecta(2);
                e.GuardaServidor();
            }
            if (e.EstatConnexio() == 1)
                e.Transmet(0);
        } else {
            if (!e.EscriuValors()) {
                e.Ocupat(false);
                e.AlliberaSemafor();
                return false;
            }
            e.Transmet(0);
            e.Text()[5] = static_cast<char>(0x80);
        }
        if (e.EstatConnexio() == 2) {
            e.PostQuit();
            return true;
        }

        etapa = "2";
        int codi = CodiRebut(e);
        while (codi >= 3) {
            if (codi == kActualitza) {
                const std::string missatge = MissatgeZ(e.Text());
                if (missatge.find(kActualitzacio) == std::string::npos)
                    throw DispError(missatge);
                if (!e.Actualiza(missatge))
                    throw DispError("Error #ref 049, error actualizando aplicación");
                // The quit comes from the failure handler, after the box: posted now, it would
                // close the box before the user could read the message.
                throw DispError(missatge);
            }
            e.Ordre(codi);
            e.Transmet(2);
            codi = CodiRebut(e);
        }

        etapa = "3";
        if (codi == kDefinicions1 || codi == kDefinicions2)
            e.ActualizaPantallas(Trama::IdPantalla(e.Text()), codi);

        etapa = "4";
        const std::string id = Trama::IdPantalla(e.Text());
        if (id != e.PantallaActual() || codi == kDefinicions1 || codi == kDefinicions2) {
            e.EsborraPendent();
            etapa = "4.1";
            e.GuardaFondo();
            etapa = "4.2";
            if (!e.LeePantalla(id, Trama::NumeroCabecera(e.Text()))) {
                etapa = "4.3";
                e.ActualizaPantallas(id, 1);
                const std::string id2 = Trama::IdPantalla(e.Text());
                if (!e.LeePantalla(id2, Trama::NumeroCabecera(e.Text()))) {
                    etapa = "4.5";
                    throw DispError("Error #ref 005, actualizando pantalla del servidor: " + id2);
                }
            }
            etapa = "4.6";
            e.CreaPantalla();
            etapa = "4.7";
        }
        etapa = "5";
        e.CargaDatos();
        etapa = "6";
        e.Ocupat(false);
        etapa = "8";
        e.CentraVentana();
        e.PantallaMostrada(true);
        e.AvisoSonoro();
        etapa = "9";
        e.FocusNou();
        etapa = "10";
        e.PantallaMostrada(false);
        e.AlliberaSemafor();
        return true;
    } catch (const DispError& error) {
        e.MostraError(error.Texto());
        e.PostQuit();
        return false;
    } catch (...) {
        // An internal failure leaves the program running: the screen must not stay frozen,
        // whatever else fails here. A semaphore that cannot be given back would refuse every
        // later exchange, so that ends the program as any semaphore failure does.
        std::string semafor;
        try {
            e.Ocupat(false);
        } catch (...) {
        }
        try {
            e.AlliberaSemafor();
        } catch (const DispError& error) {
            semafor = error.Texto();
        } catch (...) {
        }
        try {
            e.MostraError(std::string("Error interno:\nTopController.ProcessaTramesa, punto:") + etapa);
            if (!semafor.empty()) {
                e.MostraError(semafor);
                e.PostQuit();
            }
        } catch (...) {
        }
        return false;
    }
}

#ifndef KORVU_SCREENS_INTERCANVI_H
#define KORVU_SCREENS_INTERCANVI_H

#include <string>

// One exchange with the server: the request, the chain of command frames that the server sends
// back and the screen reply that ends it. The steps are here; what each step does to the view,
// the link and the windows is the Entorn's.
class Intercanvi {
public:
    class Entorn {
    public:
        virtual ~Entorn() = default;
        // An exception kept from an earlier handler is thrown before anything starts.
        virtual void ExcepcioPendent() = 0;
        virtual bool PrenSemafor() = 0;  // false: an exchange is under way
        virtual void AlliberaSemafor() = 0;
        virtual void Ocupat(bool ocupat) = 0;  // busy indicator; on also clears the repaint flag
        virtual int EstatConnexio() = 0;  // 0 none, 1 connected, 2 failed, 3 dispatcher answered
        virtual void EscriuInici() = 0;
        virtual bool Conecta(int intent) = 0;
        virtual void ObtenIpDinamica() = 0;
        virtual void GuardaServidor() = 0;
        // False when the request could not be written whole (already shown to the user).
        virtual bool EscriuValors() = 0;
        virtual void Transmet(int kind) = 0;
        virtual char* Text() = 0;  // the frame text of the link
        // Bytes of text that the last frame received carried; past them the text still holds
        // what earlier frames left.
        virtual int LongitudRebuda() = 0;
        // Carries out a command frame of code 3 to 9 or 11; the handler answers the server.
        virtual void Ordre(int codi) = 0;
        virtual void ActualizaPantallas(const std::string& id, int mode) = 0;
        virtual bool Actualiza(const std::string& missatge) = 0;
        virtual std::string PantallaActual() = 0;
        virtual void EsborraPendent() = 0;
        virtual void GuardaFondo() = 0;
        virtual bool LeePantalla(const std::string& id, int checksum) = 0;
        virtual void CreaPantalla() = 0;
        virtual void CargaDatos() = 0;
        virtual void CentraVentana() = 0;
        virtual void PantallaMostrada(bool mostrada) = 0;
        virtual void AvisoSonoro() = 0;
        virtual void FocusNou() = 0;  // focus and invalidate the whole window
        virtual void PostQuit() = 0;
        virtual void MostraError(const std::string& text) = 0;
    };

    // True when the exchange ran to its end, or the connection failed (the caller then closes
    // the window); false when another exchange was under way or a failure ended it.
    static bool Executa(Entorn& e);

    // The failure text of command "z" that holds this asks for a self-update.
    static constexpr const char* kActualitzacio = "# ref 912";
};

#endif

#ifndef KORVU_SCREENS_VISTA_H
#define KORVU_SCREENS_VISTA_H

#include "framework/ObjecteGdi.h"
#include "framework/controls/CDNLlistatn.h"
#include "framework/controls/EstatLlistat.h"
#include "framework/controls/ControlDef.h"

#include <windows.h>

#include <string>
#include <vector>

class Comunicador;

namespace Win {
class ControlBase;
}

// The client's view of the one screen on display: its field table with the control built for
// every record, and what the dialogue with the server needs around it (focus, colours, flags).
// The main window's controller owns it. Its state is public because the controller, the
// exchange and the tests read and set it directly; the rules it applies are in the
// platform-free core (Desplazamiento, ColorsCamp, OrdreTabulacio, PantallaInicio, ...).
// Each section below names the file that defines it; the document section is defined in
// documents/, so that screens/ needs nothing of documents/.
// The view lends the link its busy and idle brushes; the link must not paint with them once the
// view is gone.
class Vista : public Win::CDNLlistatn::Desplacador {
public:
    // ===================================================================== construction and palette
    // VistaConstruccio.cpp
    // Throws DispError "Error #ref 020" when the background class cannot be registered.
    Vista(HWND finestra, Comunicador* comunicador, unsigned char* filtreCaracters);
    ~Vista();
    Vista(const Vista&) = delete;
    Vista& operator=(const Vista&) = delete;

    // What activating field i means: 0 nothing, 1 exchange, 2 help link, 3 new instance,
    // 4 virtual keyboard, 9 close the window. 1000 is no field.
    int TipoAccionCampo(int i);

    static constexpr int kMaxCamps = 1000;    // table scans stop here; also "no field"
    static constexpr int kColors = 17;
    static constexpr const char* kIdInicio = "KRVINI  01001";

    // What every listing of the screen shares: columns, scroll position and the chosen column.
    Win::EstatLlistat estatLlistat;

    // The screen's records, in definition order; a record's index is its control's index. It
    // is never appended to while controls exist (they keep pointers to their records).
    std::vector<ControlDef> campos;
    std::string fichPantallas;      // working directory + "\PANT1.DAT"
    std::string dirTrabajo;
    HWND hwnd = nullptr;            // the main window, not owned
    Comunicador* comunicador = nullptr;  // not owned
    std::string idPantalla;
    int campoDisparo = 0;
    int campoRefresco = 0;          // the last code-24 record of the build; 0 also for none
    int campoListado = 0;
    HMODULE recursos = nullptr;     // korvui01, owned
    COLORREF paleta[kColors] = {};
    Win::ObjecteGdi<HBRUSH> brochas[kColors];  // none for colours 2 and 11
    unsigned char* filtreCaracters = nullptr;
    Win::ObjecteGdi<HBITMAP> fondo;
    HWND hwndPestanya = nullptr;    // the tab strip's window, owned by its control
    HWND hwndToolTips = nullptr;    // owned
    bool toolTipsPendientes = false;  // the screen is built, its tooltips not made yet
    std::string enlaceAyuda;
    int campoActual = -1;
    int campoAnterior = -1;
    int campoDefecto = -1;
    int campoAFoco = -1;
    int pestanya = 0;
    bool mostrantPestanya = false;  // MuestraPestanya is showing and hiding the fields
    double escalaX = 1.0;
    double escalaY = 1.0;
    int ocupada = 1;
    unsigned char repinta = 1;
    unsigned char alFrente = 0;
    unsigned char salidaPendiente = 0;
    HWND refusAvisat = nullptr;      // the field whose refusal box was shown last,
    std::string textRefusAvisat;     // and the text it refused
    unsigned char sonidoPendiente = 0;
    int recursoSonido = 0;
    unsigned char primeraVez = 1;
    int sumaDefinicion = 0;

    // How many records the table scans look at: all of them, up to kMaxCamps.
    int NumCampos() const { return campos.size() < kMaxCamps ? static_cast<int>(campos.size()) : kMaxCamps; }

    // Brush of palette colour n; null for colours 2 and 11 and outside the palette.
    HBRUSH Brocha(int n) const;

    // Destroys the controls of every record, with the tooltip window that served them, and
    // empties the table. A control whose own handler is still running (the exchange was
    // started from inside it) is hidden now and deleted once that handler has returned.
    void BorraCampos();

    // ===================================================================== screen definitions file
    // VistaPantallas.cpp
    // Loads screen `id` from the definitions file into the field table; false when it is not
    // there, when there is no definitions file yet, or when its lines do not add up to
    // `numero` (0: no test). Throws DispError "Error #ref 038, ...".
    bool LeePantalla(std::string id, int numero);
    // Replaces the definitions file with the one the server sends: mode 1 the series of `id`,
    // mode 2 every screen of the configured language. The old file stays in place until the
    // new one is whole. Throws DispError.
    bool ActualizaPantallas(std::string id, int modo);
    // The line (131 characters and LF) of the definition record in the link's text buffer.
    bool FormataLiniaPantalla(std::string& linea);
    // How long the loader waits, five times, for a definitions file that another holds (ms).
    DWORD esperaPantallas = 6000;

    // ===================================================================== building
    // VistaConstruccioPantalla.cpp
    // Builds the control of every record; throws DispError "Error #ref 041, ...".
    void CreaPantalla();
    // Shifts the records by the screen offset of reply field 12; reports its own failures.
    void AjustaDesplazamiento();
    // Hands a listing drag to every control; moves nothing.
    void AjustaDesplazamiento(int dx, int dy) override;
    // Gives every control its tooltip text (developer or user text); returns the record count.
    // Before the tooltip window is made it does nothing: that window takes the text of its day.
    int SetToolTips();
    // The mouse is over the main window or one of its controls: while the screen built last
    // has no tooltips yet, they are made on the next tick of their timer (AseguraToolTips).
    void RatonSobrePantalla();
    // Makes that screen's tooltip window, registers its tools and hands it the mouse's place,
    // so that the tooltip under the mouse shows after its usual delay; then nothing.
    void AseguraToolTips();

    // The built-in login screen: its records, then (after CreaPantalla) their values.
    bool CreaPantallaInicio();
    void RellenaInicio();
    // Asks before the main window closes; true when the user confirmed.
    bool ConfirmaSalida();
    // What the demonstration account is shown when it leaves.
    static std::string paginaDemostracion;

    // ===================================================================== focus and tabs
    // VistaFocus.cpp
    int IndiceCampo(HWND ventana) const;
    bool GuardaFocoActual(HWND ventana);
    bool Focus(int i);
    bool FocusActual();
    bool FocusIni();
    bool FocusNou();
    bool FocusSeguent();
    bool FocusAnterior();
    int ValidaCampo(HWND ventana);
    // The box for a field that refused its text; the field and text are kept, so that an
    // exchange that follows the same refusal does not show it twice.
    void MuestraValorIncorrecto(HWND ventana);
    // The first field that is sent, that the user can correct and whose text leaving it would
    // refuse; -1 when there is none. No exchange may carry such a text.
    int CampoRefusado() const;
    // True when an exchange must not be sent for a refused text: the box is shown (unless it
    // was just shown for that very text) and the field gets the focus back to be corrected.
    bool RefusaIntercanvi();
    bool ControlSortir();
    bool DisparaCampoCodigo42();
    int PrimerCampoPestanya(int indicePestanya);
    void MuestraPestanya(int indicePestanya);

    // ===================================================================== window and colours
    // VistaFinestra.cpp
    bool CentraVentana();
    void CanviaTitFinrestra();
    void GuardaFondo();
    bool PintaFondo(HDC dc);
    void SetEstatVista(int estat);
    int GetEstatVista() const { return ocupada; }
    bool RepintaControl(HWND ventana);

    struct Colores {
        COLORREF fondo;
        COLORREF texto;
        HBRUSH brocha;  // null: leave the message to the default procedure
    };
    Colores ColoresCampo(HWND ventana) const;
    // The field whose label is the window, or kMaxCamps.
    int CampoDeEtiqueta(HWND ventana) const;
    HBRUSH BrochaCampo(HWND ventana) const;
    bool IdSinPrefijoEs() const;
    // Paints the busy indicator's dot with palette colour n.
    void Pilot(int color);

    // ===================================================================== requests and replies
    // VistaPeticions.cpp (requests) and VistaDades.cpp (replies)
    // The login request from the login screen's controls; also stores the login in the
    // configuration and its file. Throws what the calls it makes throw.
    void EnviaInicio();
    // The values request over the last reply; false when it could not be written whole (the
    // message has been shown and nothing must be sent).
    bool PreparaMisOut();
    // Applies the screen reply to the fields; throws DispError "#ref 018" on a missing field.
    void CargaDatos();
    // Plays the pending sound; brings the window forward after a new screen (true when it did).
    bool AvisoSonoro();

    // ===================================================================== keyboard and timer
    // VistaComandes.cpp
    // Keyboard command 1 to 17: the field to focus and activate, kMaxCamps for none.
    int TrataComando(int comanda);
    // Makes the refresh field the triggering field; false when the screen has none.
    bool DisparaCampoCodigo24();
    void IniciaTemporizador();
    // Pages the listings sideways (codes 45 to 48); false for any other code or a failure.
    bool PaginaListado(int codigo);
    static constexpr UINT_PTR kTemporizador = 1;
    // The timer that makes the tooltips once the mouse has come and the program has nothing
    // else to do (timer messages come only then).
    static constexpr UINT_PTR kTemporizadorToolTips = 2;

    // ===================================================================== documents
    // documents/VistaDocuments.cpp
    // Carries out a server command of code 3 to 9 or 11 (files, documents, mail); false for
    // any other code, which does nothing. The handler answers the server itself before it
    // returns: "0" done, "9" failed, "1" cancelled, or the refusal frame (command 6); the
    // exchange then waits for the next frame. Throws DispError "#ref 023" to "#ref 026"
    // (command 3) and "#ref 027" (command 6).
    bool OrdreServidor(int codi);
    void BorraTemporales();  // at start-up; throws DispError "#ref 029" without TMP
    // The self-update of command "z": true when the new installer was started.
    static bool ActualizaAplicacion(const std::string& missatge);
};

#endif

#ifndef KORVU_APP_CONFIGURACIO_H
#define KORVU_APP_CONFIGURACIO_H

#include "app/TextConfiguracio.h"

#include <windows.h>

#include <cstdio>
#include <string>

// The process-wide configuration and environment: the settings of korvuc.cfg and the command
// line, and what is derived from them (screen scale, fonts, images, folders, the transmission
// semaphore). Other subsystems read the members directly; those that the file sets come from
// TextConfiguracio::Valors, so the reader fills them in place.
class Configuracio : public TextConfiguracio::Valors {
public:
    Configuracio();
    ~Configuracio();
    Configuracio(const Configuracio&) = delete;
    Configuracio& operator=(const Configuracio&) = delete;

    // What loading asks of the system, replaceable by tests; the defaults ask the system.
    struct Entorn {
        int altMaximitzada = -1;            // below 0: the maximised window height of the screen
        const char* liniaOrdres = nullptr;  // null: the process's command line
        std::string biblioteca = "korvui01.dll";
    };
    Entorn entorn;

    // Fills the object from the named file and the command line; throws DispError.
    void Carrega(const char* fitxer);

    // Command line and new-instance arguments.
    void ProcessaLiniaOrdres();
    std::string ArgumentsNovaInstancia() const;

    // Write-back of the login values and server address into korvuc.cfg.
    bool Desa(const std::string& acces, const std::string& usuario, const std::string& empresa,
              const std::string& idioma, const std::string& servidorExt, int port);
    static std::string FormataErrorWindows(const std::string& ref);
    // The system's message for an error code; empty when it has none.
    static std::string TextErrorSistema(unsigned long codi);

    // Transmission semaphore (take = 1 takes it, anything else gives it back) and client log.
    bool EstatTransmissio(unsigned char take);
    void EscriuLog(std::string text);
    void CambiaLog();

    std::string DirDocuments();
    std::string DirFitxers();
    std::string AccesRemot() const { return acceso_remoto ? "S" : "N"; }
    std::string DirBitmaps() const { return dirbitmaps; }
    std::string DirImport() const { return dirimport; }
    std::string DirJfree() const { return dirjfree; }
    std::string RutaPrograma() const { return rutaPrograma; }
    std::string Grup() const { return grupo; }
    std::string TecladoVirtual() const { return tvirtual; }
    std::string UrlIpDinamica() const { return acceso_remoto ? ipdin : std::string(); }
    void ComponRuta(char* buffer) const; // buffer of MAX_PATH bytes

    HBITMAP bmpCapLlista = nullptr;
    HBITMAP bmpCapLlista50 = nullptr;
    HBITMAP bmpCapLlista53 = nullptr;
    HBITMAP bmpCapLlista150 = nullptr;
    HBITMAP bmpBandaEtiqueta = nullptr;
    HBITMAP bmpBandaMenu = nullptr;
    HBITMAP bmpFonsText = nullptr;
    HBITMAP bmpFonsText2 = nullptr;
    HBITMAP bmpFonsText3 = nullptr;
    HBITMAP bmpImatge133 = nullptr;
    HBITMAP bmpLogo = nullptr;
    HICON icoMes = nullptr;
    HICON icoMenys = nullptr;
    HICON icoEntrada = nullptr;
    HBRUSH brFonsText = nullptr;
    HBRUSH brFonsText2 = nullptr;
    HBRUSH brFonsText3 = nullptr;
    char fitxerClaus[80] = {};
    unsigned char logClient = 0;
    unsigned char autoLogin = 0;
    std::string password;
    std::string rutaPrograma;
    unsigned char primerDocuments = 1;
    unsigned char primerFitxers = 1;
    std::string visorSvg;
    double escalaX = 1.0;
    double escalaY = 1.0;
    HFONT fontFixa = nullptr;
    HFONT fontFixaPetita = nullptr;
    HFONT fontFixaGran = nullptr;
    HFONT fontControl = nullptr;
    HFONT fontControlMitjana = nullptr;
    HFONT fontTitol = nullptr;
    HFONT fontControlGran = nullptr;
    HFONT fontEnllac = nullptr;
    HFONT fontArial = nullptr;
    HFONT fontSubratllada = nullptr;
    HFONT fontLlista = nullptr;
    HMODULE recursos = nullptr;
    std::string versio = "2.3.045";
    unsigned char canviFocusTramesa = 0;
    HANDLE semafor = nullptr;
    std::FILE* logStream = nullptr; // opened shared, so that others may read and write the log

private:
    void CreaFonts();
    void CarregaImatges();
};

// The one configuration of the process.
extern Configuracio configuracio;

#endif

#ifndef KORVU_APP_CONFIGURACIO_H
#define KORVU_APP_CONFIGURACIO_H

#include "app/TextConfiguracio.h"
#include "framework/Ajustos.h"
#include "link/AjustosEnllac.h"

#include <windows.h>

#include <cstdio>
#include <string>

// The process-wide configuration and environment: the settings of korvuc.cfg and the command
// line, and what is derived from them (screen scale, fonts, images, folders, the transmission
// semaphore). Other subsystems read the members directly; those that the file sets come from
// TextConfiguracio::Valors, so the reader fills them in place. The window library and the link
// read only their own part of it (Win::Ajustos, AjustosEnllac), which the one configuration of
// the process hands them at start-up (EntregaAjustos).
class Configuracio : public TextConfiguracio::Valors, public Win::Ajustos, public AjustosEnllac {
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
    // From now on the window library and the link read their settings from this object.
    void EntregaAjustos();

    // Command line and new-instance arguments.
    void ProcessaLiniaOrdres();
    std::string ArgumentsNovaInstancia() const;

    // Write-back of the login values and server address into korvuc.cfg.
    bool Desa(const std::string& acces, const std::string& usuario, const std::string& empresa,
              const std::string& idioma, const std::string& servidorExt, int port);

    // Transmission semaphore (take = 1 takes it, anything else gives it back) and client log.
    bool EstatTransmissio(unsigned char take);
    void EscriuLog(std::string text);
    // Writes to the client log for a caller that must go on: a failed write is reported once
    // and switches the log off (the log is lost, not the work).
    void AnotaLog(const std::string& text);
    void CambiaLog();

    std::string DirDocuments();
    std::string DirFitxers();
    std::string AccesRemot() const { return acceso_remoto ? "S" : "N"; }
    std::string DirBitmaps() const override { return dirbitmaps; }
    std::string DirImport() const { return dirimport; }
    std::string DirJfree() const { return dirjfree; }
    std::string RutaPrograma() const { return rutaPrograma; }
    std::string Grup() const { return grupo; }
    std::string TecladoVirtual() const { return tvirtual; }
    std::string UrlIpDinamica() const override { return acceso_remoto ? ipdin : std::string(); }
    void ComponRuta(char* buffer) const; // buffer of MAX_PATH bytes

    std::string Idioma() const override { return idioma; }
    bool ModeDesenvolupament() const override { return modeDesenvolupament != 0; }
    bool TracaTrames() const override { return tracaTrames != 0; }
    std::string Servidor() const override { return acceso_remoto ? servidor_ext : servidor_int; }
    int Port() const override { return port; }
    std::string FitxerClaus() const override { return fitxerClaus; }
    void PosaServidorExtern(const std::string& adreca, int portNou) override;
    void DesaServidor() override;

    char fitxerClaus[80] = {};
    unsigned char logClient = 0;
    unsigned char autoLogin = 0;
    std::string password;
    std::string rutaPrograma;
    unsigned char primerDocuments = 1;
    unsigned char primerFitxers = 1;
    std::string visorSvg;
    std::string versio = "2.3.045";
    HANDLE semafor = nullptr;
    std::FILE* logStream = nullptr; // opened shared, so that others may read and write the log

private:
    void CreaFonts();
    void CarregaImatges();
    // Closes the client log and switches it off.
    void TancaLog();
};

// The one configuration of the process.
extern Configuracio configuracio;

#endif

#ifndef KORVU_LINK_AJUSTOSENLLAC_H
#define KORVU_LINK_AJUSTOSENLLAC_H

#include <string>

// What the link reads of the program's settings, and the server address it learns from the
// address service and keeps. The program's settings object derives from it; the program's
// start-up hands it over once the settings file is loaded (UsaAjustosEnllac), and a test hands
// over its own. Until then the link reads a blank one.
class AjustosEnllac {
public:
    virtual ~AjustosEnllac() = default;

    // Every frame sent and received is written to the frame log.
    virtual bool TracaTrames() const { return false; }
    // The server in use: the external one under remote access, else the internal one.
    virtual std::string Servidor() const { return {}; }
    virtual int Port() const { return 0; }
    virtual std::string FitxerClaus() const { return {}; }
    // The address service; empty when there is none or remote access is off.
    virtual std::string UrlIpDinamica() const { return {}; }
    // The external server and port the address service gave.
    virtual void PosaServidorExtern(const std::string&, int) {}
    // Writes the server in use and its port back into the settings file.
    virtual void DesaServidor() {}
};

// The settings in force: those handed over, or the blank ones.
AjustosEnllac& ajustosEnllac();
// Hands over the settings the link reads from now on; they must outlive its use.
void UsaAjustosEnllac(AjustosEnllac& a);

#endif

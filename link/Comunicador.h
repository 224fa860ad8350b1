#ifndef KORVU_LINK_COMUNICADOR_H
#define KORVU_LINK_COMUNICADOR_H

#include "link/Recepcio.h"
#include "link/Trama.h"

#include <winsock2.h>
#include <windows.h>

#include <fstream>
#include <string>

// The server link: the frame buffers, the connection to the dispatcher and then to the
// application server, and the frame log. The view writes requests straight into `trama` and
// reads `longitudTrama` and `estat`.
class Comunicador {
public:
    Comunicador();
    ~Comunicador();
    Comunicador(const Comunicador&) = delete;
    Comunicador& operator=(const Comunicador&) = delete;

    // Carries one frame. kind 0 sends and waits for the reply, 1 only sends, 2 only waits,
    // 3, 5 and 10 answer "0", "1" and "9", 4 sends the text back with the refusal flag.
    // len 0 sends the text up to its NUL, otherwise the first len bytes of a binary block.
    // Failures throw DispError.
    void Transmit(int kind, int len);

    int CodigoOrden() const { return Trama::CodigoOrden(trama); }
    std::string IdPantalla();
    int NumeroCabecera() const { return Trama::NumeroCabecera(trama); }

    // Connects through the dispatcher (attempt 1, or 2 after the address service). False only
    // when attempt 1 could not reach the dispatcher and an address service is configured.
    bool Conecta(int attempt);
    void ObtenIpDinamica();
    void GuardaServidor();
    void Cierra();

    // How long the address service's program may run before it is given up (milliseconds).
    void SetEsperaWget(DWORD ms) { esperaWget_ = ms; }

    // Connection states.
    enum { kSenseConnexio = 0, kConnectat = 1, kFallada = 2, kRespostaDespatxador = 3 };

    char trama[Trama::kMidaText];
    char tramaXifrada[Trama::kMidaTrama];
    int longitudTrama = 0;
    int estat = kSenseConnexio;
    std::string idPantalla;
    SOCKET sock = INVALID_SOCKET;
    HWND hwndIndicador = nullptr;
    HBRUSH brIndicadorActiu = nullptr;
    HBRUSH brIndicadorInactiu = nullptr;
    HRGN rgnIndicador = nullptr;
    std::ofstream logTrames;
    bool ocupat = false;

private:
    void Traza(int direccio);
    // Reports a failure of the frame log that the transmission met.
    void AvisaLog();
    void Envia(int total);
    void Rep();
    // The two ways out of a failed connection, both with the socket closed and DispError
    // `text` thrown: FallaConnexio fails the link for good (state 2); DeixaEstat leaves the
    // state as it was (a redirect that could not be followed).
    [[noreturn]] void FallaConnexio(const std::string& text);
    [[noreturn]] void DeixaEstat(const std::string& text);
    // Closes the socket and ends this attempt's Windows Sockets, where a failure says so.
    void AcabaXarxa();
    void TancaSocket();

    Recepcio recepcio_;
    DWORD esperaWget_ = 60000;
    bool logComencat_ = false;  // the frame log has been opened in this run
    bool logFallat_ = false;    // its last write failed
    bool logPerAvisar_ = false; // that failure is still to be reported
};

#endif

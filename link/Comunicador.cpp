#include "link/Comunicador.h"

#include "framework/BibliotecaDiferida.h"
#include "framework/BibliotequesSistema.h"
#include "link/AjustosEnllac.h"
#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "framework/ErrorSistema.h"
#include "framework/Proces.h"
#include "link/Camps.h"
#include "link/TrazaTrama.h"
#include "link/VintuIp.h"
#include "link/Xifrat.h"

#include <cstring>

namespace {

const char kOcupat[] = "#ref 042, Error, solicitud de comunicación no atendida";
const char kErrorSocket[] = "Error #ref 014, error en el socket";
const char kErrorRestaResposta[] = "Error #ref 016, error en la respuesta del servidor";
const char kTramaLlarga[] = "Error #ref 017, trama demasiado larga";
const char kErrorIntern[] = "Error interno:\nComunicador.Transmit.";
const char kErrorLog[] = "Error #ref 068,  escribiendo log korvuc.log";
const char kSenseServidor[] = "Error #ref 039, servidor no disponible";
const char kVintuNoRespon[] = "Error #ref 063: Vintu no responde";

// The sockets, loaded at the first connection; null when the library cannot be had (the
// loader has said so), which the callers take as a failed socket call.
const Win::Sockets* Xarxa()
{
    return Win::Diferida<Win::Sockets>::Get();
}

// A dotted address is taken as it stands; only a name is looked up. False when nothing is
// found; the system's code is then in the last error.
bool Resol(const Win::Sockets& x, const std::string& adreca, in_addr& resultat)
{
    // A name longer than an address may be comes cut from somewhere: it names no host.
    if (adreca.empty() || adreca.size() > VintuIp::kMaxAdreca) {
        x.WSASetLastError(WSAHOST_NOT_FOUND);
        return false;
    }
    const unsigned long numerica = x.inet_addr(adreca.c_str());
    if (numerica != INADDR_NONE) {
        resultat.s_addr = numerica;
        return true;
    }
    const hostent* host = x.gethostbyname(adreca.c_str());
    if (!host || host->h_addrtype != AF_INET || host->h_length != 4 || !host->h_addr_list[0])
        return false;
    std::memcpy(&resultat, host->h_addr_list[0], 4);
    return true;
}

// Whether the record reaches field n before its NUL, where the reply's text ends.
bool TeCamp(const char* registre, int n)
{
    int camp = 1;
    for (const char* p = registre; *p != '\0' && camp < n; ++p) {
        if (static_cast<unsigned char>(*p) == Trama::kSeparador)
            ++camp;
    }
    return camp >= n;
}

} // namespace

Comunicador::Comunicador()
{
    std::memset(trama, 0, sizeof trama);
    std::memset(tramaXifrada, 0, sizeof tramaXifrada);
    trama[0] = static_cast<char>(0xFE);
    std::memcpy(trama + 1, "0a00", 4);
    trama[5] = static_cast<char>(0x80);
    rgnIndicador = CreateEllipticRgn(5, 540, 15, 550);
}

Comunicador::~Comunicador()
{
    if (rgnIndicador)
        DeleteObject(rgnIndicador);
    // Cierra normally ran before; a connection still held here would only leak.
    TancaSocket();
}

std::string Comunicador::IdPantalla()
{
    idPantalla = Trama::IdPantalla(trama);
    return idPantalla;
}

void Comunicador::Transmit(int kind, int len)
{
    if (ocupat)
        throw DispError(kOcupat);
    ocupat = true;
    struct Allibera {
        bool& ocupat;
        ~Allibera() { ocupat = false; }
    } allibera{ocupat};

    try {
        switch (kind) {
        case 3: trama[0] = '0'; trama[1] = '\0'; break;
        case 5: trama[0] = '1'; trama[1] = '\0'; break;
        case 10: trama[0] = '9'; trama[1] = '\0'; break;
        default: break;
        }
        const bool envia = kind == 0 || kind == 1 || kind == 3 || kind == 4 || kind == 5 || kind == 10;
        if (envia) {
            // The length is checked against the room before the header is added to it: a
            // length near the top of int would wrap round to a small total.
            if (len < 0 || len > Trama::kMidaTrama - Trama::kCapcalera)
                throw DispError(kTramaLlarga);
            int total;
            if (len != 0) {
                total = len + Trama::kCapcalera;
            } else {
                int n = 0;
                while (n < Trama::kMidaText && trama[n] != '\0')
                    ++n;
                total = n + Trama::kCapcalera + 1;
            }
            if (total > Trama::kMidaTrama)
                throw DispError(kTramaLlarga);
            longitudTrama = total;
            if (ajustosEnllac().TracaTrames())
                Traza(0);
            XifraTramesa(trama, tramaXifrada, total, kind == 4 ? 0x39 : 0x00);
            Envia(total);
        }
        std::memset(tramaXifrada, 0, sizeof tramaXifrada);
        if (kind == 0 || kind == 2) {
            Rep();
            DesxifraTramesa(tramaXifrada, trama);
            // A reply without its own NUL still ends here for the readers of the text.
            trama[longitudTrama - Trama::kCapcalera] = '\0';
            if (ajustosEnllac().TracaTrames())
                Traza(1);
        }
    } catch (const DispError&) {
        AvisaLog();
        throw;
    } catch (...) {
        AvisaLog();
        throw DispError(kErrorIntern);
    }
    AvisaLog();
}

void Comunicador::AvisaLog()
{
    // Only once the frame is out and its reply in: a box before would keep the server waiting
    // on the user's click.
    if (!logPerAvisar_)
        return;
    logPerAvisar_ = false;
    ocupat = false;  // the frame is over: nothing of it is under way while the box is up
    Win::ErrorBox::Show(kErrorLog);
}

void Comunicador::Envia(int total)
{
    const Win::Sockets* x = Xarxa();
    int enviats = 0;
    while (enviats < total) {
        const int n = x ? x->send(sock, tramaXifrada + enviats, total - enviats, 0) : SOCKET_ERROR;
        if (n == SOCKET_ERROR || n == 0) {
            AcabaXarxa();
            FallaConnexio(kErrorSocket);
        }
        enviats += n;
    }
}

void Comunicador::Rep()
{
    const Win::Sockets* x = Xarxa();
    Recepcio::Resultat r = recepcio_.Inicia(tramaXifrada);
    while (r == Recepcio::Falten) {
        const int n = x ? x->recv(sock, recepcio_.Lloc(), recepcio_.Espai(), 0) : SOCKET_ERROR;
        if (n == SOCKET_ERROR || n == 0) {
            FallaConnexio(recepcio_.Rebuts() == 0 ? Trama::kErrorResposta : kErrorRestaResposta);
        }
        r = recepcio_.Afegeix(n);
    }
    if (r == Recepcio::TotalIncorrecte)
        FallaConnexio(Trama::kErrorResposta);
    longitudTrama = recepcio_.Total();
}

void Comunicador::FallaConnexio(const std::string& text)
{
    estat = kFallada;
    TancaSocket();
    throw DispError(text);
}

void Comunicador::DeixaEstat(const std::string& text)
{
    TancaSocket();
    throw DispError(text);
}

void Comunicador::AcabaXarxa()
{
    TancaSocket();
    if (const Win::Sockets* x = Xarxa())
        x->WSACleanup();
}

void Comunicador::TancaSocket()
{
    // A socket exists only once the library has been loaded.
    if (sock != INVALID_SOCKET) {
        Xarxa()->closesocket(sock);
        sock = INVALID_SOCKET;
    }
    recepcio_.Descarta();
}

void Comunicador::Traza(int direccio)
{
    // A frame that cannot be logged is not lost for the server: the entry is dropped instead.
    // After a failed write the log is opened again at the next frame, behind what this run
    // wrote, so that it goes on once writing works; each such failure is reported once, when
    // the frame's transmission is over.
    try {
        if (!logTrames.is_open()) {
            logTrames.clear();
            logTrames.open("korvuc.log", std::ios::out | std::ios::binary |
                                             (logComencat_ ? std::ios::app : std::ios::trunc));
            if (!logTrames.is_open()) {
                logTrames.clear();
                return;
            }
            logComencat_ = true;
        }
        const std::string entrada = EntradaTraza(trama, sizeof trama, direccio);
        logTrames.write(entrada.data(), static_cast<std::streamsize>(entrada.size()));
        logTrames.flush();
        if (logTrames) {
            logFallat_ = false;
            return;
        }
    } catch (...) {
    }
    logTrames.close();
    logTrames.clear();
    if (!logFallat_) {
        logFallat_ = true;
        logPerAvisar_ = true;
    }
}

bool Comunicador::Conecta(int attempt)
{
    const std::string adreca = ajustosEnllac().Servidor();
    if (CarregaClaus(ajustosEnllac().FitxerClaus().c_str()) > 9)
        FallaConnexio("Error #ref 006, error en fichero de encriptación");
    const Win::Sockets* x = Xarxa();
    WSADATA wsa;
    if (!x || x->WSAStartup(MAKEWORD(2, 2), &wsa) != 0)
        FallaConnexio("Error #ref 007, inicializando socket");

    sockaddr_in dir = {};
    dir.sin_family = AF_INET;
    dir.sin_port = x->htons(static_cast<u_short>(ajustosEnllac().Port()));
    std::string error;
    if (!Resol(*x, adreca, dir.sin_addr)) {
        error = "Error #ref 036, resolviendo nombre del servidor: " + adreca + ", cod.: "
                + std::to_string(x->WSAGetLastError()) + "\n";
    } else {
        TancaSocket();
        sock = x->socket(AF_INET, SOCK_STREAM, 0);
        BOOL si = TRUE;
        if (sock != INVALID_SOCKET) {
            x->setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&si), sizeof si);
            x->setsockopt(sock, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&si), sizeof si);
        }
        if (sock == INVALID_SOCKET ||
            x->connect(sock, reinterpret_cast<const sockaddr*>(&dir), sizeof dir) == SOCKET_ERROR)
            error = "Error #ref 009, El servicio Vintu no responde";
    }
    if (!error.empty()) {
        // The dispatcher cannot be reached: on the first attempt the address service may know
        // where it went.
        AcabaXarxa();
        if (attempt <= 1 && !ajustosEnllac().UrlIpDinamica().empty()) {
            estat = kFallada;
            return false;
        }
        FallaConnexio(error);
    }

    try {
        Transmit(0, 0);
    } catch (const DispError& e) {
        FallaConnexio(e.Texto());
    }
    // The dispatcher's connection lasts one frame.
    TancaSocket();
    // Past the reply the text still holds the login request, whose identifier reads as a
    // redirect: a reply too short for its header is refused, not read with the request's.
    if (!Trama::PortaCapcalera(longitudTrama - Trama::kCapcalera))
        FallaConnexio(Trama::kErrorResposta);

    idPantalla = Trama::IdPantalla(trama);
    if (idPantalla.size() < 2 || idPantalla.compare(2, 6, "KRVINI") != 0) {
        estat = kRespostaDespatxador;
        return true;
    }

    // A redirect: field 59 names the application server, field 60 its port. A redirect that
    // cannot be followed leaves the state as it was.
    const char* registre = Trama::Registre(trama);
    char adrecaApp[VintuIp::kMaxAdreca + 2];  // room for one character too many, to tell a cut name
    // The port is read from the whole field: zeros in front of it still make a port.
    char textPort[Trama::kMidaText];
    char codi[2];
    // A redirect that ends before its fields is as bad a reply as one without a header.
    auto llegeix = [&](int n, char* text, std::size_t mida) {
        if (!TeCamp(registre, n))
            FallaConnexio(Trama::kErrorResposta);
        GetCodedField(registre, text, codi, n, mida);
    };
    llegeix(59, adrecaApp, sizeof adrecaApp);
    if (std::strcmp(adrecaApp, "error") == 0)
        DeixaEstat(kSenseServidor);
    llegeix(60, textPort, sizeof textPort);
    const long portApp = Trama::LlegeixEnter(textPort);
    sockaddr_in app = {};
    app.sin_family = AF_INET;
    app.sin_port = x->htons(static_cast<u_short>(portApp));
    if (!Resol(*x, adrecaApp, app.sin_addr)) {
        SetLastError(static_cast<DWORD>(x->WSAGetLastError()));
        const std::string text = Win::FormataErrorWindows("#011");
        AcabaXarxa();
        DeixaEstat(text);
    }
    // A port outside 1 to 65535 would wrap round to some other port of that host.
    if (portApp >= 1 && portApp <= 65535)
        sock = x->socket(AF_INET, SOCK_STREAM, 0);
    if (sock == INVALID_SOCKET ||
        x->connect(sock, reinterpret_cast<const sockaddr*>(&app), sizeof app) == SOCKET_ERROR) {
        AcabaXarxa();
        DeixaEstat("Error #ref 013, abriendo socket");
    }
    estat = kConnectat;
    return true;
}

void Comunicador::ObtenIpDinamica()
{
    try {
        DeleteFileA("vintuip");
        const std::string linia = "wget \"" + ajustosEnllac().UrlIpDinamica() + "/vintuip\"";
        // A download that never ends must not freeze the client: after the wait it is ended
        // and the answer taken as missing. Its exit code is not looked at.
        unsigned long sortida = 0;
        const Win::Proces::Final final = Win::Proces::Executa(linia, SW_HIDE, esperaWget_, sortida);
        if (final == Win::Proces::Final::NoIniciat)
            throw DispError("Error #ref 061: Sercicio Vintu no responde:\n" + Win::TextError(GetLastError()));
        if (final == Win::Proces::Final::Aturat)
            throw DispError(kVintuNoRespon);

        std::string adreca;
        int port = 0;
        switch (VintuIp::LlegeixFitxer("vintuip", adreca, port)) {
        case VintuIp::Correcte: break;
        case VintuIp::NoObert: throw DispError(kVintuNoRespon);
        case VintuIp::SenseAdreca: throw DispError("Error #ref 064: Vintu no responde");
        case VintuIp::SensePort: throw DispError("Error #ref 065: Vintu no responde");
        }
        ajustosEnllac().PosaServidorExtern(adreca, port);
    } catch (const DispError&) {
        throw;
    } catch (...) {
        Win::ErrorBox::Show("Error #ref 066: Vintu no responde");
    }
}

void Comunicador::GuardaServidor()
{
    try {
        ajustosEnllac().DesaServidor();
    } catch (const DispError&) {
        throw;
    } catch (...) {
        Win::ErrorBox::Show("Error #ref 067: Vintu no responde");
    }
}

void Comunicador::Cierra()
{
    if (sock != INVALID_SOCKET)
        Xarxa()->shutdown(sock, SD_RECEIVE);
    TancaSocket();
}

#ifndef KORVU_TESTS_LINK_XARXAPROVA_H
#define KORVU_TESTS_LINK_XARXAPROVA_H

// Loopback helpers for the link tests: a connected socket pair whose server end the test
// drives itself, and frame reading and writing with the client's own key table. Every
// receive of the test side is bounded in time, so a fault never hangs the run.

#include "framework/DispError.h"
#include "link/AjustosEnllac.h"
#include "link/Camps.h"
#include "link/Trama.h"
#include "link/Xifrat.h"
#include "tests/framework/FitxerProva.h"

#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace prova {

constexpr DWORD kEsperaMs = 5000;

// The text of the DispError that f throws, or "(no error)".
inline std::string Error(const std::function<void()>& f)
{
    try {
        f();
    } catch (const DispError& e) {
        return e.Texto();
    }
    return "(no error)";
}

inline void LimitaEspera(SOCKET s, DWORD ms = kEsperaMs)
{
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
}

// A listening socket on 127.0.0.1 with a port chosen by the system.
struct Escolta {
    SOCKET s = INVALID_SOCKET;
    int port = 0;

    Escolta()
    {
        s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = {};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = inet_addr("127.0.0.1");
        bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(s, 4);
        int mida = sizeof a;
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &mida);
        port = ntohs(a.sin_port);
    }
    ~Escolta() { closesocket(s); }
    Escolta(const Escolta&) = delete;
    Escolta& operator=(const Escolta&) = delete;

    // The next connection, or INVALID_SOCKET when none comes in time.
    SOCKET Accepta(DWORD ms = kEsperaMs)
    {
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(s, &fds);
        timeval tv = {static_cast<long>(ms / 1000), static_cast<long>((ms % 1000) * 1000)};
        if (select(0, &fds, nullptr, nullptr, &tv) != 1)
            return INVALID_SOCKET;
        SOCKET c = accept(s, nullptr, nullptr);
        if (c != INVALID_SOCKET)
            LimitaEspera(c);
        return c;
    }
};

// A connection: `client` is handed to the Comunicador, `servidor` stays with the test.
struct Parell {
    SOCKET client = INVALID_SOCKET;
    SOCKET servidor = INVALID_SOCKET;

    Parell()
    {
        Escolta e;
        client = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = {};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = inet_addr("127.0.0.1");
        a.sin_port = htons(static_cast<u_short>(e.port));
        connect(client, reinterpret_cast<sockaddr*>(&a), sizeof a);
        servidor = e.Accepta();
        LimitaEspera(client);
    }
    ~Parell()
    {
        if (servidor != INVALID_SOCKET)
            closesocket(servidor);
    }
    Parell(const Parell&) = delete;
    Parell& operator=(const Parell&) = delete;

    void TancaServidor()
    {
        closesocket(servidor);
        servidor = INVALID_SOCKET;
    }
};

inline bool RepExacte(SOCKET s, char* buf, int n)
{
    int rebuts = 0;
    while (rebuts < n) {
        const int r = recv(s, buf + rebuts, n - rebuts, 0);
        if (r <= 0)
            return false;
        rebuts += r;
    }
    return true;
}

inline bool EnviaTot(SOCKET s, const std::string& bytes)
{
    std::size_t enviats = 0;
    while (enviats < bytes.size()) {
        const int n = send(s, bytes.data() + enviats, static_cast<int>(bytes.size() - enviats), 0);
        if (n <= 0)
            return false;
        enviats += static_cast<std::size_t>(n);
    }
    return true;
}

// How many bytes wait on the socket, unread.
inline std::size_t PerLlegir(SOCKET s)
{
    u_long n = 0;
    return ioctlsocket(s, FIONREAD, &n) == 0 ? n : 0;
}

// Waits (a bounded time) until at least n bytes wait on the socket.
inline bool EsperaPerLlegir(SOCKET s, std::size_t n, DWORD ms = 5000)
{
    for (DWORD esperat = 0; esperat < ms; esperat += 10) {
        if (PerLlegir(s) >= n)
            return true;
        Sleep(10);
    }
    return PerLlegir(s) >= n;
}

// One frame as it arrived: wire bytes (header included) and deciphered body.
struct TramaRebuda {
    std::string wire;
    std::string cos;
    int total() const
    {
        return static_cast<unsigned char>(wire[0]) * 256 + static_cast<unsigned char>(wire[1]);
    }
    unsigned char flag() const { return static_cast<unsigned char>(wire[2]); }
};

inline bool LlegeixTrama(SOCKET s, TramaRebuda& t)
{
    char cap[3];
    if (!RepExacte(s, cap, 3))
        return false;
    const int total = static_cast<unsigned char>(cap[0]) * 256 + static_cast<unsigned char>(cap[1]);
    if (total < 4 || total > Trama::kMidaTrama)
        return false;
    std::vector<char> wire(Trama::kMidaTrama, 0);
    std::copy(cap, cap + 3, wire.begin());
    if (!RepExacte(s, wire.data() + 3, total - 3))
        return false;
    std::vector<char> text(Trama::kMidaText, 0);
    DesxifraTramesa(wire.data(), text.data());
    t.wire.assign(wire.data(), static_cast<std::size_t>(total));
    t.cos.assign(text.data(), static_cast<std::size_t>(total - 3));
    return true;
}

// The wire bytes of a frame whose body is `cos` (a text frame: the text and its NUL).
inline std::string Xifrada(const std::string& cos, unsigned char flag = 0)
{
    std::vector<char> text(Trama::kMidaText, 0);
    std::copy(cos.begin(), cos.end(), text.begin());
    std::vector<char> wire(Trama::kMidaTrama, 0);
    const int total = static_cast<int>(cos.size()) + 3;
    XifraTramesa(text.data(), wire.data(), total, flag);
    return std::string(wire.data(), static_cast<std::size_t>(total));
}

inline std::string TextAmbNul(const std::string& text) { return text + std::string(1, '\0'); }

// A key file of the full length in the working directory, loaded.
inline void PreparaClau(const char* nom = "crpt.cfg")
{
    std::FILE* f = std::fopen(nom, "wb");
    ASSERT_NE(f, nullptr);
    for (int i = 0; i < kMidaClaus; ++i)
        std::fputc((i * 131 + 7) & 0xFF, f);
    std::fclose(f);
    ASSERT_EQ(CarregaClaus(nom), 0);
}

// ---- against the scripted test server ----

// The port the server's harness passed in the environment variable nom; 0 when run any other way.
inline int PortEntorn(const char* nom)
{
    const char* valor = std::getenv(nom);
    return valor ? std::atoi(valor) : 0;
}

constexpr char kContrasenya[] = "s3creta";

// The login request as the login screen writes it (user ana, company 01, language Es): fixed
// header, 90 fields of "00", and the login values in fields 51 to 57.
inline void EscriuLogin(char* text)
{
    std::memset(text, 0, Trama::kMidaText);
    std::memcpy(text, "\xFE" "0a00\x80", 6);
    CopyBytes("               ", text + 6, 15, 0);
    CopyBytes("EsKRVINI  01001", text + 21, 15, 0);
    CopyBytes("00000000000000", text + 36, 14, 0);
    char* registre = text + Trama::kIniciRegistre;
    for (int i = 0; i < 90; ++i)
        std::memcpy(registre + 3 * i, "00\xFF", 3);
    const std::string valors[] = {"00ana", std::string("10") + kContrasenya, "1001", "10Es",
                                  "10WIN1252", "10", "102.3.045"};
    const std::size_t capacitat = Trama::kMidaText - Trama::kIniciRegistre;
    for (int i = 0; i < 7; ++i)
        ReplaceField(valors[i].c_str(), registre, 1, 51 + i, capacitat);
}

// The settings a test of the link owns and hands over (UsaAjustosEnllac): the server in use, as
// the settings file and remote access would choose it, and what the link writes back.
struct AjustosEnllacProva : AjustosEnllac {
    bool tracaTrames = false;
    std::string servidor;
    int port = 0;
    std::string fitxerClaus;
    std::string urlIpDinamica;
    int desades = 0; // times the link asked for the server in use to be written back

    bool TracaTrames() const override { return tracaTrames; }
    std::string Servidor() const override { return servidor; }
    int Port() const override { return port; }
    std::string FitxerClaus() const override { return fitxerClaus; }
    std::string UrlIpDinamica() const override { return urlIpDinamica; }
    void PosaServidorExtern(const std::string& adreca, int portNou) override
    {
        servidor = adreca;
        port = portNou;
    }
    void DesaServidor() override { ++desades; }
};

// The one set of the test program, handed over by the fixtures that read it.
inline AjustosEnllacProva ajustos;

// Blank settings of the link handed over: no server, no frame log.
inline void PosaAjustosBuits()
{
    ajustos = AjustosEnllacProva();
    UsaAjustosEnllac(ajustos);
}

// The link's settings for the server on this machine, the dispatcher on `port`, with no
// frame log, handed over.
inline void PosaServidorLocal(int port)
{
    PosaAjustosBuits();
    ajustos.fitxerClaus = "crpt.cfg";
    ajustos.servidor = "127.0.0.1";
    ajustos.port = port;
}

} // namespace prova

#endif

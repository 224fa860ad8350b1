// Receiving and sending a 20 MB file in blocks, against a bare loopback socket that carries
// the same frames, in the same sizes, with the same acknowledgements and nothing else (no
// cipher, no compression, no file). Prints bytes per second and the ratio of the two.
#include "app/Configuracio.h"
#include "documents/BlocsFitxer.h"
#include "documents/FitxerNou.h"
#include "documents/Transferencia.h"
#include "link/Camps.h"
#include "link/Comunicador.h"
#include "link/Xifrat.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kMida = 20 * 1024 * 1024;
constexpr int kRepeticions = 11;

double Ara()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// A file like a document: random stretches and runs.
std::string Mostra()
{
    std::mt19937 gen(17);
    std::string f;
    f.reserve(kMida);
    while (f.size() < kMida) {
        const std::size_t n = gen() % 300 + 1;
        if (gen() % 2)
            f.append(n, static_cast<char>(gen()));
        else
            for (std::size_t i = 0; i < n; ++i)
                f += static_cast<char>(gen());
    }
    f.resize(kMida);
    return f;
}

// The blocks as the client cuts them: chunks of 300, a block sent once past 3,696 bytes.
std::vector<std::string> Blocs(const std::string& f, std::size_t llindar)
{
    std::vector<std::string> blocs;
    std::string bloc;
    for (std::size_t i = 0; i < f.size(); i += BlocsFitxer::kMidaTros) {
        const std::size_t n = std::min(BlocsFitxer::kMidaTros, f.size() - i);
        BlocsFitxer::CodificaTros(reinterpret_cast<const unsigned char*>(f.data() + i), n, bloc);
        if (bloc.size() > llindar && i + n < f.size()) {
            blocs.push_back(bloc);
            bloc.clear();
        }
    }
    bloc += static_cast<char>(BlocsFitxer::kFi);
    blocs.push_back(bloc);
    return blocs;
}

std::string Xifra(const std::string& cos)
{
    std::vector<char> text(Trama::kMidaText, 0);
    std::memcpy(text.data(), cos.data(), cos.size());
    std::vector<char> wire(Trama::kMidaTrama, 0);
    const int total = static_cast<int>(cos.size()) + Trama::kCapcalera;
    XifraTramesa(text.data(), wire.data(), total, 0);
    return std::string(wire.data(), static_cast<std::size_t>(total));
}

bool EnviaTot(SOCKET s, const std::string& b)
{
    std::size_t n = 0;
    while (n < b.size()) {
        const int r = send(s, b.data() + n, static_cast<int>(b.size() - n), 0);
        if (r <= 0)
            return false;
        n += static_cast<std::size_t>(r);
    }
    return true;
}

// One frame off the wire, header included, read as the link reads it: whatever has arrived,
// until the header's total is in (each side sends one frame and waits for the other's).
bool RepTrama(SOCKET s, std::vector<char>& buf)
{
    int rebuts = 0;
    int total = Trama::kMidaTrama;
    while (rebuts < total) {
        const int k = recv(s, buf.data() + rebuts, Trama::kMidaTrama - rebuts, 0);
        if (k <= 0)
            return false;
        rebuts += k;
        if (rebuts >= 3)
            total = static_cast<unsigned char>(buf[0]) * 256 + static_cast<unsigned char>(buf[1]);
        if (total <= 3 || total > Trama::kMidaTrama)
            return false;
    }
    return true;
}

struct Parell {
    SOCKET a = INVALID_SOCKET;
    SOCKET b = INVALID_SOCKET;
    Parell()
    {
        SOCKET l = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in adr = {};
        adr.sin_family = AF_INET;
        adr.sin_addr.s_addr = inet_addr("127.0.0.1");
        bind(l, reinterpret_cast<sockaddr*>(&adr), sizeof adr);
        listen(l, 1);
        int mida = sizeof adr;
        getsockname(l, reinterpret_cast<sockaddr*>(&adr), &mida);
        a = socket(AF_INET, SOCK_STREAM, 0);
        connect(a, reinterpret_cast<sockaddr*>(&adr), sizeof adr);
        b = accept(l, nullptr, nullptr);
        closesocket(l);
        BOOL si = TRUE;
        setsockopt(b, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&si), sizeof si);
    }
    ~Parell()
    {
        closesocket(a);
        closesocket(b);
    }
};

// The server's side of a receive: each frame, then the client's answer.
void ServeixBlocs(SOCKET s, const std::vector<std::string>& wire)
{
    std::vector<char> buf(Trama::kMidaTrama);
    for (const std::string& w : wire) {
        if (!EnviaTot(s, w) || !RepTrama(s, buf))
            return;
    }
}

// The server's side of a send: each frame, answered "0" but the last.
void RepBlocs(SOCKET s, std::size_t n, const std::string& zero)
{
    std::vector<char> buf(Trama::kMidaTrama);
    for (std::size_t i = 0; i < n; ++i) {
        if (!RepTrama(s, buf))
            return;
        if (i + 1 < n && !EnviaTot(s, zero))
            return;
    }
}

double Rebre(const std::vector<std::string>& wire, const std::string& desti)
{
    Parell p;
    Comunicador com;
    com.sock = p.a;
    com.estat = Comunicador::kConnectat;
    std::thread servidor(ServeixBlocs, p.b, std::cref(wire));
    const double t0 = Ara();
    FitxerNou f(desti);
    const bool be = f.Obre() && Transferencia(com, nullptr).Rep(f, true);
    const double t = Ara() - t0;
    servidor.join();
    com.sock = INVALID_SOCKET;
    return be ? t : -1;
}

double RebreNu(const std::vector<std::string>& wire, const std::string& zero)
{
    Parell p;
    std::thread servidor(ServeixBlocs, p.b, std::cref(wire));
    const double t0 = Ara();
    std::vector<char> buf(Trama::kMidaTrama);
    for (std::size_t i = 0; i < wire.size(); ++i) {
        if (!RepTrama(p.a, buf) || !EnviaTot(p.a, zero))
            break;
    }
    const double t = Ara() - t0;
    servidor.join();
    return t;
}

double Enviar(std::size_t blocs, const std::string& zero)
{
    Parell p;
    Comunicador com;
    com.sock = p.a;
    com.estat = Comunicador::kConnectat;
    std::memset(com.trama, 0, Trama::kMidaText);
    std::memset(com.trama, ' ', Trama::kIniciRegistre);
    std::strcpy(com.trama + Trama::kIniciRegistre, "00bench.bin\xFF");
    std::thread servidor(RepBlocs, p.b, blocs, std::cref(zero));
    const double t0 = Ara();
    Transferencia(com, nullptr).Envia();
    const double t = Ara() - t0;
    servidor.join();
    com.sock = INVALID_SOCKET;
    return t;
}

double EnviarNu(const std::vector<std::string>& wire, const std::string& zero)
{
    Parell p;
    std::thread servidor(RepBlocs, p.b, wire.size(), std::cref(zero));
    const double t0 = Ara();
    std::vector<char> buf(Trama::kMidaTrama);
    for (std::size_t i = 0; i < wire.size(); ++i) {
        if (!EnviaTot(p.a, wire[i]))
            break;
        if (i + 1 < wire.size() && !RepTrama(p.a, buf))
            break;
    }
    const double t = Ara() - t0;
    servidor.join();
    return t;
}

// Each run of the client is paired with a bare run right after it; the machine's other load
// touches both alike, and the median of the pairs' ratios is reported.
struct Mesura {
    std::vector<double> t, tNu;
    void Afegeix(double a, double b)
    {
        t.push_back(a);
        tNu.push_back(b);
    }
    void Informa(const char* que) const
    {
        std::vector<double> r;
        for (std::size_t i = 0; i < t.size(); ++i)
            r.push_back(t[i] > 0 ? tNu[i] / t[i] : 0.0);
        std::sort(r.begin(), r.end());
        const double mb = static_cast<double>(kMida) / (1024.0 * 1024.0);
        std::printf("%-8s %8.1f MB/s   bare loopback %8.1f MB/s   ratio (median of %zu) %.2f\n", que,
                    mb / *std::min_element(t.begin(), t.end()),
                    mb / *std::min_element(tNu.begin(), tNu.end()), r.size(), r[r.size() / 2]);
    }
};

} // namespace

int main()
{
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    char carpeta[MAX_PATH];
    GetCurrentDirectoryA(sizeof carpeta, carpeta);
    std::FILE* clau = std::fopen("bench-crpt.cfg", "wb");
    for (int i = 0; i < kMidaClaus; ++i)
        std::fputc((i * 131 + 7) & 0xFF, clau);
    std::fclose(clau);
    CarregaClaus("bench-crpt.cfg");
    configuracio.tracaTrames = 0;
    configuracio.EntregaAjustos();
    configuracio.dirdocs = std::string(carpeta) + "\\";
    configuracio.primerDocuments = 0;

    const std::string mostra = Mostra();
    const std::string zero = Xifra(std::string("0\0", 2));

    // Receiving: the server's blocks of up to 8,000 bytes.
    std::vector<std::string> wire;
    for (const std::string& b : Blocs(mostra, 7700))
        wire.push_back(Xifra(b));
    Mesura rebre;
    for (int i = 0; i < kRepeticions; ++i) {
        const double t = Rebre(wire, std::string(carpeta) + "\\bench-rebut.bin");
        rebre.Afegeix(t, RebreNu(wire, zero));
    }
    rebre.Informa("receive");

    // Sending: the client's own blocks.
    std::FILE* f = std::fopen("bench.bin", "wb");
    std::fwrite(mostra.data(), 1, mostra.size(), f);
    std::fclose(f);
    wire.clear();
    for (const std::string& b : Blocs(mostra, BlocsFitxer::kLlindarBloc))
        wire.push_back(Xifra(b));
    Mesura enviar;
    for (int i = 0; i < kRepeticions; ++i) {
        const double t = Enviar(wire.size(), zero);
        enviar.Afegeix(t, EnviarNu(wire, zero));
    }
    enviar.Informa("send");
    DeleteFileA("bench.bin");
    DeleteFileA("bench-rebut.bin");
    DeleteFileA("bench-crpt.cfg");
    return 0;
}

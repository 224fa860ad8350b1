// Loading the last screen of a 100,000-line definitions file against reading the same file's
// bytes with one ReadFile into a buffer made beforehand: prints the ratio of the two best
// times over several rounds. Not a test; run by tools/bench.sh.
#include "screens/Vista.h"

#include "link/Comunicador.h"
#include "screens/LiniaPantalla.h"
#include "screens/SumaPantalla.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kLinies = 100000;
constexpr int kRepeticions = 31;

std::string Linia(const std::string& id, int codigo, char tipo, int pagina)
{
    char b[200];
    std::snprintf(b, sizeof b, "%-15.15s%03d%-80.80s%04d%04d%04d%04d%c%c%c%c%05d%c%c%03d%03d", id.c_str(),
                  codigo % 1000, "Etiqueta de prueba", 10, 20, 0, 0, 'E', tipo, ' ', '0', 20, '0', '1', codigo % 1000,
                  pagina);
    return b;
}

double Ara()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

double Millor(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

// Open, one ReadFile into a buffer made and touched beforehand, close: the least that reading
// the file's bytes can cost.
double LlegeixTot(const std::string& nom, std::vector<char>& bytes)
{
    const double t0 = Ara();
    HANDLE h = CreateFileA(nom.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD llegits = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &llegits, nullptr);
    CloseHandle(h);
    const double t = Ara() - t0;
    if (llegits != bytes.size())
        std::fprintf(stderr, "short read\n");
    return t;
}

LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    return DefWindowProcA(h, m, w, l);
}

} // namespace

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string dir = std::string(temp) + "korvu_bench_pant";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string fitxer = dir + "\\PANT1.DAT";

    const std::string darrera = "EsKRVULT  01001";
    const int liniesDarrera = 40;
    SumaPantalla suma;
    {
        std::string text;
        text.reserve(static_cast<std::size_t>(kLinies) * 133);
        for (int i = 0; i < kLinies - liniesDarrera; ++i) {
            char id[16];
            std::snprintf(id, sizeof id, "EsKRV%03d  %02d%03d", (i / 5000) % 1000, (i / 1000) % 100, (i / 20) % 1000);
            text += Linia(id, i, 'C', 0) + "\r\n";
        }
        for (int i = 0; i < liniesDarrera; ++i) {
            const std::string l = Linia(darrera, i + 1, i % 10 == 9 ? 'N' : 'C', i / 10);
            LiniaPantalla::Suma(l, suma);
            text += l + "\r\n";
        }
        HANDLE h = CreateFileA(fitxer.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD escrits = 0;
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &escrits, nullptr);
        CloseHandle(h);
    }

    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KorvuBench";
    RegisterClassA(&wc);
    HWND finestra = CreateWindowExA(0, "KorvuBench", "bench", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                    wc.hInstance, nullptr);
    Comunicador com;
    unsigned char filtre = 0;
    Vista vista(finestra, &com, &filtre);
    vista.dirTrabajo = dir;
    vista.fichPantallas = fitxer;

    std::vector<double> carrega, lectura;
    WIN32_FILE_ATTRIBUTE_DATA dades;
    GetFileAttributesExA(fitxer.c_str(), GetFileExInfoStandard, &dades);
    std::vector<char> bytes(dades.nFileSizeLow, 'x');
    LlegeixTot(fitxer, bytes);  // the file in the system's cache for both
    for (int i = 0; i < kRepeticions; ++i) {
        lectura.push_back(LlegeixTot(fitxer, bytes));
        const double t0 = Ara();
        const bool be = vista.LeePantalla(darrera, suma.suma);
        carrega.push_back(Ara() - t0);
        if (!be || vista.campos.size() != static_cast<std::size_t>(liniesDarrera - liniesDarrera / 10 + 1)) {
            std::fprintf(stderr, "the last screen did not load\n");
            return 1;
        }
    }
    std::printf("(a) last screen of a %d-line PANT1.DAT loaded / its bytes read with one ReadFile: %.2f (%.2f ms / %.2f ms)\n",
                kLinies, Millor(carrega) / Millor(lectura), Millor(carrega) * 1000, Millor(lectura) * 1000);
    DeleteFileA(fitxer.c_str());
    RemoveDirectoryA(dir.c_str());
    DestroyWindow(finestra);
    return 0;
}

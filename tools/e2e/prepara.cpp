// Readies the wine prefix for an end-to-end scenario before the client starts (the driver runs
// it in the workdir through the scenario's prepare step):
//   prepara.exe impressora NOM FITXER  a printer NOM whose port is the file FITXER of the workdir
//   prepara.exe abre                   documents and "mailto:" links open with the recording
//                                      stand-in abre.exe (from KORVU_STANDINS_DIR)
//   prepara.exe tmp NOM                writes an empty file NOM in the folder that TMP names and
//                                      prints its path as Linux sees it
// Exit status 0 when it was done.
#include "tests/documents/ImpressoraProva.h"
#include "tests/documents/ProvaDocuments.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string CamiUnix(const std::string& cami)
{
    using Fn = char*(CDECL*)(const WCHAR*);
    const auto unixDe = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixDe)
        return std::string();
    WCHAR w[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, cami.c_str(), -1, w, MAX_PATH))
        return std::string();
    char* u = unixDe(w);
    if (!u)
        return std::string();
    std::string r(u);
    HeapFree(GetProcessHeap(), 0, u);
    return r;
}

int FitxerTmp(const char* nom)
{
    char tmp[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("TMP", tmp, sizeof tmp);
    if (n == 0 || n >= sizeof tmp)
        return 2;
    const std::string cami = std::string(tmp) + "\\" + nom;
    std::FILE* f = std::fopen(cami.c_str(), "wb");
    if (!f || std::fclose(f) != 0)
        return 2;
    const std::string unix = CamiUnix(cami);
    if (unix.empty())
        return 2;
    std::printf("%s\n", unix.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "impressora") == 0)
        return ImpressoraProva::Instala(argv[2], argv[3]) ? 0 : 2;
    if (argc == 2 && std::strcmp(argv[1], "abre") == 0) {
        if (prova::CarpetaStandins().empty())
            return 2;
        prova::RegistraAbre();
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "tmp") == 0)
        return FitxerTmp(argv[2]);
    std::fprintf(stderr, "usage: prepara impressora NOM FITXER | abre | tmp NOM\n");
    return 3;
}

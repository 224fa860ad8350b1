// Each system library loaded at its first use, turned off for a child run of this program (a
// wine DLL override in its environment): the first use shows one box naming the library and the
// system's reason, the same use again under that box fails at once, the caller then fails as it
// does when its own call fails, and the program goes on. This program imports none of these libraries; each child checks that its library is
// absent before the first use.
#include "documents/DialegFitxer.h"
#include "documents/ImpresioRaw.h"
#include "framework/BibliotequesSistema.h"
#include "framework/DispError.h"
#include "framework/ImatgeFitxer.h"
#include "link/AjustosEnllac.h"
#include "link/Comunicador.h"
#include "link/Xifrat.h"
#include "framework/MsgBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char kCasEntorn[] = "KORVU_SENSE_BIBLIOTECA";

struct AjustosProva : AjustosEnllac {
    std::string Servidor() const override { return "127.0.0.1"; }
    int Port() const override { return 9; }
    std::string FitxerClaus() const override { return "crpt.cfg"; }
};

// The caller's failure, as the caller gives it.
std::string Connexio()
{
    std::FILE* f = std::fopen("crpt.cfg", "wb");
    for (int i = 0; i < kMidaClaus; ++i)
        std::fputc((i * 131 + 7) & 0xFF, f);
    std::fclose(f);
    static AjustosProva ajustos;
    UsaAjustosEnllac(ajustos);
    Comunicador com;
    try {
        com.Conecta(1);
    } catch (const DispError& e) {
        return e.Texto() + (com.estat == Comunicador::kFallada ? " (failed)" : " (not failed)");
    }
    return "(connected)";
}

std::string ImpressioRaw()
{
    std::ofstream("feina.prn", std::ios::binary) << "0EKorvuRaw\n~\nuno~";
    return ImpresioRaw::Imprimeix("feina.prn") ? "printed" : "not printed";
}

std::string DialegDesa()
{
    std::string triat = "(untouched)";
    return DialegFitxer::Desa(nullptr, "nota.txt", "", triat) ? "chosen" : "cancelled " + triat;
}

std::string Shell()
{
    const INT_PTR r = reinterpret_cast<INT_PTR>(Win::ShellExecuta(nullptr, "open", "C:\\korvu_no_existeix.txt", nullptr,
                                                                  nullptr, SW_SHOWNORMAL));
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = "C:\\korvu_no_existeix.txt";
    info.nShow = SW_SHOWNORMAL;
    SetLastError(0);
    const bool ex = Win::ShellExecutaEx(info);
    return std::to_string(r) + " " + (ex ? "true" : "false") + " " + std::to_string(GetLastError());
}

std::string Com()
{
    return Win::AsseguraCom() ? "COM" : "no COM";
}

std::string Imatge()
{
    return Win::CopiaImatgeFitxer(L"C:\\windows\\korvu.bmp") ? "picture" : "no picture";
}

const struct Cas {
    const char* nom;
    const char* fitxer;
    const char* desactiva;  // the name of its wine DLL override
    std::string (*usa)();
    const char* fallada;                   // what the caller makes of it
    std::vector<std::string> caixesDespres;  // the caller's own boxes after the loader's
} kCasos[] = {
    {"Sockets", "ws2_32.dll", "ws2_32", &Connexio, "Error #ref 007, inicializando socket (failed)", {}},
    {"Spooler", "winspool.drv", "winspool.drv", &ImpressioRaw, "not printed",
     {"No se ha completado la impresión, #ref 086, lin.:1"}},
    {"Dialegs", "comdlg32.dll", "comdlg32", &DialegDesa, "cancelled (untouched)", {}},
    {"Shell", "shell32.dll", "shell32", &Shell, "32 false 126", {}},
    {"Com", "ole32.dll", "ole32", &Com, "no COM", {}},
    {"Imatges", "oleaut32.dll", "oleaut32", &Imatge, "no picture", {}},
};

const Cas* CasDeNom(const char* nom)
{
    for (const Cas& c : kCasos)
        if (nom && c.nom == std::string(nom))
            return &c;
    return nullptr;
}

class SenseBiblioteca : public testing::TestWithParam<Cas> {};

// Runs the child of case c, with its library off, and gives its exit code. The child is a copy
// of this program under a name of its own, whose DLL override stands in the prefix's registry
// (wine reads no override from a child's environment).
DWORD ExecutaFill(const Cas& c)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    const std::string nom = std::string("SenseBiblioteca") + c.nom + ".exe";
    if (!CopyFileA(exe, nom.c_str(), FALSE))
        return 1000;
    HKEY k;
    const std::string clau = "Software\\Wine\\AppDefaults\\" + nom + "\\DllOverrides";
    if (RegCreateKeyExA(HKEY_CURRENT_USER, clau.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k,
                        nullptr) != ERROR_SUCCESS)
        return 1002;
    RegSetValueExA(k, c.desactiva, 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    RegCloseKey(k);
    std::string ordre = "\"" + nom + "\" --gtest_also_run_disabled_tests --gtest_filter=SenseBibliotecaFill.DISABLED_Cas";
    SetEnvironmentVariableA(kCasEntorn, c.nom);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    const BOOL creat = CreateProcessA(nullptr, &ordre[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableA(kCasEntorn, nullptr);
    if (!creat)
        return 1003;
    DWORD codi = 1001;
    // A child that waits (a real dialog the override did not stop) is ended, failed.
    if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, codi);
    GetExitCodeProcess(pi.hProcess, &codi);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return codi;
}

} // namespace

TEST_P(SenseBiblioteca, OneBoxThenTheCallersOwnFailure)
{
    EXPECT_EQ(ExecutaFill(GetParam()), 0u) << GetParam().fitxer << ": see the child's output above";
}

void PrintTo(const Cas& c, std::ostream* os)
{
    *os << c.fitxer;
}

INSTANTIATE_TEST_SUITE_P(Biblioteques, SenseBiblioteca, testing::ValuesIn(kCasos),
                         [](const testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

namespace {

// The child's boxes; under the first one the hook does what a timer's exchange does under a real
// box: the same use again.
const Cas* casFill = nullptr;
std::vector<std::string> caixes;
std::string dinsCaixa = "(no box)";

int Caixa(HWND, const char* text, const char* titol, UINT)
{
    caixes.push_back(std::string(titol) + ": " + text);
    if (caixes.size() == 1)
        dinsCaixa = casFill->usa();
    return IDOK;
}

} // namespace

// The child: run only by the case above.
TEST(SenseBibliotecaFill, DISABLED_Cas)
{
    casFill = CasDeNom(std::getenv(kCasEntorn));
    ASSERT_NE(casFill, nullptr) << "run by SenseBiblioteca only";
    const Cas& c = *casFill;
    ASSERT_EQ(GetModuleHandleA(c.fitxer), nullptr) << "loaded before its first use";
    Win::MsgBox::SetHook(&Caixa);
    EXPECT_EQ(c.usa(), c.fallada);
    EXPECT_EQ(dinsCaixa, c.fallada) << "the same use under the box";
    ASSERT_GE(caixes.size(), 1u);
    const std::string inici = std::string("Korvuc Error: Error cargando ") + c.fitxer + ", cod. 126 ";
    EXPECT_EQ(caixes[0].rfind(inici, 0), 0u) << caixes[0];
    EXPECT_GT(caixes[0].size(), inici.size()) << "the system's text is missing";
    // The caller's own boxes: of the use under the box, then of the first use.
    std::vector<std::string> esperades;
    for (int i = 0; i < 2; ++i)
        for (const std::string& t : c.caixesDespres)
            esperades.push_back("Korvuc Error: " + t);
    EXPECT_EQ(std::vector<std::string>(caixes.begin() + 1, caixes.end()), esperades);
    // The program goes on: the same use again fails the same way, without the loader's box.
    caixes.assign(1, "(the first box)");
    EXPECT_EQ(c.usa(), c.fallada);
    EXPECT_EQ(caixes.size() - 1, c.caixesDespres.size());
    Win::MsgBox::SetHook(nullptr);
}

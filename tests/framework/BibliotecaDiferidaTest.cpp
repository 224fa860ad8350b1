#include "framework/BibliotecaDiferida.h"

#include "framework/BibliotequesSistema.h"
#include "framework/ImatgeFitxer.h"
#include "framework/MsgBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Absent {
    static constexpr const char* kFitxer = "korvu_no_existeix.dll";
    void Omple(Win::BibliotecaDiferida&) {}
};

struct SenseEntrada {
    static constexpr const char* kFitxer = "kernel32.dll";
    decltype(&::GetTickCount) GetTickCount;
    void (*KorvuNoExisteix)();
    void Omple(Win::BibliotecaDiferida& b)
    {
        KORVU_BUSCA_FUNCIO(b, GetTickCount);
        KORVU_BUSCA_FUNCIO(b, KorvuNoExisteix);
    }
};

// The boxes shown; under the first one the hook does what a timer's exchange does under a real
// box: the same library's first use again.
std::vector<std::string> caixes;
const void* (*dinsCaixa)() = nullptr;
const void* trobatDins = &caixes;

int Caixa(HWND, const char* text, const char*, UINT)
{
    caixes.push_back(text);
    if (caixes.size() == 1 && dinsCaixa)
        trobatDins = dinsCaixa();
    return IDOK;
}

template <class T>
const void* Usa()
{
    return Win::Diferida<T>::Get();
}

// Runs f on a thread of its own; a call that waits for ever ends the test program, failed,
// instead of hanging the run.
DWORD WINAPI Fil(void* f)
{
    reinterpret_cast<void (*)()>(f)();
    return 0;
}

void AmbLimit(void (*f)())
{
    HANDLE fil = CreateThread(nullptr, 0, &Fil, reinterpret_cast<void*>(f), 0, nullptr);
    ASSERT_NE(fil, nullptr);
    if (WaitForSingleObject(fil, 30000) != WAIT_OBJECT_0) {
        std::fputs("FAIL: a first use under the failure box still waits after 30 s\n", stderr);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 1);
    }
    CloseHandle(fil);
}

std::string SenseFinal(const std::string& text, size_t inici)
{
    return inici <= text.size() ? text.substr(inici) : std::string();
}

} // namespace

TEST(BibliotecaDiferida, AFailedLibraryIsShownOnceAndAFirstUseUnderItsBoxFindsItMissing)
{
    const Win::MsgBox::Hook anterior = Win::MsgBox::SetHook(&Caixa);
    const struct Cas {
        const char* nom;
        const void* (*usa)();
        const char* inici;  // the box: the library and the system's reason, or the missing entry
        bool ambMotiu;
    } casos[] = {
        {"no library", &Usa<Absent>, "Error cargando korvu_no_existeix.dll, cod. 126 ", true},
        {"missing entry", &Usa<SenseEntrada>, "Error cargando kernel32.dll: falta KorvuNoExisteix", false},
    };
    for (const Cas& c : casos) {
        caixes.clear();
        dinsCaixa = c.usa;
        trobatDins = &caixes;
        static const Cas* actual;
        actual = &c;
        AmbLimit([] { EXPECT_EQ(actual->usa(), nullptr); });
        EXPECT_EQ(trobatDins, nullptr) << c.nom;
        ASSERT_EQ(caixes.size(), 1u) << c.nom;
        const std::string& text = caixes[0];
        EXPECT_EQ(text.rfind(c.inici, 0), 0u) << c.nom << ": " << text;
        const std::string motiu = SenseFinal(text, std::strlen(c.inici));
        if (c.ambMotiu) {
            EXPECT_FALSE(motiu.empty()) << c.nom << ": the system's text is missing";
            EXPECT_EQ(motiu.find_first_of("\r\n"), std::string::npos) << c.nom;
        } else {
            EXPECT_EQ(motiu, "") << c.nom;
        }
        // One attempt per run: a later use fails at once and shows nothing.
        dinsCaixa = nullptr;
        EXPECT_EQ(c.usa(), nullptr) << c.nom;
        EXPECT_EQ(caixes.size(), 1u) << c.nom;
    }
    Win::MsgBox::SetHook(anterior);
}

namespace {

// Ended after the tables of the libraries that COM may call, before COM itself.
class SondaFinal {
public:
    ~SondaFinal()
    {
        for (const char* fitxer : {"shell32.dll", "oleaut32.dll"}) {
            if (!GetModuleHandleA(fitxer)) {
                std::fprintf(stderr, "FAIL: %s is freed at exit while COM is still open\n", fitxer);
                std::fflush(stderr);
                std::_Exit(1);
            }
        }
    }
};

} // namespace

TEST(BibliotecaDiferida, TheLibrariesComMayCallStayMappedUntilComEnds)
{
    // Neither is imported by this program: the first uses below load them.
    ASSERT_EQ(GetModuleHandleA("shell32.dll"), nullptr);
    ASSERT_EQ(GetModuleHandleA("oleaut32.dll"), nullptr);
    ASSERT_TRUE(Win::AsseguraCom());
    static SondaFinal sonda;
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = "C:\\korvu_no_existeix.txt";
    info.nShow = SW_SHOWNORMAL;
    EXPECT_FALSE(Win::ShellExecutaEx(info));
    EXPECT_EQ(Win::CopiaImatgeFitxer(L"C:\\korvu_no_existeix.bmp"), nullptr);
    EXPECT_NE(GetModuleHandleA("shell32.dll"), nullptr);
    EXPECT_NE(GetModuleHandleA("oleaut32.dll"), nullptr);
}

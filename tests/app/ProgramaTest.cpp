// The program itself, started as a separate process in a folder of its own.
#include "tests/framework/FinestraDe.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::string CarpetaPrograma()
{
    char cami[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, cami, MAX_PATH);
    std::string text = cami;
    return text.substr(0, text.find_last_of('\\') + 1);
}

class Programa : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string nom = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        carpeta_ = "programa-" + nom;
        CreateDirectoryA(carpeta_.c_str(), nullptr);
        DeleteFileA((carpeta_ + "\\korvuc.cfg").c_str());
    }
    void TearDown() override
    {
        if (proces_.hProcess) {
            TerminateProcess(proces_.hProcess, 1);
            CloseHandle(proces_.hProcess);
            CloseHandle(proces_.hThread);
        }
    }

    void Configura(const std::string& text) { std::ofstream(carpeta_ + "\\korvuc.cfg", std::ios::binary) << text; }

    void Arrenca(const std::string& arguments = "")
    {
        const std::string programa = CarpetaPrograma() + "korvuc.exe";
        std::string linia = "\"" + programa + "\"" + arguments;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        ASSERT_TRUE(CreateProcessA(programa.c_str(), &linia[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   carpeta_.c_str(), &si, &proces_));
    }

    // Waits for a shown top-level window of the program's process with this class and
    // caption: a window is found before it is complete, and shown only once it is.
    HWND Espera(const char* classe, const char* titol, int intents = 200)
    {
        for (int i = 0; i < intents; ++i) {
            HWND w = FinestraDe(proces_.dwProcessId, 0, classe, titol);
            if (w && IsWindowVisible(w))
                return w;
            Sleep(50);
        }
        return nullptr;
    }

    DWORD Final()
    {
        EXPECT_EQ(WaitForSingleObject(proces_.hProcess, 10000), WAIT_OBJECT_0);
        DWORD codi = 0;
        GetExitCodeProcess(proces_.hProcess, &codi);
        return codi;
    }

    // Closes the main window as the user does: the close button, then Yes to the question.
    void Tanca(HWND principal)
    {
        PostMessageA(principal, WM_CLOSE, 0, 0);
        HWND pregunta = Espera("#32770", "KORVU");
        ASSERT_NE(pregunta, nullptr);
        PostMessageA(pregunta, WM_COMMAND, IDYES, 0);
    }

    static BOOL CALLBACK TextFill(HWND fill, LPARAM p)
    {
        char classe[32] = {}, text[512] = {};
        GetClassNameA(fill, classe, sizeof classe);
        GetWindowTextA(fill, text, sizeof text);
        if (lstrcmpiA(classe, "Static") == 0 && text[0])
            *reinterpret_cast<std::string*>(p) = text;
        return TRUE;
    }

    static std::string TextCaixa(HWND caixa)
    {
        std::string trobat;
        EnumChildWindows(caixa, TextFill, reinterpret_cast<LPARAM>(&trobat));
        return trobat;
    }

    std::string carpeta_;
    PROCESS_INFORMATION proces_ = {};
};

} // namespace

TEST_F(Programa, WithoutConfigurationShowsTheErrorAndEndsWithoutAWindow)
{
    Arrenca();
    HWND caixa = Espera("#32770", "Korvuc Error");
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(TextCaixa(caixa), "Error #ref 030, error abriendo fichero de configuración");
    EXPECT_EQ(GetWindow(caixa, GW_OWNER), nullptr);
    EXPECT_EQ(Espera("Korvuc", nullptr, 10), nullptr);
    PostMessageA(caixa, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Final(), static_cast<DWORD>(-1));
}

TEST_F(Programa, OpensItsMainWindowAndEndsWhenItIsClosed)
{
    Configura("dirdocs=docs;\r\nusuario=ana;\r\n");
    Arrenca();
    HWND principal = Espera("Korvuc", "Quorvanta - ver. 2.3.045");
    ASSERT_NE(principal, nullptr);
    RECT r = {};
    GetWindowRect(principal, &r);
    EXPECT_EQ(r.right - r.left, 550);
    EXPECT_EQ(r.bottom - r.top, 320);
    Tanca(principal);
    EXPECT_EQ(Final(), 0u);
}

// The command line gives the whole login: the program logs in while its window is made. With
// its key in place and no server to reach, the refused connection is shown and the program ends.
TEST_F(Programa, AutomaticLoginTalksToTheServerAtOnce)
{
    Configura("dirdocs=docs;\r\nacceso_remoto=no;\r\nservidor_int=127.0.0.1;\r\nport=00001;\r\n");
    std::ofstream(carpeta_ + "\\crpt.cfg", std::ios::binary) << std::string(2371, '\x5A');
    Arrenca(" /i ana,01,Es,secreto,");
    HWND caixa = Espera("#32770", "Korvuc Error");
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(TextCaixa(caixa), "Error #ref 009, El servicio Vintu no responde");
    PostMessageA(caixa, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Final(), 0u);
}

TEST_F(Programa, ABadLineEndsStartUpWithItsNumber)
{
    Configura("# comentario\r\nusuario=ana;\r\nport=123;\r\n");
    Arrenca();
    HWND caixa = Espera("#32770", "Korvuc Error");
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(TextCaixa(caixa), "Error en el fichero de configuración, línea: 3");
    PostMessageA(caixa, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Final(), static_cast<DWORD>(-1));
}

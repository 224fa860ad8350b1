// The report-viewer launcher as the screens start it, with the recording stand-in in its place.
#include "screens/Llancador.h"

#include "tests/framework/FitxerProva.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using prova::DirActual;
using prova::LlegeixFitxer;

// The stand-in, from the folder that the build names in KORVU_STANDINS_DIR.
std::string StandIn()
{
    const char* unix = std::getenv("KORVU_STANDINS_DIR");
    std::string c = unix ? std::string("Z:") + unix + "/runvexa.exe" : std::string();
    for (char& ch : c) {
        if (ch == '/')
            ch = '\\';
    }
    return c;
}

// What the stand-in recorded in the current folder, once it has (waits up to 15 s).
std::string Registre()
{
    for (int i = 0; i < 150; ++i) {
        const std::string text = LlegeixFitxer("runvexa-standin.log");
        if (!text.empty())
            return text;
        Sleep(100);
    }
    return "";
}

class Llancador : public testing::Test {
protected:
    void SetUp() override
    {
        inici_ = DirActual();
        ASSERT_FALSE(StandIn().empty()) << "KORVU_STANDINS_DIR names the stand-ins";
    }
    void TearDown() override { SetCurrentDirectoryA(inici_.c_str()); }

    // A fresh folder made the current one, with the stand-in in it or not.
    std::string Carpeta(const char* nom, bool ambLlancador)
    {
        const std::string c = inici_ + "\\" + nom;
        CreateDirectoryA(c.c_str(), nullptr);
        DeleteFileA((c + "\\runvexa-standin.log").c_str());
        DeleteFileA((c + "\\runvexa.exe").c_str());
        if (ambLlancador) {
            EXPECT_TRUE(CopyFileA(StandIn().c_str(), (c + "\\runvexa.exe").c_str(), FALSE));
        }
        SetCurrentDirectoryA(c.c_str());
        return c;
    }

    std::string inici_;
};

} // namespace

// A document's path and a help target are one argument each, whatever they hold; the arguments
// of a new instance follow "3" as they stand, as a new instance started by the shell gets them.
TEST_F(Llancador, EachModeGetsItsCommandLine)
{
    const struct {
        bool (*llanca)(const std::string&);
        std::string argument;
        std::string linia;
    } casos[] = {
        {LlancaDocument, "C:\\Mis documentos\\x.pdf", "1 \"C:\\Mis documentos\\x.pdf\""},
        {LlancaAjuda, "http://servidor/man/Es/alta clientes.htm", "runvexa.exe 2 \"http://servidor/man/Es/alta clientes.htm\""},
        {LlancaNovaInstancia, " /i ana,01,Es,,", "runvexa.exe 3 /i ana,01,Es,,"},
        {LlancaNovaInstancia, " /i ana,01,Es,dos \"palabras\",", "runvexa.exe 3 /i ana,01,Es,dos \"palabras\","},
    };
    int n = 0;
    for (const auto& c : casos) {
        const std::string carpeta = Carpeta(("amb" + std::to_string(n++)).c_str(), true);
        ASSERT_TRUE(c.llanca(c.argument)) << GetLastError();
        EXPECT_EQ(Registre(), c.linia + "\t" + carpeta + "\n");
    }
}

// As the other programs that show documents: the one of the working folder, never one that
// the system would find along its path.
TEST_F(Llancador, OnlyTheLauncherOfTheWorkingFolderIsStarted)
{
    const std::string altra = Carpeta("enElCami", true);
    char cami[32767] = {};
    GetEnvironmentVariableA("PATH", cami, sizeof cami);
    const std::string previ = cami;
    SetEnvironmentVariableA("PATH", (altra + ";" + previ).c_str());
    const std::string carpeta = Carpeta("sense", false);
    EXPECT_FALSE(LlancaAjuda("http://servidor/"));
    SetEnvironmentVariableA("PATH", previ.c_str());
    Sleep(500);
    EXPECT_EQ(LlegeixFitxer(carpeta + "\\runvexa-standin.log"), "") << "started from the path";
}

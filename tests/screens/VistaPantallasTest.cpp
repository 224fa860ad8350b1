// The view's loader on definitions files written beside it: found and missing screens, the
// check number, a missing file, a file another program holds and the restore from a copy.
#include "screens/Vista.h"

#include "framework/DispError.h"
#include "link/Comunicador.h"
#include "screens/LiniaPantalla.h"
#include "screens/SumaPantalla.h"
#include "tests/screens/BytesMemoria.h"
#include "tests/screens/ProvaVista.h"

#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

namespace {

using prova::Columnes;
using prova::Linia;

const char kMenu[] = "EsKRVMEN  01001";
const char kArt[] = "CaKRVART  01001";

std::string Fitxer(const std::vector<Columnes>& linies)
{
    std::string text;
    for (const Columnes& c : linies)
        text += c.Linia() + "\r\n";
    return text;
}

std::int32_t Suma(const std::vector<Columnes>& linies)
{
    SumaPantalla s;
    for (const Columnes& c : linies)
        LiniaPantalla::Suma(c.Linia(), s);
    return s.suma;
}

const std::vector<Columnes> kLiniesMenu = {Linia(kMenu, 1, 'C'), Linia(kMenu, 9, 'N', 2), Linia(kMenu, 2, 'B'),
                                           Linia(kMenu, 9, 'N', 1)};
const std::vector<Columnes> kLiniesArt = {Linia(kArt, 5, 'K')};

std::string Error(const std::function<void()>& f)
{
    try {
        f();
    } catch (const DispError& e) {
        return e.Texto();
    }
    return "(no error)";
}

// Closes the handle after a moment, from another thread.
DWORD WINAPI AlliberaDespres(LPVOID h)
{
    Sleep(100);
    CloseHandle(static_cast<HANDLE>(h));
    return 0;
}

class LeePantalla : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string nom = testing::UnitTest::GetInstance()->current_test_info()->name();
        v = std::make_unique<prova::VistaDeProva>("lee_" + nom, &com);
        vista().esperaPantallas = 10;
    }
    Vista& vista() { return *v->vista; }
    void Escriu(const char* nom, const std::string& text) { prova::EscriuFitxer(v->Cami(nom), text); }

    // A screen on display: one record, its identifier.
    void PantallaAnterior()
    {
        vista().campos.assign(1, ControlDef());
        vista().campos[0].codigo = 77;
        vista().idPantalla = "EsKRVANT  01001";
        vista().campoActual = 0;
    }
    void EsPantallaAnterior()
    {
        ASSERT_EQ(vista().campos.size(), 1u);
        EXPECT_EQ(vista().campos[0].codigo, 77);
        EXPECT_EQ(vista().idPantalla, "EsKRVANT  01001");
        EXPECT_EQ(vista().campoActual, 0);
    }

    Comunicador com;
    std::unique_ptr<prova::VistaDeProva> v;
};

} // namespace

TEST_F(LeePantalla, LoadsTheScreenWithItsTabStripLastAndSetsTheFilter)
{
    Escriu("PANT1.DAT", Fitxer(kLiniesArt) + Fitxer(kLiniesMenu));
    PantallaAnterior();
    ASSERT_TRUE(vista().LeePantalla(kMenu, Suma(kLiniesMenu)));
    ASSERT_EQ(vista().campos.size(), 3u);
    EXPECT_EQ(vista().campos[0].tipo, 0);
    EXPECT_EQ(vista().campos[1].tipo, 2);
    EXPECT_EQ(vista().campos[2].tipo, 10);
    ASSERT_EQ(vista().campos[2].elementos.size(), 2u);
    EXPECT_EQ(vista().campos[2].elementos[0].numero, 1);
    EXPECT_EQ(vista().idPantalla, kMenu);
    EXPECT_EQ(vista().campoActual, -1);
    EXPECT_EQ(vista().campoAnterior, -1);
    EXPECT_EQ(vista().sumaDefinicion, Suma(kLiniesMenu));
    EXPECT_EQ(v->filtre, 1);

    ASSERT_TRUE(vista().LeePantalla(kArt, 0));
    EXPECT_EQ(vista().campos.size(), 1u);
    EXPECT_EQ(v->filtre, 0);
}

TEST_F(LeePantalla, ScreenNotThereOrOutOfDate)
{
    Escriu("PANT1.DAT", Fitxer(kLiniesArt) + Fitxer(kLiniesMenu));
    PantallaAnterior();
    EXPECT_FALSE(vista().LeePantalla("EsKRVNUE  01001", 0));
    EsPantallaAnterior();
    EXPECT_FALSE(vista().LeePantalla("EsKRVMEN  0100", 0));
    EsPantallaAnterior();

    // A check number that differs: the table holds the lines read, the screen stays the old one.
    EXPECT_FALSE(vista().LeePantalla(kMenu, Suma(kLiniesMenu) + 1));
    EXPECT_EQ(vista().campos.size(), 3u);
    EXPECT_EQ(vista().idPantalla, "EsKRVANT  01001");
    EXPECT_EQ(v->filtre, 7);
}

TEST_F(LeePantalla, MissingFileIsRestoredFromTheLatestCopyOrAskedFor)
{
    // No file and no copy: false at once, nothing waited for.
    vista().esperaPantallas = 60000;
    const DWORD inici = GetTickCount();
    EXPECT_FALSE(vista().LeePantalla(kMenu, 0));
    EXPECT_LT(GetTickCount() - inici, 30000u);
    EXPECT_FALSE(prova::Existeix(v->Cami("PANT1.DAT")));

    // ".SAV" alone restores the file.
    Escriu("PANT1.SAV", Fitxer(kLiniesMenu));
    EXPECT_TRUE(vista().LeePantalla(kMenu, 0));
    EXPECT_EQ(prova::LlegeixFitxer(v->Cami("PANT1.DAT")), Fitxer(kLiniesMenu));

    // After a failed update of a whole language ".OLD" is the later copy.
    DeleteFileA(v->Cami("PANT1.DAT").c_str());
    Escriu("PANT1.OLD", Fitxer(kLiniesArt));
    HANDLE h = CreateFileA(v->Cami("PANT1.SAV").c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME antic = {0x10000000, 0x01C00000};
    SetFileTime(h, nullptr, nullptr, &antic);
    CloseHandle(h);
    EXPECT_TRUE(vista().LeePantalla(kArt, 0));
    EXPECT_FALSE(vista().LeePantalla(kMenu, 0));
}

TEST_F(LeePantalla, FileHeldByAnotherIsWaitedForThenReported)
{
    Escriu("PANT1.DAT", Fitxer(kLiniesMenu));
    Escriu("PANT1.SAV", Fitxer(kLiniesMenu));
    HANDLE h = CreateFileA(v->Cami("PANT1.DAT").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    PantallaAnterior();
    EXPECT_EQ(Error([&] { vista().LeePantalla(kMenu, 0); }),
              "Error #ref 038, error tratando fichero de pantallas, línea: 0-0-0");
    EsPantallaAnterior();

    // Let go during the waits: the load goes on.
    vista().esperaPantallas = 1000;
    HANDLE fil = CreateThread(nullptr, 0, AlliberaDespres, h, 0, nullptr);
    ASSERT_NE(fil, nullptr);
    EXPECT_TRUE(vista().LeePantalla(kMenu, 0));
    WaitForSingleObject(fil, 5000);
    CloseHandle(fil);
    EXPECT_EQ(vista().campos.size(), 3u);
}

TEST_F(LeePantalla, EmptyFileAndLastLineWithoutItsEnd)
{
    Escriu("PANT1.DAT", "");
    EXPECT_FALSE(vista().LeePantalla(kMenu, 0));
    std::string text = Fitxer(kLiniesMenu);
    text.resize(text.size() - 2);
    Escriu("PANT1.DAT", text);
    ASSERT_TRUE(vista().LeePantalla(kMenu, Suma(kLiniesMenu)));
    ASSERT_EQ(vista().campos.size(), 3u);
    EXPECT_EQ(vista().campos[2].elementos.size(), 2u);
}

// Failures before the transfer begins: each has its message, and PANT1.DAT is untouched.
TEST(ActualizaPantallas, FailuresBeforeTheTransferLeaveTheFile)
{
    Comunicador com;
    prova::VistaDeProva v("actualiza_errors", &com);
    const std::string dat = Fitxer(kLiniesMenu);
    struct Cas {
        const char* que;
        int modo;
        const char* fitxer;  // held open by the test, or a folder in the way
        DWORD acces, compartit;
        const char* esperat;
    } casos[] = {
        {"definitions held, mode 1", 1, "PANT1.DAT", GENERIC_READ | GENERIC_WRITE, 0,
         "Error #ref 057, actualizando pantallas"},
        {"definitions held, mode 2", 2, "PANT1.DAT", GENERIC_READ | GENERIC_WRITE, 0,
         "Error #ref 056, actualizando pantallas"},
        {"a folder where the new file goes", 1, "PANT1.NEW", 0, 0, "Error #ref 058, actualizando pantallas"},
        {"the copy of mode 2 cannot be read", 2, "PANT1.OLD", GENERIC_WRITE, FILE_SHARE_WRITE | FILE_SHARE_DELETE,
         "Error #ref 059, actualizando pantallas"},
        {"the copy of mode 1 cannot be read", 1, "PANT1.SAV", GENERIC_WRITE, FILE_SHARE_WRITE | FILE_SHARE_DELETE,
         "Error #ref 059, actualizando pantallas"},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.que);
        prova::EscriuFitxer(v.Cami("PANT1.DAT"), dat);
        const std::string cami = v.Cami(c.fitxer);
        HANDLE h = INVALID_HANDLE_VALUE;
        if (c.acces == 0) {
            ASSERT_TRUE(CreateDirectoryA(cami.c_str(), nullptr));
        } else {
            h = CreateFileA(cami.c_str(), c.acces, c.compartit, nullptr, OPEN_ALWAYS, 0, nullptr);
            ASSERT_NE(h, INVALID_HANDLE_VALUE);
        }
        EXPECT_EQ(Error([&] { v.vista->ActualizaPantallas(kMenu, c.modo); }), c.esperat);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        RemoveDirectoryA(cami.c_str());
        EXPECT_EQ(prova::LlegeixFitxer(v.Cami("PANT1.DAT")), dat);
        EXPECT_FALSE(prova::Existeix(v.Cami("PANT1.NEW")));
    }
}

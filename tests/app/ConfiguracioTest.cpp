#include "app/Configuracio.h"

#include "framework/DispError.h"
#include "resources/ResourceIds.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>
#include <share.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Esborra(const std::string& cami)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((cami + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string nom = fd.cFileName;
            if (nom == "." || nom == "..")
                continue;
            const std::string fill = cami + "\\" + nom;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                Esborra(fill);
            } else {
                SetFileAttributesA(fill.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(fill.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(cami.c_str());
}

std::string DirActual()
{
    char dir[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, dir);
    return std::string(dir, n);
}

bool Existeix(const std::string& cami)
{
    return GetFileAttributesA(cami.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Escriu(const std::string& nom, const std::string& text)
{
    std::FILE* f = std::fopen(nom.c_str(), "wb");
    ASSERT_NE(f, nullptr) << nom;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

std::string Llegeix(const std::string& nom)
{
    std::string text;
    if (std::FILE* f = std::fopen(nom.c_str(), "rb")) {
        char bloc[1024];
        std::size_t n;
        while ((n = std::fread(bloc, 1, sizeof bloc, f)) > 0)
            text.append(bloc, n);
        std::fclose(f);
    }
    return text;
}

// A 24-bit picture of 5 x 3 pixels, as a BMP file.
std::string BmpPetit()
{
    const int ample = 5, alt = 3, fila = (ample * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    ih.biSize = sizeof ih;
    ih.biWidth = ample;
    ih.biHeight = alt;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = fila * alt;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + ih.biSizeImage;
    std::string bmp(reinterpret_cast<const char*>(&fh), sizeof fh);
    bmp.append(reinterpret_cast<const char*>(&ih), sizeof ih);
    bmp.append(ih.biSizeImage, '\x40');
    return bmp;
}

std::string ErrorDe(void (*accio)(Configuracio&), Configuracio& c)
{
    try {
        accio(c);
    } catch (const DispError& e) {
        return e.Texto();
    }
    return "";
}

std::vector<std::string> Linies(const std::string& text)
{
    std::vector<std::string> linies;
    std::size_t inici = 0;
    while (inici < text.size()) {
        std::size_t fi = text.find('\n', inici);
        if (fi == std::string::npos)
            fi = text.size();
        std::string linia = text.substr(inici, fi - inici);
        if (!linia.empty() && linia.back() == '\r')
            linia.pop_back();
        linies.push_back(linia);
        inici = fi + 1;
    }
    return linies;
}

const char* const liniaSola = "\"C:\\k\\korvuc.exe\"";

// Each test runs in a fresh folder of its own, which is its current directory.
class ConfiguracioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base_ = DirActual();
        dir_ = base_ + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        Esborra(dir_);
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
    }
    void TearDown() override { SetCurrentDirectoryA(base_.c_str()); }

    // Loads the text as korvuc.cfg with the screen height and command line given.
    void Carrega(Configuracio& c, const std::string& text, int alt = 700, const char* linia = liniaSola)
    {
        Escriu("korvuc.cfg", text);
        c.entorn.altMaximitzada = alt;
        c.entorn.liniaOrdres = linia;
        c.Carrega("korvuc.cfg");
    }

    std::string CarregaError(Configuracio& c, const std::string& text)
    {
        try {
            Carrega(c, text);
        } catch (const DispError& e) {
            return e.Texto();
        }
        return "";
    }

    std::string base_;
    std::string dir_;
};

} // namespace

TEST_F(ConfiguracioTest, MissingFileIsError030)
{
    Configuracio c;
    c.entorn.liniaOrdres = liniaSola;
    try {
        c.Carrega("korvuc.cfg");
        FAIL() << "no error";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 030, error abriendo fichero de configuración");
    }
}

TEST_F(ConfiguracioTest, FileThenCommandLineFillTheObject)
{
    Configuracio c;
    const std::string linia = "\"C:\\Program Files\\k\\korvuc.exe\" /i eva,02,En,clave,";
    Carrega(c,
            "# korvuc\r\n"
            "dirdocs=docs;\r\n"
            "\r\n"
            "usuario=ana;\r\nempresa=01;\r\nidioma=Es;\r\n"
            "port=08080;\r\nservidor_ext=ext.host;\r\ngrupo=G1;\r\n"
            "acceso_remoto=no;\r\nipdin=http://ip/;\r\ndebugtrcli=si;\r\ndesarrollo=si;\r\n",
            700, linia.c_str());
    EXPECT_EQ(c.port, 8080);
    EXPECT_EQ(c.servidor_ext, "ext.host");
    EXPECT_EQ(c.Grup(), "G1");
    EXPECT_STREQ(c.fitxerClaus, "crpt.cfg");
    EXPECT_EQ(c.AccesRemot(), "N");
    EXPECT_EQ(c.UrlIpDinamica(), "");
    EXPECT_EQ(c.tracaTrames, 1);
    EXPECT_EQ(c.modeDesenvolupament, 1);
    EXPECT_EQ(c.dirdocs, dir_ + "\\docs\\");
    EXPECT_TRUE(Existeix(c.dirdocs));
    EXPECT_EQ(c.usuario, "eva");
    EXPECT_EQ(c.empresa, "02");
    EXPECT_EQ(c.idioma, "En");
    EXPECT_EQ(c.password, "clave");
    EXPECT_EQ(c.autoLogin, 1);
    EXPECT_EQ(c.RutaPrograma(), "C:\\Program Files\\k\\korvuc.exe");
    EXPECT_EQ(c.ArgumentsNovaInstancia(), " /i eva,02,En,clave,");
    EXPECT_NE(c.semafor, nullptr);
    EXPECT_EQ(c.visorSvg, "");

    Configuracio d;
    ASSERT_TRUE(CreateDirectoryA("svgviewer", nullptr));
    Escriu("svgviewer\\svgviewer.exe", "MZ");
    Carrega(d, "dirdocs=docs;\r\nclaus=clave.key;\r\nacceso_remoto=si;\r\nipdin=http://ip/;\r\n");
    EXPECT_EQ(d.visorSvg, dir_ + "\\svgviewer\\svgviewer.exe");
    EXPECT_STREQ(d.fitxerClaus, "clave.key");
    EXPECT_EQ(d.UrlIpDinamica(), "http://ip/");
    EXPECT_EQ(d.autoLogin, 0);
}

TEST_F(ConfiguracioTest, ErrorsOfTheTextPassOutUnchanged)
{
    Configuracio c;
    EXPECT_EQ(CarregaError(c, "dirdocs=docs;\r\n# x\r\nport=00000;\r\n"),
              "Error en el fichero de configuración, línea: 3");
    Configuracio d;
    EXPECT_EQ(CarregaError(d, "dirdocs=;\r\n"), "Error #ref 032, error cargando configuración");
}

TEST_F(ConfiguracioTest, ScreenScaleAndFonts)
{
    struct Font {
        HFONT Configuracio::*membre;
        const char* nom;
        const char* cara;
        int alt, altGran, pes, subratllat;
    };
    const Font fonts[] = {
        {&Configuracio::fontFixa, "fontFixa", "Lucida Console", -11, -14, 400, 0},
        {&Configuracio::fontFixaPetita, "fontFixaPetita", "Lucida Console", -8, -10, 400, 0},
        {&Configuracio::fontFixaGran, "fontFixaGran", "Lucida Console", -16, -20, 400, 0},
        {&Configuracio::fontControl, "fontControl", "Tahoma", -9, -11, 400, 0},
        {&Configuracio::fontControlMitjana, "fontControlMitjana", "Tahoma", -10, -12, 400, 0},
        {&Configuracio::fontTitol, "fontTitol", "Tahoma", -21, -23, 400, 0},
        {&Configuracio::fontControlGran, "fontControlGran", "Tahoma", -16, -18, 400, 0},
        {&Configuracio::fontEnllac, "fontEnllac", "Arial", -14, -16, 500, 0},
        {&Configuracio::fontArial, "fontArial", "Arial", -14, -16, 400, 0},
        {&Configuracio::fontSubratllada, "fontSubratllada", "Tahoma", -10, -12, 400, 1},
        {&Configuracio::fontLlista, "fontLlista", "Tahoma", -12, -15, 400, 0},
    };
    for (int alt : {576, 577}) {
        Configuracio c;
        Carrega(c, "dirdocs=docs;\r\n", alt);
        const bool gran = alt > 576;
        EXPECT_DOUBLE_EQ(c.escalaX, gran ? 31.0 / 24.0 : 1.0) << alt;
        EXPECT_DOUBLE_EQ(c.escalaY, c.escalaX) << alt;
        for (const Font& f : fonts) {
            LOGFONTA lf = {};
            ASSERT_EQ(GetObjectA(c.*f.membre, sizeof lf, &lf), static_cast<int>(sizeof lf)) << f.nom;
            EXPECT_EQ(lf.lfHeight, gran ? f.altGran : f.alt) << f.nom << " " << alt;
            EXPECT_STREQ(lf.lfFaceName, f.cara) << f.nom;
            EXPECT_EQ(lf.lfWeight, f.pes) << f.nom;
            EXPECT_EQ(lf.lfUnderline, f.subratllat) << f.nom;
            EXPECT_EQ(lf.lfItalic, 0) << f.nom;
            EXPECT_EQ(lf.lfQuality, ANTIALIASED_QUALITY) << f.nom;
            EXPECT_EQ(lf.lfPitchAndFamily, FIXED_PITCH) << f.nom;
            EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET) << f.nom;
        }
    }
}

TEST_F(ConfiguracioTest, OtherSystemTakesCourierAsFixedFace)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\nso=linux;\r\n");
    EXPECT_EQ(c.so, 2);
    for (HFONT font : {c.fontFixa, c.fontFixaPetita, c.fontFixaGran}) {
        LOGFONTA lf = {};
        ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
        EXPECT_STREQ(lf.lfFaceName, "Courier");
    }
}

TEST_F(ConfiguracioTest, ImagesComeFromTheResourceLibrary)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\n");
    ASSERT_NE(c.recursos, nullptr);
    // Each one is the picture of its own number: its size as korvui01 draws it, and its pixels
    // those of that number (two headers share a size).
    const struct {
        HBITMAP bitmap;
        int numero, ample, alt;
    } bitmaps[] = {{c.bmpCapLlista, IDB_LIST_HEADER, 640, 20},     {c.bmpCapLlista50, IDB_LIST_HEADER_50, 400, 20},
                   {c.bmpCapLlista53, IDB_LIST_HEADER_53, 640, 20}, {c.bmpCapLlista150, IDB_LIST_HEADER_150, 1280, 20},
                   {c.bmpBandaEtiqueta, IDB_LABEL_BAND, 800, 24},   {c.bmpBandaMenu, IDB_MENU_BAND, 240, 24},
                   {c.bmpFonsText, IDB_TEXT_BACK, 8, 8},            {c.bmpFonsText2, IDB_TEXT_BACK_2, 8, 8},
                   {c.bmpFonsText3, IDB_TEXT_BACK_3, 8, 8},         {c.bmpImatge133, IDB_PICTURE_133, 120, 90}};
    const auto pixels = [](HBITMAP b, const BITMAP& bm) {
        std::vector<char> bytes(static_cast<std::size_t>(bm.bmWidthBytes) * bm.bmHeight);
        GetBitmapBits(b, static_cast<LONG>(bytes.size()), bytes.data());
        return bytes;
    };
    for (const auto& b : bitmaps) {
        SCOPED_TRACE(b.numero);
        BITMAP bm = {};
        ASSERT_TRUE(GetObjectA(b.bitmap, sizeof bm, &bm));
        EXPECT_EQ(bm.bmWidth, b.ample);
        EXPECT_EQ(bm.bmHeight, b.alt);
        HBITMAP propi = LoadBitmapA(c.recursos, MAKEINTRESOURCEA(b.numero));
        BITMAP bp = {};
        ASSERT_TRUE(GetObjectA(propi, sizeof bp, &bp));
        EXPECT_EQ(pixels(b.bitmap, bm), pixels(propi, bp));
        DeleteObject(propi);
    }
    for (HICON i : {c.icoMes, c.icoMenys, c.icoEntrada})
        EXPECT_NE(i, nullptr);
    for (HBRUSH b : {c.brFonsText, c.brFonsText2, c.brFonsText3}) {
        LOGBRUSH lb = {};
        ASSERT_TRUE(GetObjectA(b, sizeof lb, &lb));
        EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_PATTERN));
    }
    EXPECT_EQ(c.bmpLogo, nullptr); // no logo.bmp
}

TEST_F(ConfiguracioTest, MissingResourceLibraryIsTolerated)
{
    Configuracio c;
    c.entorn.biblioteca = "noexiste_korvui01.dll";
    Carrega(c, "dirdocs=docs;\r\n");
    EXPECT_EQ(c.recursos, nullptr);
    EXPECT_EQ(c.bmpCapLlista, nullptr);
    EXPECT_EQ(c.bmpBandaMenu, nullptr);
    EXPECT_EQ(c.bmpFonsText, nullptr);
    EXPECT_EQ(c.icoMes, nullptr);
    EXPECT_EQ(c.brFonsText, nullptr);
    EXPECT_NE(c.fontControl, nullptr);
    EXPECT_NE(c.semafor, nullptr);
}

TEST_F(ConfiguracioTest, LogoIsACopyThatOutlivesThePicture)
{
    ASSERT_TRUE(CreateDirectoryA("bmp", nullptr));
    Escriu("bmp\\logo.bmp", BmpPetit());
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\ndirbitmaps=bmp;\r\n");
    ASSERT_NE(c.bmpLogo, nullptr);
    BITMAP bm = {};
    ASSERT_TRUE(GetObjectA(c.bmpLogo, sizeof bm, &bm));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
}

TEST_F(ConfiguracioTest, FoldersAreCreatedOrTheirErrorsThrown)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\ndirbitmaps=bmp;\r\ndirimport=imp;\r\ndirjfree=jfree;\r\n");
    EXPECT_TRUE(Existeix("docs"));
    EXPECT_TRUE(Existeix("bmp"));
    EXPECT_TRUE(Existeix("imp"));
    EXPECT_FALSE(Existeix("jfree")); // only named, never created
    EXPECT_EQ(c.DirJfree(), dir_ + "\\jfree\\");

    const struct { const char* text; std::string error; } casos[] = {
        {"dirdocs=docs;\r\ndirbitmaps=no\\hay;\r\n", "Error #ref 035_2, error en carpeta de bitmaps"},
        {"dirdocs=docs;\r\ndirimport=no\\hay;\r\n", "Error #ref 035_3, error en carpeta de docs. a incorporar"},
    };
    for (const auto& cas : casos) {
        MsgBoxRecorder rec;
        Configuracio d;
        EXPECT_EQ(CarregaError(d, cas.text), cas.error);
        EXPECT_TRUE(rec.Boxes().empty());
    }
}

TEST_F(ConfiguracioTest, UncreatableDocumentsFolderShowsSystemTextFirst)
{
    for (const char* text : {"usuario=ana;\r\n", "dirdocs=no\\hay;\r\n"}) {
        MsgBoxRecorder rec;
        Configuracio c;
        const std::string error = CarregaError(c, text);
        EXPECT_EQ(error, "Error #ref 035_1, error en carpeta de documentos: " + c.dirdocs) << text;
        ASSERT_EQ(rec.Boxes().size(), 1u) << text;
        EXPECT_EQ(rec.Boxes()[0].owner, nullptr);
        EXPECT_EQ(rec.Boxes()[0].caption, "Error");
        EXPECT_EQ(rec.Boxes()[0].type, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_FALSE(rec.Boxes()[0].text.empty());
    }
}

TEST_F(ConfiguracioTest, CompanyFoldersAreCompletedOnce)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\nempresa=01;\r\n");
    EXPECT_EQ(c.DirFitxers(), "ficheros\\01\\");
    EXPECT_TRUE(Existeix("ficheros\\01"));
    EXPECT_EQ(c.DirFitxers(), "ficheros\\01\\");
    EXPECT_EQ(c.DirDocuments(), dir_ + "\\docs\\01\\");
    EXPECT_TRUE(Existeix("docs\\01"));
    EXPECT_EQ(c.DirDocuments(), dir_ + "\\docs\\01\\");
    EXPECT_EQ(c.primerDocuments, 0);

    Configuracio d;
    Carrega(d, "dirdocs=docs;\r\ndirficheros=fich;\r\nempresa=no\\hay;\r\n");
    EXPECT_EQ(ErrorDe([](Configuracio& x) { x.DirDocuments(); }, d),
              "Error #ref 035_4, error en directorio de documentos");
    EXPECT_EQ(ErrorDe([](Configuracio& x) { x.DirFitxers(); }, d),
              "Error #ref 035_5, error en directorio de documentos");
    d.dirficheros = dir_ + "\\no\\hay\\";
    EXPECT_EQ(ErrorDe([](Configuracio& x) { x.DirFitxers(); }, d),
              "Error #ref 033, error en directorio de documentos");
    // A failed completion leaves the folder as it was, ready for another try.
    EXPECT_EQ(d.dirdocs, dir_ + "\\docs\\");
    EXPECT_EQ(d.primerDocuments, 1);
}

TEST_F(ConfiguracioTest, HelpAddressFitsItsBuffer)
{
    Configuracio c;
    c.ajuda = "C:\\ayuda\\XX";
    c.idioma = "Es";
    char buffer[MAX_PATH + 8];
    std::memset(buffer, '#', sizeof buffer);
    c.ComponRuta(buffer);
    EXPECT_STREQ(buffer, "C:\\ayuda\\Es\\");

    c.ajuda = std::string(400, 'a');
    std::memset(buffer, '#', sizeof buffer);
    c.ComponRuta(buffer);
    EXPECT_EQ(std::strlen(buffer), static_cast<std::size_t>(MAX_PATH - 1));
    EXPECT_EQ(buffer[MAX_PATH], '#');
}

// Write-back.

namespace {

const std::string cfgInicial =
    "# configuracion de prueba\r\n"
    "dirdocs=docs;\r\n"
    "\r\n"
    "acceso_remoto=si;\r\n"
    "usuario=ana;\r\nempresa=01;\r\nidioma=Es;\r\n"
    "servidor_ext=old.host; # anterior\r\n"
    "# servidor_ext=old\r\n"
    "port=01234;\r\n"
    "\r\n"
    "# " + std::string(180, 'x') + "\r\n"
    "clave_nueva=" + std::string(120, 'v') + ";\r\n"
    "ultima=1;\r\n";

} // namespace

TEST_F(ConfiguracioTest, DesaWithoutChangeTouchesNothing)
{
    Configuracio c;
    Carrega(c, cfgInicial);
    EXPECT_FALSE(c.Desa("S", c.usuario, c.empresa, c.idioma, "", 0));
    EXPECT_FALSE(c.Desa("S", "eva", "", "Es", "", 0)); // a login change needs all three
    EXPECT_FALSE(c.Desa("S", "", "", "", "new.host", 0));
    EXPECT_FALSE(c.Desa("S", "", "", "", "new.host", 70000));
    EXPECT_FALSE(Existeix("korvuc.cfg.sav"));
    EXPECT_EQ(Llegeix("korvuc.cfg"), cfgInicial);
}

TEST_F(ConfiguracioTest, DesaKeepsEveryLineAndTheBackupHoldsThePreviousFile)
{
    Configuracio c;
    Carrega(c, cfgInicial);
    ASSERT_TRUE(c.Desa("S", "", "", "", "10.0.0.9", 5000));
    const std::string despres = Llegeix("korvuc.cfg");
    std::string esperat = cfgInicial;
    esperat.replace(esperat.find("servidor_ext=old.host; # anterior"), 33, "servidor_ext=10.0.0.9;");
    esperat.replace(esperat.find("port=01234;"), 11, "port=05000;");
    EXPECT_EQ(despres, esperat);
    EXPECT_EQ(Llegeix("korvuc.cfg.sav"), cfgInicial);
    EXPECT_FALSE(Existeix("korvuc.cfg.new"));

    ASSERT_TRUE(c.Desa("S", "", "", "", "10.0.0.9", 5000));
    EXPECT_EQ(Llegeix("korvuc.cfg"), despres);
    EXPECT_EQ(Llegeix("korvuc.cfg.sav"), despres);

    // The next start reads what was written.
    Configuracio d;
    d.entorn.altMaximitzada = 700;
    d.entorn.liniaOrdres = liniaSola;
    d.Carrega("korvuc.cfg");
    EXPECT_EQ(d.servidor_ext, "10.0.0.9");
    EXPECT_EQ(d.port, 5000);
}

TEST_F(ConfiguracioTest, DesaWritesRemoteAccessAndTheStoredLogin)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\nacceso_remoto=s;\r\nusuario=ana;\r\nempresa=01;\r\nidioma=Es;\r\n");
    EXPECT_EQ(c.acceso_remoto, 0);
    // The login sets the values first, then writes them back.
    c.usuario = "eva";
    c.empresa = "02";
    ASSERT_TRUE(c.Desa("S", "eva", "02", "Es", "", 0));
    EXPECT_EQ(c.acceso_remoto, 1);
    EXPECT_EQ(Llegeix("korvuc.cfg"),
              "dirdocs=docs;\r\nacceso_remoto=si;\r\nusuario=eva;\r\nempresa=02;\r\nidioma=Es;\r\n");

    ASSERT_TRUE(c.Desa("N", "", "", "", "", 0));
    EXPECT_EQ(c.acceso_remoto, 0);
    // Without a company argument the remote-access line is left alone.
    EXPECT_NE(Llegeix("korvuc.cfg").find("acceso_remoto=si;"), std::string::npos);
}

TEST_F(ConfiguracioTest, DesaWritesALoginValueTheUserCleared)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\nusuario=ana;\r\nempresa=01;\r\nidioma=Es;\r\n");
    // The login screen was filled with the file's values; the user emptied the user name.
    c.usuario = "";
    ASSERT_TRUE(c.Desa("S", "ana", "01", "Es", "", 0));
    EXPECT_EQ(Llegeix("korvuc.cfg"), "dirdocs=docs;\r\nusuario=;\r\nempresa=01;\r\nidioma=Es;\r\n");
}

TEST_F(ConfiguracioTest, DesaFailsWithoutHarmWhenAFileIsHeld)
{
    Configuracio c;
    Carrega(c, cfgInicial);

    Escriu("korvuc.cfg.sav", "backup anterior\r\n");
    HANDLE sav = CreateFileA("korvuc.cfg.sav", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(sav, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(c.Desa("S", "", "", "", "h", 5000));
    CloseHandle(sav);
    EXPECT_EQ(Llegeix("korvuc.cfg"), cfgInicial);
    EXPECT_EQ(Llegeix("korvuc.cfg.sav"), "backup anterior\r\n");

    DeleteFileA("korvuc.cfg");
    EXPECT_FALSE(c.Desa("S", "", "", "", "h", 5000));
    EXPECT_FALSE(Existeix("korvuc.cfg"));
}

TEST_F(ConfiguracioTest, FileOverTheCapIsRefusedAndNeverRewrittenCut)
{
    Configuracio c;
    Carrega(c, cfgInicial);
    const std::string gran = cfgInicial + "# " + std::string(TextConfiguracio::maxMida, 'x') + "\r\n";
    Escriu("korvuc.cfg", gran);
    EXPECT_FALSE(c.Desa("S", "", "", "", "10.0.0.9", 5000));
    EXPECT_EQ(Llegeix("korvuc.cfg"), gran);

    Configuracio d;
    EXPECT_EQ(CarregaError(d, gran), "Error #ref 032, error cargando configuración");
}

TEST_F(ConfiguracioTest, TransmissionSemaphore)
{
    Configuracio c;
    Carrega(c, "dirdocs=docs;\r\n");
    EXPECT_TRUE(c.EstatTransmissio(1));
    EXPECT_FALSE(c.EstatTransmissio(1));
    EXPECT_TRUE(c.EstatTransmissio(0));
    EXPECT_EQ(ErrorDe([](Configuracio& x) { x.EstatTransmissio(2); }, c),
              "Error #ref 045,  estableciendo estado transmisión");
    EXPECT_TRUE(c.EstatTransmissio(1));

    Configuracio sense; // never loaded: no semaphore
    EXPECT_EQ(ErrorDe([](Configuracio& x) { x.EstatTransmissio(1); }, sense),
              "Error #ref 053,  estableciendo estado transmisión");
}

TEST_F(ConfiguracioTest, ClientLogSwitchesOnAndOff)
{
    MsgBoxRecorder rec;
    Configuracio c;
    c.empresa = "01";
    c.EscriuLog("antes"); // closed: nothing, no error
    c.CambiaLog();
    EXPECT_EQ(c.logClient, 1);
    c.EscriuLog("abc");
    // Others may read and write the log while it is open.
    HANDLE altre = CreateFileA("korvucli.log", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(altre, INVALID_HANDLE_VALUE);
    CloseHandle(altre);
    EXPECT_EQ(Llegeix("korvucli.log"), "01===>\r\nabc");
    c.CambiaLog();
    EXPECT_EQ(c.logClient, 0);
    EXPECT_EQ(c.logStream, nullptr);
    EXPECT_EQ(Llegeix("korvucli.log"), "01===>\r\nabc<===");
    c.EscriuLog("perdido");
    c.empresa = "02";
    c.CambiaLog();
    c.EscriuLog("x");
    EXPECT_EQ(Llegeix("korvucli.log"), "02===>\r\nx");

    ASSERT_EQ(rec.Boxes().size(), 3u);
    EXPECT_EQ(rec.Boxes()[0].text, "Se ha activado el log");
    EXPECT_EQ(rec.Boxes()[1].text, "Se ha desactivado el log");
    for (const auto& box : rec.Boxes()) {
        EXPECT_EQ(box.caption, "Aviso");
        EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONINFORMATION));
        EXPECT_EQ(box.owner, nullptr);
    }
}

namespace {

// The log's stream taken over by one that refuses every write, as a full disk or a lost share
// makes the open log refuse them.
void EstropeaLog(Configuracio& c)
{
    std::fclose(c.logStream);
    c.logStream = _fsopen("korvucli.log", "r", _SH_DENYNO);
    ASSERT_NE(c.logStream, nullptr);
}

} // namespace

// Switching the log off, or a line of received values, that cannot be written is reported once;
// the log is then closed and off, what it held before stays, and the program goes on.
TEST_F(ConfiguracioTest, ClientLogWriteThatFailsIsReportedOnceAndTheLogGoesOff)
{
    MsgBoxRecorder rec;
    Configuracio c;
    c.empresa = "01";
    c.CambiaLog();
    ASSERT_EQ(c.logClient, 1);
    EstropeaLog(c);
    EXPECT_NO_THROW(c.CambiaLog());
    EXPECT_EQ(c.logClient, 0);
    EXPECT_EQ(c.logStream, nullptr);
    EXPECT_EQ(Llegeix("korvucli.log"), "01===>\r\n");
    ASSERT_EQ(rec.Boxes().size(), 3u);
    EXPECT_EQ(rec.Boxes()[1].text, "Error #ref 068,  escribiendo log");
    EXPECT_EQ(rec.Boxes()[1].caption, "Korvuc Error");
    EXPECT_EQ(rec.Boxes()[2].text, "Se ha desactivado el log");

    c.CambiaLog();
    ASSERT_EQ(c.logClient, 1);
    c.AnotaLog("uno;\n");
    EstropeaLog(c);
    EXPECT_NO_THROW(c.AnotaLog("dos;\n"));
    EXPECT_EQ(c.logClient, 0);
    EXPECT_EQ(c.logStream, nullptr);
    EXPECT_NO_THROW(c.AnotaLog("tres;\n"));
    ASSERT_EQ(rec.Boxes().size(), 5u) << "one report for the lines that were lost";
    EXPECT_EQ(rec.Boxes()[4].text, "Error #ref 068,  escribiendo log");
    EXPECT_EQ(Llegeix("korvucli.log"), "01===>\r\nuno;\r\n");

    // The next switch turns it on again.
    c.CambiaLog();
    EXPECT_EQ(c.logClient, 1);
    EXPECT_EQ(rec.Boxes().back().text, "Se ha activado el log");
    c.CambiaLog();
}

TEST_F(ConfiguracioTest, ClientLogThatCannotBeOpenedIsReportedOnceAndStaysOff)
{
    // A folder holds the log's name, as another program's folder or a locked share would.
    DeleteFileA("korvucli.log");
    ASSERT_TRUE(CreateDirectoryA("korvucli.log", nullptr));
    MsgBoxRecorder rec;
    Configuracio c;
    c.empresa = "01";
    EXPECT_NO_THROW(c.CambiaLog());
    EXPECT_EQ(c.logClient, 0);
    EXPECT_EQ(c.logStream, nullptr);
    ASSERT_EQ(rec.Boxes().size(), 1u) << "one report, and no word of a log switched on";
    EXPECT_EQ(rec.Boxes()[0].text, "Error #ref 068,  escribiendo log");
    EXPECT_EQ(rec.Boxes()[0].caption, "Korvuc Error");
    EXPECT_NO_THROW(c.EscriuLog("perdido"));

    // Once the name is free the next switch opens the log.
    ASSERT_TRUE(RemoveDirectoryA("korvucli.log"));
    c.CambiaLog();
    EXPECT_EQ(c.logClient, 1);
    ASSERT_EQ(rec.Boxes().size(), 2u);
    EXPECT_EQ(rec.Boxes()[1].text, "Se ha activado el log");
    c.CambiaLog();
    EXPECT_EQ(Llegeix("korvucli.log"), "01===>\r\n<===");
}

TEST_F(ConfiguracioTest, StoredServerIsTheAddressInUseAndNothingElseOfTheLogin)
{
    const std::string fitxer = "acceso_remoto=si;\r\nservidor_int=10.0.0.5;\r\n"
                               "servidor_ext=viejo;\r\nport=01000;\r\nusuario=pep;\r\n"
                               "empresa=02;\r\nidioma=Ca;\r\n";
    struct Caso {
        int remot;
        const char* servidor;
    } casos[] = {{0, "10.0.0.5"}, {1, "192.0.2.9"}};
    for (const Caso& cas : casos) {
        Escriu("korvuc.cfg", fitxer);
        Configuracio c;
        c.acceso_remoto = static_cast<unsigned char>(cas.remot);
        c.servidor_int = "10.0.0.5";
        c.servidor_ext = "192.0.2.9";
        c.port = 6000;
        c.usuario = "ana";
        c.empresa = "01";
        c.idioma = "Es";
        c.DesaServidor();
        // Only the server lines change: the login values and the remote-access line are
        // passed empty, so they stay as the file had them.
        const std::vector<std::string> esperat = {
            "acceso_remoto=si;", "servidor_int=10.0.0.5;",
            std::string("servidor_ext=") + cas.servidor + ";", "port=06000;", "usuario=pep;",
            "empresa=02;", "idioma=Ca;"};
        EXPECT_EQ(Linies(Llegeix("korvuc.cfg")), esperat) << "remote " << cas.remot;
        EXPECT_EQ(Llegeix("korvuc.cfg.sav"), fitxer);
        EXPECT_EQ(c.acceso_remoto, cas.remot);
    }
}

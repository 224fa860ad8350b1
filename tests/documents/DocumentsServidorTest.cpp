// The document commands against the scripted test server, which plays the application server
// as each scenario of scenarios/ says and checks every answer and block on its side. The test
// runs the server's commands as the exchange loop does; started any other way it is skipped.
#include "app/Configuracio.h"
#include "documents/Actualitzacio.h"
#include "framework/DispError.h"
#include "link/Camps.h"
#include "link/Comunicador.h"
#include "screens/Vista.h"
#include "tests/documents/ImpressoraProva.h"
#include "tests/documents/ProvaDocuments.h"
#include "tests/framework/MsgBoxRecorder.h"
#include "tests/app/ConfiguracioProva.h"
#include "tests/link/XarxaProva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using prova::DirActual;
using prova::Existeix;
using prova::LlegeixFitxer;

bool Conte(const std::vector<std::string>& linies, const std::string& text)
{
    return std::any_of(linies.begin(), linies.end(),
                       [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

std::vector<std::string> Textos(const MsgBoxRecorder& r)
{
    std::vector<std::string> out;
    for (const auto& b : r.Boxes())
        out.push_back(b.text);
    return out;
}

// The names of the files that match, sorted.
std::vector<std::string> Temporals(const std::string& patro)
{
    std::vector<std::string> noms;
    WIN32_FIND_DATAA dades;
    const HANDLE h = FindFirstFileA(patro.c_str(), &dades);
    if (h == INVALID_HANDLE_VALUE)
        return noms;
    do {
        if (std::strcmp(dades.cFileName, ".") != 0 && std::strcmp(dades.cFileName, "..") != 0)
            noms.push_back(dades.cFileName);
    } while (FindNextFileA(h, &dades));
    FindClose(h);
    std::sort(noms.begin(), noms.end());
    return noms;
}

class Documents : public testing::Test {
protected:
    void SetUp() override
    {
        const int port = prova::PortEntorn("KORVU_DISPATCHER_PORT");
        if (port == 0)
            GTEST_SKIP() << "started only by the test server's harness";
        prova::ConfiguraServidor(port);
        prova::PreparaCarpetes();
        prova::RegistraAbre();
        com = std::make_unique<Comunicador>();
        prova::EscriuLogin(com->trama);
    }

    // The login, and the first reply of the application server.
    void Entra()
    {
        ASSERT_TRUE(com->Conecta(1));
        prova::LimitaEspera(com->sock, 60000);
        com->Transmit(0, 0);
    }

    // The commands of the server as the exchange loop carries them out, through the view, up
    // to a screen reply; the text of a DispError that ends them, else empty.
    std::string Ordres()
    {
        unsigned char filtre[256] = {};
        Vista vista(nullptr, com.get(), filtre);
        try {
            for (int codi = com->CodigoOrden(); codi >= 3; codi = com->CodigoOrden()) {
                if (!vista.OrdreServidor(codi)) {
                    ADD_FAILURE() << "code " << codi;
                    return "";
                }
                com->Transmit(2, 0);
            }
        } catch (const DispError& e) {
            return e.Texto();
        }
        return "";
    }

    std::string Docs() const { return configuracio.dirdocs; }

    std::unique_ptr<Comunicador> com;
};

} // namespace

TEST_F(Documents, ReceivesDocumentsByteForByte)
{
    ASSERT_TRUE(SetFileAttributesA((Docs() + "informe.pdf").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(SetFileAttributesA((Docs() + "bloqueado.pdf").c_str(), FILE_ATTRIBUTE_READONLY));
    // Held open without sharing, as an editor holds the document it shows.
    const HANDLE abierto = CreateFileA((Docs() + "abierto.pdf").c_str(), GENERIC_READ | GENERIC_WRITE,
                                       0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(abierto, INVALID_HANDLE_VALUE);
    MsgBoxRecorder cajas;
    Entra();
    EXPECT_EQ(Ordres(), "");
    CloseHandle(abierto);
    EXPECT_EQ(com->IdPantalla(), "EsKRVMEN  01001");
    // The system may add the archive mark of its own.
    EXPECT_TRUE(GetFileAttributesA((Docs() + "informe.pdf").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(GetFileAttributesA((Docs() + "bloqueado.pdf").c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(Conte(prova::Registre("abre"), "grande.bin"));
    EXPECT_TRUE(cajas.Boxes().empty());
    com->Cierra();
    // The scenario compares the files once the client has ended; let it change them.
    SetFileAttributesA((Docs() + "informe.pdf").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((Docs() + "bloqueado.pdf").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Documents, CutOrBadTransferLeavesTheEarlierFile)
{
    MsgBoxRecorder cajas;
    Entra();
    EXPECT_EQ(Ordres(), "Error #ref 015, error en la respuesta del servidor");
    EXPECT_EQ(Textos(cajas), std::vector<std::string>(2, "Error interno:\nVista.RecibirFichero"));
}

TEST_F(Documents, NamesOutsideTheFolderAreRefused)
{
    MsgBoxRecorder cajas;
    Entra();
    EXPECT_EQ(Ordres(), "Error #ref 025, error creando temporal");
    EXPECT_EQ(Textos(cajas),
              std::vector<std::string>{"Error #ref 046, no se ha podido guardar el fichero"});
    com->Cierra();
}

TEST_F(Documents, SendsFilesInBlocks)
{
    const std::string elegit = DirActual() + "\\import\\elegido.pdf";
    prova::Dialegs dialegs({elegit, ""});
    MsgBoxRecorder cajas;
    Entra();
    EXPECT_EQ(Ordres(), "");
    ASSERT_EQ(dialegs.Crides().size(), 2u);
    EXPECT_EQ(dialegs.Crides()[0].tipus, DialegFitxer::Obrir);
    EXPECT_EQ(dialegs.Crides()[0].nom, "*.pdf");
    EXPECT_EQ(dialegs.Crides()[0].carpeta, configuracio.dirimport);
    EXPECT_EQ(dialegs.Crides()[1].nom, "*.txt");
    ASSERT_EQ(cajas.Boxes().size(), 1u);
    EXPECT_EQ(cajas.Boxes()[0].text.rfind("El documento està en uso o no se encuentra: \n" + Docs() +
                                              "noexiste.bin\nError: ", 0),
              0u) << cajas.Boxes()[0].text;
    com->Cierra();
}

TEST_F(Documents, DocumentCommandsAndMail)
{
    const std::string c = DirActual();
    configuracio.visorSvg = c + "\\svgviewer.exe";
    prova::Dialegs dialegs({c + "\\import\\origen.csv", c + "\\fuera\\datos.dat", "",
                            c + "\\import.d\\sinext"});
    MsgBoxRecorder cajas(IDNO);
    Entra();
    EXPECT_EQ(Ordres(), "");
    EXPECT_EQ(Textos(cajas),
              (std::vector<std::string>{"Desea borrar el fichero origen: " + c + "\\fuera\\datos.dat",
                                        "El documento debe tener extensión"}));
    EXPECT_TRUE(Existeix(c + "\\fuera\\datos.dat"));
    ASSERT_EQ(dialegs.Crides().size(), 4u);
    EXPECT_EQ(dialegs.Crides()[0].nom, "*.txt");
    EXPECT_EQ(dialegs.Crides()[1].nom, "*.dat");

    const std::vector<std::string> visor = prova::Registre("svgviewer");
    ASSERT_EQ(visor.size(), 1u);
    EXPECT_EQ(visor[0], "1 \"" + Docs() + "plano.svg\"\t" + c);
    const std::vector<std::string> abre = prova::Registre("abre", 3);
    EXPECT_TRUE(Conte(abre, Docs() + "carta.pdf")) << abre.size();
    EXPECT_TRUE(Conte(abre, Docs() + "plano.Svg"));
    EXPECT_TRUE(Conte(abre, "mailto:ana@ex.com?subject=Pedido%20%26%205%3F&body=Hola%20100%25%0D%0Afin"));
    com->Cierra();
}

TEST_F(Documents, ReceivedFilesAreHandedOn)
{
    const std::string c = DirActual();
    prova::Dialegs dialegs({c + "\\salida.bin"});
    MsgBoxRecorder cajas;
    Entra();
    EXPECT_EQ(Ordres(), "");
    ASSERT_EQ(dialegs.Crides().size(), 1u);
    EXPECT_EQ(dialegs.Crides()[0].tipus, DialegFitxer::Desar);
    EXPECT_EQ(dialegs.Crides()[0].nom, "datos.bin");
    EXPECT_EQ(dialegs.Crides()[0].carpeta, configuracio.dirficheros);
    EXPECT_EQ(Textos(cajas),
              (std::vector<std::string>{"No se ha completado la impresión:\nVista.ImpresionDirecta",
                                        "No se encuentra ningún impreso para probar"}));

    const std::vector<std::string> java = prova::Registre("javaw");
    ASSERT_EQ(java.size(), 1u);
    EXPECT_EQ(java[0], "javaw.exe -cp \"" + c + "\\jfree\\\\\" -jar \"" + c +
                           "\\jfree\\reports.jar\" \"" + c + "\\tmp\\report.xml\"\t" + c);

    // The report converted for the spreadsheet is opened. The received file it was made from
    // stays while the spreadsheet may have it open (its name keeps the converted one's free of
    // a later transfer); the other received files are gone.
    const std::vector<std::string> abre = prova::Registre("abre", 2);
    EXPECT_TRUE(Conte(abre, configuracio.dirficheros + "foto.pdf"));
    const std::vector<std::string> temporals = Temporals(c + "\\tmp\\{tm*");
    ASSERT_EQ(temporals.size(), 2u);
    const std::string prn = temporals[0];
    EXPECT_EQ(prn.substr(prn.size() - 4), ".prn");
    EXPECT_EQ(temporals[1], prn.substr(0, prn.size() - 4) + ".tmp");
    EXPECT_TRUE(Conte(abre, prn));
    EXPECT_EQ(LlegeixFitxer(c + "\\tmp\\" + prn), "AB**\r\nCD\x1A\r\n");
    com->Cierra();
}

// The printing modes end to end: what each test printer received, the RTF document that the
// ".rtf" association was asked to open, and the failures in the order they came.
TEST_F(Documents, ReceivedPrintJobsAndListingsArePrintedAndOpened)
{
    const struct {
        const char* impressora;
        const char* port;
    } impressores[] = {{"KorvuSortidaRaw", "port_sortida_raw.bin"},
                       {"KorvuSortidaTicket", "port_sortida_ticket.ps"},
                       {"KorvuSortidaCajon", "port_sortida_cajon.ps"}};
    ImpressoraProva::Torn torn;
    for (const auto& i : impressores) {
        ASSERT_TRUE(ImpressoraProva::Instala(i.impressora, i.port)) << i.impressora;
        ImpressoraProva::Buida(i.port);
    }
    MsgBoxRecorder cajas;
    Entra();
    EXPECT_EQ(Ordres(), "Error\tinterno\t#ref 052");
    com->Cierra();
    EXPECT_EQ(Textos(cajas),
              (std::vector<std::string>{"No se ha completado la impresión, #ref 086, lin.:1",
                                        "No se ha completado la impresión:\nVista.ImpresionDirecta",
                                        "No se ha podido lanzar la aplicación con extensión rtf"}));
    EXPECT_EQ(cajas.Boxes().back().caption, "Korvuc");

    EXPECT_EQ(ImpressoraProva::Rebut("port_sortida_raw.bin"),
              std::string("\x1B@\nLinea \xE9\x1A\xFF\r\n"));
    const std::string ticket = ImpressoraProva::Rebut("port_sortida_ticket.ps");
    EXPECT_NE(ticket.find("%%Title: Ticket"), std::string::npos) << ticket.substr(0, 400);
    EXPECT_NE(ticket.find("%%Page: 1 1"), std::string::npos);
    const std::string cajon = ImpressoraProva::Rebut("port_sortida_cajon.ps");
    const std::string marca = "%%BeginDocument: Wine passthrough\n";
    const std::size_t p = cajon.find(marca);
    ASSERT_NE(p, std::string::npos) << cajon.substr(0, 400);
    EXPECT_EQ(cajon.substr(p + marca.size(), 5), std::string("\x1B\x70\x00\x0A\x64", 5));

    // Only the listing that was exported whole is opened, from its document beside it.
    const std::vector<std::string> abre = prova::Registre("abre");
    ASSERT_EQ(abre.size(), 1u);
    const std::size_t ini = abre[0].find("{tm"), fi = abre[0].find(".rtf");
    ASSERT_TRUE(ini != std::string::npos && fi != std::string::npos) << abre[0];
    const std::string rtf = DirActual() + "\\tmp\\" + abre[0].substr(ini, fi + 4 - ini);
    EXPECT_NE(abre[0].find(rtf), std::string::npos) << abre[0];
    const std::string d = LlegeixFitxer(rtf);
    EXPECT_EQ(d.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang3082{\\fonttbl", 0), 0u) << d;
    int obertes = 0;
    for (std::size_t i = 0; i < d.size(); ++i) {
        if (d[i] == '\\')
            ++i;
        else if (d[i] == '{')
            ++obertes;
        else if (d[i] == '}') {
            EXPECT_TRUE(--obertes > 0 || (obertes == 0 && i + 1 == d.size())) << i << ": " << d;
        }
    }
    EXPECT_EQ(obertes, 0) << d;
    // The longest record, a row, is 26 bytes: portrait, the largest size, a rule of 26 dashes.
    for (const std::string& tros :
         {std::string("{\\header \\fs24 Listado \\{1\\} \\\\ \\'e9\\par "),
          "Nombre     Importe\\par " + std::string(26, '-') + "\\par }{\\fs24 \\par ",
          "{\\header \\fs24 Nombre" + std::string(9, ' ') + "12 \\par Otro" + std::string(12, ' ') +
              "7 \\par }}"})
        EXPECT_NE(d.find(tros), std::string::npos) << tros << "\n" << d;

    // The print jobs' received files are gone; the document stays with the received listing it
    // was made from, whose name keeps the document's from a later listing, until the purge at
    // the next start.
    const std::string nom = rtf.substr(rtf.rfind('\\') + 1);
    EXPECT_EQ(Temporals(DirActual() + "\\tmp\\*"),
              (std::vector<std::string>{nom, nom.substr(0, nom.size() - 4) + ".tmp"}));
}

TEST(Actualitzacio, FetchesAndStartsTheInstallerOrSaysWhyNot)
{
    if (prova::PortEntorn("KORVU_CLOSED_PORT") == 0) {
        GTEST_SKIP() << "started only by the test server's harness";
    }
    const std::string c = DirActual();
    const std::string missatge = "Version antigua # ref 912:http://srv/dist/korvuc_9install.exe";
    const std::string instalador = c + "\\korvuc_9install.exe";
    const std::string fallada = "Error actualizando aplicación. \nhttp://srv/dist/korvuc_9install.exe\n";
    struct Cas {
        const char* control;
        bool resultat;
        std::string caixa;
    };
    const std::vector<Cas> casos = {
        {"fail", false, fallada + "wget: código de salida 1"},
        {"nothing", false, fallada + "No se ha recibido el fichero korvuc_9install.exe"},
        {"empty korvuc_9install.exe", false,
         fallada + "No se ha recibido el fichero korvuc_9install.exe"},
        {"copy instalador.exe korvuc_9install.exe", true, ""},
    };
    for (const Cas& cas : casos) {
        // An installer left by an earlier update is never the one started.
        prova::EscriuFitxer(instalador, "stale");
        prova::EscriuFitxer("wget-standin.cfg", cas.control);
        MsgBoxRecorder cajas;
        EXPECT_EQ(Actualitzacio::Actualiza(missatge), cas.resultat) << cas.control;
        std::vector<std::string> textos = Textos(cajas);
        ASSERT_GE(textos.size(), 1u);
        EXPECT_EQ(textos[0], "Se necesita una versión superior de la aplicación cliente y se va a "
                             "proceder a su actualización");
        EXPECT_EQ(textos.size() > 1 ? textos[1] : std::string(), cas.caixa) << cas.control;
        EXPECT_NE(LlegeixFitxer(instalador), "stale") << cas.control;
    }
    const std::vector<std::string> wget = prova::Registre("wget", 4);
    ASSERT_EQ(wget.size(), 4u);
    for (const std::string& l : wget)
        EXPECT_EQ(l, "wget \"http://srv/dist/korvuc_9install.exe\"");
    const std::vector<std::string> iniciat = prova::Registre("korvuc_9install");
    ASSERT_EQ(iniciat.size(), 1u);
    EXPECT_EQ(iniciat[0].substr(iniciat[0].find('\t')), "\t" + c);
    EXPECT_NE(iniciat[0].find(instalador), std::string::npos) << iniciat[0];

    // A path is copied, from a folder of a short path of its own: where the build lies must
    // not use up the source's 99 characters. A source of exactly 99 characters is copied; one
    // of 100 is refused.
    char temporal[MAX_PATH];
    const DWORD n = GetTempPathA(sizeof temporal, temporal);
    ASSERT_TRUE(n > 0 && n < 50) << "no short temporary folder: " << temporal;
    const std::string curta = std::string(temporal, n) + "kv" + std::to_string(GetCurrentProcessId());
    const std::string nom = "\\korvuc_8install.exe";
    const std::string llarga99 = curta + "\\" + std::string(99 - curta.size() - 1 - nom.size(), 'p');
    const std::string llarga100 = llarga99 + "p";
    for (const std::string& carpeta : {curta, llarga99, llarga100}) {
        ASSERT_TRUE(CreateDirectoryA(carpeta.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
        ASSERT_TRUE(CopyFileA((c + "\\fuente" + nom).c_str(), (carpeta + nom).c_str(), FALSE)) << carpeta;
    }
    ASSERT_EQ((llarga99 + nom).size(), 99u);
    {
        MsgBoxRecorder cajas;
        EXPECT_TRUE(Actualitzacio::Actualiza("# ref 912:" + curta + nom));
        EXPECT_EQ(cajas.Boxes().size(), 1u);
        EXPECT_EQ(prova::Registre("korvuc_8install").size(), 1u);
    }
    // The first installer may still be running from its file, which the next update replaces
    // (and rightly refuses to while it is in use): the update waits until it has let go.
    const auto enUs = [&] {
        const HANDLE h = CreateFileA(nom.substr(1).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return GetLastError() != ERROR_FILE_NOT_FOUND;
        CloseHandle(h);
        return false;
    };
    for (int i = 0; i < 150 && enUs(); ++i)
        Sleep(100);
    EXPECT_FALSE(enUs()) << "the first installer still holds its file";
    {
        MsgBoxRecorder cajas;
        EXPECT_TRUE(Actualitzacio::Actualiza("# ref 912:" + llarga99 + nom));
        EXPECT_EQ(cajas.Boxes().size(), 1u);
        EXPECT_EQ(prova::Registre("korvuc_8install", 2).size(), 2u);
    }
    {
        MsgBoxRecorder cajas;
        const std::string massa = "# ref 912:" + llarga100 + nom;
        EXPECT_FALSE(Actualitzacio::Actualiza(massa));
        ASSERT_EQ(cajas.Boxes().size(), 2u);
        EXPECT_EQ(cajas.Boxes()[1].text, "Error actualizando aplicación. \n" + massa);
        EXPECT_EQ(prova::Registre("korvuc_8install", 2).size(), 2u);
    }
    for (const std::string& carpeta : {llarga100, llarga99, curta}) {
        DeleteFileA((carpeta + nom).c_str());
        RemoveDirectoryA(carpeta.c_str());
    }
    // Cancel touches nothing.
    {
        prova::EscriuFitxer(instalador, "stale");
        MsgBoxRecorder cajas(IDCANCEL);
        EXPECT_FALSE(Actualitzacio::Actualiza(missatge));
        EXPECT_EQ(LlegeixFitxer(instalador), "stale");
    }
}

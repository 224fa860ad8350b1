// The Win32 side of documents without a server: the new file that replaces its target only
// when whole, command-line quoting, the converter on disk, the in-use test and the purge of
// temporary files, the RTF export on disk, and a file sent to a bare socket.
#include "documents/BlocsFitxer.h"
#include "documents/ExportaRtf.h"
#include "documents/FitxerNou.h"
#include "documents/OrdresDocument.h"
#include "documents/Programes.h"
#include "documents/SortidaFitxer.h"
#include "documents/Transferencia.h"
#include "framework/DispError.h"
#include "framework/Proces.h"
#include "link/Comunicador.h"
#include "link/Xifrat.h"
#include "tests/documents/ProvaDocuments.h"
#include "tests/link/XarxaProva.h"
#include "tests/framework/AcceptaDialeg.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using prova::DirActual;
using prova::EscriuFitxer;
using prova::Existeix;
using prova::LlegeixFitxer;

// What the new file's name adds to its target's.
const char kTemporal[] = "..~kv";

class FitxerNouTest : public testing::Test {
protected:
    void SetUp() override
    {
        desti = DirActual() + "\\desti.pdf";
        SetFileAttributesA(desti.c_str(), FILE_ATTRIBUTE_NORMAL);
        EscriuFitxer(desti, "earlier");
    }
    void TearDown() override { SetFileAttributesA(desti.c_str(), FILE_ATTRIBUTE_NORMAL); }

    std::string desti;
};

TEST_F(FitxerNouTest, ReplacesTheTargetOnlyWhenConfirmed)
{
    {
        FitxerNou f(desti);
        ASSERT_TRUE(f.Obre());
        ASSERT_TRUE(f.Escriu("new\x1A\0bytes", 10));
        EXPECT_EQ(LlegeixFitxer(desti), "earlier");
        ASSERT_TRUE(f.Confirma(false));
    }
    EXPECT_EQ(LlegeixFitxer(desti), std::string("new\x1A\0bytes", 10));
    EXPECT_FALSE(Existeix(desti + kTemporal));

    {
        FitxerNou f(desti);
        ASSERT_TRUE(f.Obre());
        ASSERT_TRUE(f.Escriu("partial", 7));
    }
    EXPECT_EQ(LlegeixFitxer(desti), std::string("new\x1A\0bytes", 10));
    EXPECT_FALSE(Existeix(desti + kTemporal));
}

TEST_F(FitxerNouTest, AReadOnlyTargetIsReplacedOnlyWhenAsked)
{
    ASSERT_TRUE(SetFileAttributesA(desti.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        FitxerNou f(desti);
        ASSERT_TRUE(f.Obre());
        ASSERT_TRUE(f.Escriu("x", 1));
        EXPECT_FALSE(f.Confirma(false));
    }
    EXPECT_EQ(LlegeixFitxer(desti), "earlier");
    EXPECT_TRUE(GetFileAttributesA(desti.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Existeix(desti + kTemporal));

    FitxerNou f(desti);
    ASSERT_TRUE(f.Obre());
    ASSERT_TRUE(f.Escriu("x", 1));
    EXPECT_TRUE(f.Confirma(true));
    EXPECT_EQ(LlegeixFitxer(desti), "x");
}

TEST_F(FitxerNouTest, ATargetThatAnotherProgramHoldsIsRefusedBeforeAnythingIsMade)
{
    // Held as an editor holds the document it shows: without sharing, or sharing all but its
    // deletion; the new file could never take its place.
    for (const DWORD comparteix : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        const HANDLE altre = CreateFileA(desti.c_str(), GENERIC_READ | GENERIC_WRITE, comparteix,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(altre, INVALID_HANDLE_VALUE);
        {
            FitxerNou f(desti);
            EXPECT_FALSE(f.Obre()) << comparteix;
            EXPECT_FALSE(Existeix(desti + kTemporal)) << comparteix;
        }
        CloseHandle(altre);
    }
    EXPECT_EQ(LlegeixFitxer(desti), "earlier");
    FitxerNou f(desti);
    EXPECT_TRUE(f.Obre()) << "let go, it can be replaced";
}

TEST_F(FitxerNouTest, APathTooLongIsRefusedNotCut)
{
    FitxerNou f(DirActual() + "\\" + std::string(MAX_PATH, 'n'));
    EXPECT_FALSE(f.Obre());
    EXPECT_FALSE(f.Confirma(true));
}

TEST_F(FitxerNouTest, ACopyReplacesTheTargetWholeOrNotAtAll)
{
    const std::string font = DirActual() + "\\font.pdf";
    EscriuFitxer(font, std::string("copied\x1A\0", 8));
    ASSERT_TRUE(FitxerNou::Copia(font, desti));
    EXPECT_EQ(LlegeixFitxer(desti), std::string("copied\x1A\0", 8));
    EXPECT_FALSE(Existeix(desti + kTemporal));

    // Refused as the system's copy refuses them: the target is left as it was.
    EscriuFitxer(desti, "earlier");
    EXPECT_FALSE(FitxerNou::Copia(desti, desti));
    EXPECT_FALSE(FitxerNou::Copia(DirActual() + "\\.\\desti.pdf", desti));
    EXPECT_FALSE(FitxerNou::Copia(DirActual() + "\\falta.pdf", desti));
    ASSERT_TRUE(SetFileAttributesA(desti.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(FitxerNou::Copia(font, desti));
    EXPECT_EQ(LlegeixFitxer(desti), "earlier");
    EXPECT_FALSE(Existeix(desti + kTemporal));
}

// A transfer cut off with the program (killed, or the machine gone) leaves its new file behind;
// the next file made in that folder clears such leftovers, but not one still being written, and
// nothing that the user or the server named, whatever its suffix.
TEST_F(FitxerNouTest, LeftoversOfACutTransferGoWhenTheFolderIsNextUsed)
{
    const std::string carpeta = DirActual() + "\\restos";
    CreateDirectoryA(carpeta.c_str(), nullptr);
    const std::string resto = carpeta + "\\viejo.pdf" + kTemporal;
    const std::string enCurso = carpeta + "\\otro.pdf" + kTemporal;
    const std::string ajenos[] = {carpeta + "\\notas.~kv.txt", carpeta + "\\notas.~kv",
                                  carpeta + "\\viejo.pdf.~kv", carpeta + "\\~kv", carpeta + "\\x.~KV"};
    for (const std::string& a : ajenos)
        EscriuFitxer(a, "mine");
    EscriuFitxer(enCurso, "x");
    const HANDLE escrivint = CreateFileA(enCurso.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(escrivint, INVALID_HANDLE_VALUE);
    for (int copia = 0; copia < 2; ++copia) {
        SCOPED_TRACE(copia ? "copy" : "new file");
        EscriuFitxer(resto, "cut");
        SetFileAttributesA(resto.c_str(), FILE_ATTRIBUTE_READONLY);  // as a copy of a read-only source leaves it
        if (copia) {
            EXPECT_TRUE(FitxerNou::Copia(desti, carpeta + "\\copia.pdf"));
        } else {
            FitxerNou f(carpeta + "\\nuevo.pdf");
            ASSERT_TRUE(f.Obre());
            EXPECT_TRUE(f.Confirma(false));
        }
        EXPECT_FALSE(Existeix(resto));
        EXPECT_TRUE(Existeix(enCurso)) << "another transfer is writing it";
        for (const std::string& a : ajenos)
            EXPECT_EQ(LlegeixFitxer(a), "mine") << a;
    }
    CloseHandle(escrivint);

    // A document the server names as the user named a file: its earlier file stays until the
    // new one is whole.
    {
        FitxerNou f(carpeta + "\\notas.~kv");
        ASSERT_TRUE(f.Obre());
        ASSERT_TRUE(f.Escriu("new", 3));
        for (const std::string& a : ajenos)
            EXPECT_EQ(LlegeixFitxer(a), "mine") << a;
    }
    EXPECT_EQ(LlegeixFitxer(carpeta + "\\notas.~kv"), "mine");

    // A target of the new files' own shape would be purged as a leftover: it is refused.
    const std::string comoResto = carpeta + "\\guardado" + kTemporal;
    FitxerNou f(comoResto);
    EXPECT_FALSE(f.Obre());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
    EXPECT_FALSE(FitxerNou::Copia(desti, comoResto));
    EXPECT_FALSE(Existeix(comoResto));
}

// Run by the test DocsDiscPle under a file-size limit, which plays a disk that fills up: the
// copy of the large file it names fails half-way.
TEST_F(FitxerNouTest, AFullDiskLeavesTheEarlierFile)
{
    const char* gran = std::getenv("KORVU_DISC_PLE");
    if (!gran)
        GTEST_SKIP() << "run under a file-size limit by DocsDiscPle";
    EXPECT_FALSE(FitxerNou::Copia(gran, desti));
    EXPECT_EQ(LlegeixFitxer(desti), "earlier");
    EXPECT_FALSE(Existeix(desti + kTemporal));

    // A received file that outgrows the disk is a failure too, seen at the latest on Confirma.
    {
        FitxerNou f(desti);
        ASSERT_TRUE(f.Obre());
        const std::string tros(300, 'r');
        bool escrit = true;
        for (int i = 0; i < 40000 && escrit; ++i)
            escrit = f.Escriu(tros.data(), static_cast<DWORD>(tros.size()));
        EXPECT_FALSE(escrit && f.Confirma(false));
    }
    EXPECT_EQ(LlegeixFitxer(desti), "earlier");
    EXPECT_FALSE(Existeix(desti + kTemporal));
}

TEST(DialegFitxer, SavingLeavesTheCurrentFolderWhereItWas)
{
    // The client finds its configuration, its programs and the installers of an update in its
    // current folder: saving a file elsewhere must not move it there.
    const std::string c = DirActual();
    const std::string desti = c + "\\desats";
    CreateDirectoryA(desti.c_str(), nullptr);
    DeleteFileA((desti + "\\informe.txt").c_str());
    RespostaDialeg resposta;
    std::string triat;
    const bool desat = DialegFitxer::Desa(nullptr, "informe.txt", desti, triat);
    ASSERT_TRUE(resposta.Acaba()) << "no dialog was shown";
    EXPECT_TRUE(desat);
    EXPECT_EQ(triat, desti + "\\informe.txt");
    EXPECT_EQ(DirActual(), c);
    SetCurrentDirectoryA(c.c_str());
}

// A document of a type that no program opens: the system's own prompt comes first (where the
// user may pick a program), then the client's box, which names the document.
TEST(Programes, ADocumentOfNoKnownTypeGetsTheSystemsPromptThenTheClientsBox)
{
    prova::PreparaCarpetes();
    const std::string ruta = DirActual() + "\\sin programa.kvsinprograma";
    EscriuFitxer(ruta, "x");
    MsgBoxRecorder cajas;
    RespostaDialeg resposta;
    EXPECT_EQ(Programes::ObreDocument(ruta), Programes::Obertura::ShellFallat);
    EXPECT_TRUE(resposta.Acaba()) << "the system showed no prompt of its own";
    EXPECT_NE(textDialeg, "");
    ASSERT_EQ(cajas.Boxes().size(), 1u);
    EXPECT_EQ(cajas.Boxes()[0].text.rfind("No se ha podido abrir el documento: \n" + ruta + "\nError: ", 0), 0u)
        << cajas.Boxes()[0].text;
    EXPECT_EQ(cajas.Boxes()[0].owner, nullptr);
}

TEST(Proces, EachArgumentIsOneQuotedArgument)
{
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"", "\"\""},
        {"C:\\Mis documentos\\x.pdf", "\"C:\\Mis documentos\\x.pdf\""},
        {"C:\\jfree\\", "\"C:\\jfree\\\\\""},
        {"a\"b", "\"a\\\"b\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},
        {"x\" -Dy=z", "\"x\\\" -Dy=z\""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Win::Proces::Cita(c.first), c.second) << c.first;
}

// A temporary name is passed over while an output named after it is there (one of an earlier
// run may still be open in the program that shows it); the temporary itself is no output.
TEST(SortidesLliures, ANameWhoseDocumentOrConvertedCopyIsThereIsPassedOver)
{
    const std::string carpeta = DirActual() + "\\sortides.d";
    CreateDirectoryA(carpeta.c_str(), nullptr);
    const std::string temporal = carpeta + "\\{tmB7.tmp";
    const std::string desada = configuracio.exthojac;
    const struct {
        const char* cas;
        const char* exthojac;
        const char* present;  // beside the temporary; null: nothing
        bool lliures;
    } casos[] = {
        {"nothing beside it", "prn", nullptr, true},
        {"its RTF document", "prn", "{tmB7.rtf", false},
        {"its RTF document, other case", "prn", "{TMb7.RTF", false},
        {"its converted copy", "prn", "{tmB7.prn", false},
        {"the copy under the configured extension", "xls", "{tmB7.xls", false},
        {"another extension's copy", "xls", "{tmB7.prn", true},
        {"another name's document", "prn", "{tmB8.rtf", true},
        {"a converted copy that would be the temporary", "tmp", nullptr, true},
    };
    EscriuFitxer(temporal, "");
    for (const auto& c : casos) {
        configuracio.exthojac = c.exthojac;
        if (c.present)
            EscriuFitxer(carpeta + "\\" + c.present, "open elsewhere");
        EXPECT_EQ(SortidaFitxer::SortidesLliures(temporal), c.lliures) << c.cas;
        if (c.present)
            DeleteFileA((carpeta + "\\" + c.present).c_str());
    }
    configuracio.exthojac = desada;
}

TEST(ConverteixFitxer, ReadsTheWholeStoredFileAndWritesBesideIt)
{
    const std::string carpeta = DirActual() + "\\informes.d";
    CreateDirectoryA(carpeta.c_str(), nullptr);
    EscriuFitxer(carpeta + "\\{tmA1.tmp", std::string("XAB\x1A" "C\x01\nDE\r\n\x01", 13));
    std::string convertit;
    ASSERT_TRUE(SortidaFitxer::ConverteixFitxer(carpeta + "\\{tmA1.tmp", "prn", convertit));
    EXPECT_EQ(convertit, carpeta + "\\{tmA1.prn");
    EXPECT_EQ(LlegeixFitxer(convertit), "AB\x1A" "C\r\nDE**\r\n");

    EXPECT_FALSE(SortidaFitxer::ConverteixFitxer(carpeta + "\\falta.tmp", "xls", convertit));
    EXPECT_EQ(convertit, carpeta + "\\falta.xls");
    EXPECT_FALSE(Existeix(convertit));
}

// The RTF document goes to a new file that replaces the target only when whole: a failed export
// (missing listing, unknown kind, a row that throws "#ref 052") leaves an earlier document of
// that name as it was and no new file behind.
TEST(ExportaRtf, WritesTheDocumentBesideTheListingOnlyWhenWhole)
{
    const std::string carpeta = DirActual() + "\\rtf.d";
    CreateDirectoryA(carpeta.c_str(), nullptr);
    const std::string llistat = carpeta + "\\{tmB2.tmp";
    const std::string rtf = carpeta + "\\{tmB2.rtf";
    EscriuFitxer(rtf, "earlier");

    const std::string titol = std::string("ATitulo\xE9") + '\x01';
    EscriuFitxer(llistat, titol);
    std::string cami;
    ASSERT_TRUE(ExportaRtf(llistat, cami));
    EXPECT_EQ(cami, rtf);
    std::string esperat;
    ASSERT_TRUE(EscriuRtf(titol, esperat));
    EXPECT_EQ(LlegeixFitxer(rtf), esperat);

    const struct Cas {
        const char* nom;
        std::string bytes;  // empty: no listing at all
        bool llenca;
    } casos[] = {{"unknown kind", std::string("Auno\x01" "Cdos\x01"), false},
                 {"definitions never end", std::string("Atitulo\x01" "D00000X0010"), true},
                 {"no listing", "", false}};
    for (const Cas& c : casos) {
        EscriuFitxer(rtf, "earlier");
        DeleteFileA(llistat.c_str());
        if (!c.bytes.empty())
            EscriuFitxer(llistat, c.bytes);
        bool llencat = false;
        try {
            EXPECT_FALSE(ExportaRtf(llistat, cami)) << c.nom;
        } catch (const DispError& e) {
            llencat = true;
            EXPECT_EQ(e.Texto(), "Error\tinterno\t#ref 052") << c.nom;
        }
        EXPECT_EQ(llencat, c.llenca) << c.nom;
        EXPECT_EQ(cami, rtf) << c.nom;
        EXPECT_EQ(LlegeixFitxer(rtf), "earlier") << c.nom;
        EXPECT_FALSE(Existeix(rtf + kTemporal)) << c.nom;
    }
}

// A top-level window with a given title, for the in-use test to find.
struct FinestraAmbTitol {
    HWND h;
    explicit FinestraAmbTitol(const char* titol)
    {
        static const bool registrada = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "KorvuProvaTitol";
            return RegisterClassA(&wc) != 0;
        }();
        (void)registrada;
        h = CreateWindowExA(0, "KorvuProvaTitol", titol, WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~FinestraAmbTitol() { DestroyWindow(h); }
};

TEST(DocumentoEnUso, WindowsLocksAndMissingFiles)
{
    const std::string c = DirActual();
    EscriuFitxer(c + "\\lliure.odt", "x");
    EscriuFitxer(c + "\\obert.odt", "x");
    {
        FinestraAmbTitol editor("obert.odt - Editor");
        ASSERT_NE(editor.h, nullptr);
        MsgBoxRecorder cajas;
        EXPECT_TRUE(OrdresDocument::DocumentoEnUso(c + "\\obert.odt"));
        ASSERT_EQ(cajas.Boxes().size(), 1u);
        EXPECT_EQ(cajas.Boxes()[0].text, "El documento está en uso: \nobert.odt - Editor");
        EXPECT_EQ(cajas.Boxes()[0].caption, "Error");
    }
    {
        MsgBoxRecorder cajas;
        EXPECT_FALSE(OrdresDocument::DocumentoEnUso(c + "\\lliure.odt"));
        EXPECT_TRUE(cajas.Boxes().empty());
    }
    {
        const HANDLE bloqueig = CreateFileA((c + "\\lliure.odt").c_str(), GENERIC_READ, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(bloqueig, INVALID_HANDLE_VALUE);
        MsgBoxRecorder cajas;
        EXPECT_TRUE(OrdresDocument::DocumentoEnUso(c + "\\lliure.odt"));
        CloseHandle(bloqueig);
        ASSERT_EQ(cajas.Boxes().size(), 1u);
        EXPECT_EQ(cajas.Boxes()[0].text.rfind("El documento està en uso o no se encuentra: \n" + c +
                                                  "\\lliure.odt\nError: ", 0), 0u);
    }
    {
        MsgBoxRecorder cajas;
        EXPECT_TRUE(OrdresDocument::DocumentoEnUso(c + "\\falta.odt"));
        EXPECT_EQ(cajas.Boxes().size(), 1u);
    }
    // A path past 128 characters is tested like any other. It is made at the root of the drive,
    // so that it stays within the system's limit wherever the checkout and its temporary folder
    // lie, and named for this process: test programs running beside it share that folder.
    const std::string llarga = "C:\\" + std::to_string(GetCurrentProcessId()) + std::string(140, 'l') + ".odt";
    ASSERT_GT(llarga.size(), 128u);
    EscriuFitxer(llarga, "x");
    MsgBoxRecorder cajas;
    EXPECT_FALSE(OrdresDocument::DocumentoEnUso(llarga))
        << (cajas.Boxes().empty() ? std::string() : cajas.Boxes()[0].text);
    DeleteFileA(llarga.c_str());
}

TEST(BorraTemporales, DeletesOnlyTheClientsLeftovers)
{
    const std::string c = DirActual();
    const std::string tmp = c + "\\tmpbt";
    CreateDirectoryA(tmp.c_str(), nullptr);
    const std::vector<std::string> esborrats = {tmp + "\\{a.rtf", tmp + "\\{tmB12.tmp",
                                                tmp + "\\{tmC3.prn", c + "\\korvuc_12install.exe"};
    const std::vector<std::string> queden = {tmp + "\\keep.txt", tmp + "\\{x.txt",
                                             c + "\\korvuc.cfg.sav", tmp + "\\a{tm.tmp"};
    for (const auto& f : esborrats)
        EscriuFitxer(f, "x");
    for (const auto& f : queden)
        EscriuFitxer(f, "x");
    char previ[MAX_PATH] = {};
    GetEnvironmentVariableA("TMP", previ, sizeof previ);
    SetEnvironmentVariableA("TMP", tmp.c_str());
    OrdresDocument::BorraTemporales();
    for (const auto& f : esborrats)
        EXPECT_FALSE(Existeix(f)) << f;
    for (const auto& f : queden)
        EXPECT_TRUE(Existeix(f)) << f;

    SetEnvironmentVariableA("TMP", nullptr);
    try {
        OrdresDocument::BorraTemporales();
        ADD_FAILURE() << "no error without TMP";
    } catch (const DispError& e) {
        EXPECT_EQ(e.Texto(), "Error #ref 029, error borrando temporales");
    }
    SetEnvironmentVariableA("TMP", previ);
}

} // namespace

namespace {

// The first read gets part of the file; every later read fails as a failing disk would.
int lectures = 0;
BOOL WINAPI LecturaQueFalla(HANDLE h, LPVOID b, DWORD n, LPDWORD llegits, LPOVERLAPPED o)
{
    if (lectures++ == 0)
        return ReadFile(h, b, std::min<DWORD>(n, 600), llegits, o);
    *llegits = 0;
    SetLastError(ERROR_READ_FAULT);
    return FALSE;
}

struct Decodificat : BlocsFitxer::Sortida {
    std::string bytes;
    bool Escriu(const unsigned char* b, std::size_t n) override
    {
        bytes.append(reinterpret_cast<const char*>(b), n);
        return true;
    }
};

// Sends documents\<nom> as command 6 to the far end of a loopback pair and returns what the
// far end got, decoded, with whether it ended on the end mark. The file fits one block, so
// no answer from the far end is awaited.
struct Enviament {
    bool llancat = false;
    std::string text;
    bool ambFi = false;
    std::size_t bytesRebuts = 0;
};

Enviament EnviaAUnSocol(const std::string& nom, Transferencia::Llegidor llegeix)
{
    WSADATA wsa;
    EXPECT_EQ(WSAStartup(MAKEWORD(2, 2), &wsa), 0);
    prova::Parell parell;

    Enviament e;
    {
        Comunicador com;
        com.sock = parell.client;
        com.estat = Comunicador::kConnectat;
        std::memset(com.trama, 0, Trama::kMidaText);
        std::memset(com.trama, ' ', Trama::kIniciRegistre);
        std::strcpy(com.trama + Trama::kIniciRegistre, ("00" + nom + "\xFF").c_str());
        try {
            Transferencia(com, nullptr).Envia(llegeix);
        } catch (const DispError& error) {
            e.llancat = true;
            EXPECT_EQ(error.Texto(), "Error #ref 027, error enviando datos");
        }
        closesocket(com.sock);
        com.sock = INVALID_SOCKET;
    }
    std::string wire;
    char buf[4096];
    for (int n; (n = recv(parell.servidor, buf, sizeof buf, 0)) > 0;)
        wire.append(buf, static_cast<std::size_t>(n));
    parell.TancaServidor();
    WSACleanup();

    e.bytesRebuts = wire.size();
    if (wire.size() > static_cast<std::size_t>(Trama::kCapcalera)) {
        std::vector<char> text(Trama::kMidaText, 0);
        DesxifraTramesa(wire.data(), text.data());
        Decodificat d;
        e.ambFi = BlocsFitxer::DescodificaBloc(reinterpret_cast<const unsigned char*>(text.data()),
                                               wire.size() - static_cast<std::size_t>(Trama::kCapcalera), d) == BlocsFitxer::Fi;
        e.text = d.bytes;
    }
    return e;
}

} // namespace

TEST(EnviaFitxer, AFailedReadNeverReachesTheServerAsAWholeFile)
{
    configuracio.dirdocs = DirActual() + "\\";
    configuracio.primerDocuments = 0;
    std::string contingut;
    for (int i = 0; i < 1000; ++i)
        contingut += static_cast<char>(i * 7 % 251);
    EscriuFitxer(DirActual() + "\\enviat.bin", contingut);

    const Enviament be = EnviaAUnSocol("enviat.bin", ReadFile);
    EXPECT_FALSE(be.llancat);
    EXPECT_TRUE(be.ambFi);
    EXPECT_EQ(be.text, contingut);

    lectures = 0;
    const Enviament tallat = EnviaAUnSocol("enviat.bin", LecturaQueFalla);
    EXPECT_EQ(lectures, 2);
    EXPECT_TRUE(tallat.llancat);
    EXPECT_EQ(tallat.bytesRebuts, 0u) << tallat.text.size() << " bytes, end mark " << tallat.ambFi;
}

#include "screens/Intercanvi.h"

#include "framework/DispError.h"
#include "link/Trama.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string F = "\xFF";

std::string Frame(char codi, const std::string& id = "EsCLIENTES01001", const std::string& camp1 = "00",
                  const std::string& check = "00000000")
{
    std::string r = std::string("\xFE" "0a") + codi + "0" "\x80" + std::string(15, ' ') + id + check + "000000";
    r += camp1 + F;
    for (int i = 2; i <= 20; ++i)
        r += "00" + F;
    return r;
}

// Plays the view, the link and the windows, and writes down what the exchange asked of them.
class Fals : public Intercanvi::Entorn {
public:
    std::vector<char> text = std::vector<char>(Trama::kMidaText, '\0');
    std::deque<std::string> respostes;  // what each receive brings
    std::vector<std::string> crides;
    int estat = 1;
    bool semaforLliure = true;
    bool semafor = false;
    bool ocupat = false;
    bool valorsEscrits = true;
    bool primerIntent = true;
    std::string pantalla = "EsCLIENTES01001";
    std::vector<bool> llegeix = {true};  // results of LeePantalla in turn
    bool actualitza = true;
    std::string llenca;  // the call that throws a non-DispError
    std::string error;
    std::vector<std::string> errors;  // every box, in order
    bool pendent = false;
    bool alliberaFalla = false;  // giving the semaphore back fails as the system call would

    void Fa(const std::string& c)
    {
        crides.push_back(c);
        if (c == llenca)
            throw std::runtime_error("intern");
    }
    void ExcepcioPendent() override
    {
        if (pendent)
            throw DispError("guardada");
    }
    bool PrenSemafor() override
    {
        Fa("semafor");
        if (!semaforLliure || semafor)
            return false;
        semafor = true;
        return true;
    }
    void AlliberaSemafor() override
    {
        Fa("allibera");
        if (alliberaFalla)
            throw DispError("Error #ref 045,  estableciendo estado transmisi\xF3n");
        semafor = false;
    }
    void Ocupat(bool o) override { Fa(o ? "ocupat" : "lliure"); ocupat = o; }
    int EstatConnexio() override { return estat; }
    void EscriuInici() override { Fa("inici"); }
    bool Conecta(int intent) override
    {
        Fa("conecta" + std::to_string(intent));
        if (intent == 1 && !primerIntent)
            return false;
        Rep();
        return true;
    }
    void ObtenIpDinamica() override { Fa("ipdinamica"); }
    void GuardaServidor() override { Fa("guardaservidor"); }
    bool EscriuValors() override
    {
        Fa("valors");
        if (valorsEscrits)
            text[5] = static_cast<char>(0x81);
        return valorsEscrits;
    }
    // As the link does: the frame and its NUL over the text, whatever lies past them kept.
    void Rep()
    {
        if (respostes.empty())
            throw DispError("Error #ref 012, sin respuesta");
        const std::string& r = respostes.front();
        std::memcpy(text.data(), r.c_str(), r.size() + 1);
        longitud = static_cast<int>(r.size()) + 1;
        text[longitud] = '\0';
        respostes.pop_front();
    }
    int longitud = 0;
    int LongitudRebuda() override { return longitud; }
    void Transmet(int kind) override
    {
        Fa("transmet" + std::to_string(kind));
        if (kind == 0 || kind == 2)
            Rep();
    }
    char* Text() override { return text.data(); }
    void Ordre(int codi) override { Fa("ordre" + std::to_string(codi)); }
    void ActualizaPantallas(const std::string& id, int mode) override
    {
        Fa("actualiza" + std::to_string(mode) + ":" + id);
    }
    bool Actualiza(const std::string& m) override { Fa("autoactualitza:" + m); return actualitza; }
    std::string PantallaActual() override { return pantalla; }
    void EsborraPendent() override { Fa("esborrapendent"); }
    void GuardaFondo() override { Fa("fons"); }
    bool LeePantalla(const std::string& id, int checksum) override
    {
        Fa("llegeix:" + id + ":" + std::to_string(checksum));
        const bool r = llegeix.front();
        if (llegeix.size() > 1)
            llegeix.erase(llegeix.begin());
        return r;
    }
    void CreaPantalla() override { Fa("crea"); }
    void CargaDatos() override { Fa("carrega"); }
    void CentraVentana() override { Fa("centra"); }
    void PantallaMostrada(bool m) override { Fa(m ? "mostrada" : "amagada"); }
    void AvisoSonoro() override { Fa("so"); }
    void FocusNou() override { Fa("focus"); }
    void PostQuit() override { Fa("quit"); }
    void MostraError(const std::string& t) override
    {
        error = t;
        errors.push_back(t);
        Fa("error");
    }
};

using V = std::vector<std::string>;

const V kFinal = {"carrega", "lliure", "centra", "mostrada", "so", "focus", "amagada", "allibera"};

V Amb(V a, const V& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST(Intercanvi, ValuesExchangeOnTheStandingScreen)
{
    Fals f;
    f.respostes = {Frame('0')};
    EXPECT_TRUE(Intercanvi::Executa(f));
    EXPECT_EQ(f.crides, Amb({"semafor", "ocupat", "valors", "transmet0"}, kFinal));
    EXPECT_EQ(static_cast<unsigned char>(f.text[5]), 0x80) << "request byte 5 back to normal";
    EXPECT_FALSE(f.semafor);
}

TEST(Intercanvi, SecondExchangeDuringOneIsRefusedSilently)
{
    Fals f;
    f.semafor = true;
    EXPECT_FALSE(Intercanvi::Executa(f));
    EXPECT_EQ(f.crides, V{"semafor"});
    EXPECT_TRUE(f.error.empty());
}

TEST(Intercanvi, LoginThroughTheApplicationServer)
{
    Fals f;
    f.estat = 0;
    f.pantalla = "KRVINI  01001";
    f.respostes = {Frame('0', "EsKRVINI  01001"), Frame(' ', "EsMENU    01001", "00", "00001234")};
    struct Connecta : Fals {
        bool Conecta(int intent) override
        {
            const bool r = Fals::Conecta(intent);
            estat = 1;
            return r;
        }
    } g;
    g.estat = 0;
    g.pantalla = f.pantalla;
    g.respostes = f.respostes;
    EXPECT_TRUE(Intercanvi::Executa(g));
    EXPECT_EQ(g.crides, Amb({"semafor", "ocupat", "inici", "conecta1", "transmet0", "esborrapendent",
                             "fons", "llegeix:EsMENU    01001:1234", "crea"},
                            kFinal));
}

TEST(Intercanvi, AddressServiceRetryWritesTheLoginAgain)
{
    struct Connecta : Fals {
        bool Conecta(int intent) override
        {
            const bool r = Fals::Conecta(intent);
            estat = 3;
            return r;
        }
    } f;
    f.estat = 0;
    f.primerIntent = false;
    f.pantalla = "KRVINI  01001";
    f.respostes = {Frame('0', "EsMENU    01001")};
    EXPECT_TRUE(Intercanvi::Executa(f));
    EXPECT_EQ(V(f.crides.begin(), f.crides.begin() + 8),
              (V{"semafor", "ocupat", "inici", "conecta1", "ipdinamica", "inici", "conecta2",
                 "guardaservidor"}));
    EXPECT_EQ(f.crides[8], "esborrapendent") << "the dispatcher's own answer is used, nothing sent";
}

TEST(Intercanvi, FailedConnectionAsksTheLoopToEnd)
{
    struct Falla : Fals {
        bool Conecta(int intent) override
        {
            Fa("conecta" + std::to_string(intent));
            estat = 2;
            return true;
        }
    } f;
    f.estat = 0;
    EXPECT_TRUE(Intercanvi::Executa(f));
    EXPECT_EQ(f.crides, (V{"semafor", "ocupat", "inici", "conecta1", "quit"}));
}

TEST(Intercanvi, CommandChainEachCodeThenTheScreen)
{
    Fals f;
    f.respostes = {Frame('3'), Frame('5'), Frame('A'), Frame('9'), Frame('4'), Frame('0')};
    EXPECT_TRUE(Intercanvi::Executa(f));
    EXPECT_EQ(f.crides, Amb({"semafor", "ocupat", "valors", "transmet0", "ordre3", "transmet2",
                             "ordre5", "transmet2", "ordre11", "transmet2", "ordre9", "transmet2",
                             "ordre4", "transmet2"},
                            kFinal));
}

TEST(Intercanvi, ScreenRepliesAndTheReloadRule)
{
    struct Cas {
        char codi;
        std::string id;
        std::vector<bool> llegeix;
        V esperat;
    } casos[] = {
        // Same screen, any non-command byte: values into the standing controls.
        {'0', "EsCLIENTES01001", {true}, {}},
        {' ', "EsCLIENTES01001", {true}, {}},
        {'B', "EsCLIENTES01001", {true}, {}},
        // Another screen: background, load, build.
        {'0', "EsFICHA   01001", {true},
         {"esborrapendent", "fons", "llegeix:EsFICHA   01001:0", "crea"}},
        // Definitions refreshed and the screen rebuilt although it is the same.
        {'1', "EsCLIENTES01001", {true},
         {"actualiza1:EsCLIENTES01001", "esborrapendent", "fons", "llegeix:EsCLIENTES01001:0", "crea"}},
        {'2', "EsCLIENTES01001", {true},
         {"actualiza2:EsCLIENTES01001", "esborrapendent", "fons", "llegeix:EsCLIENTES01001:0", "crea"}},
        // Out of date definition: one refresh and one more load.
        {'0', "EsFICHA   01001", {false, true},
         {"esborrapendent", "fons", "llegeix:EsFICHA   01001:0", "actualiza1:EsFICHA   01001",
          "llegeix:EsFICHA   01001:0", "crea"}},
    };
    for (const Cas& c : casos) {
        Fals f;
        f.respostes = {Frame(c.codi, c.id)};
        f.llegeix = c.llegeix;
        EXPECT_TRUE(Intercanvi::Executa(f)) << c.codi << c.id;
        EXPECT_EQ(f.crides, Amb(Amb({"semafor", "ocupat", "valors", "transmet0"}, c.esperat), kFinal))
            << c.codi << " " << c.id;
    }
}

TEST(Intercanvi, ScreenThatCannotBeLoadedEndsTheProgram)
{
    Fals f;
    f.respostes = {Frame('0', "EsFICHA   01001")};
    f.llegeix = {false, false};
    EXPECT_FALSE(Intercanvi::Executa(f));
    EXPECT_EQ(f.error, "Error #ref 005, actualizando pantalla del servidor: EsFICHA   01001");
    EXPECT_EQ(f.crides.back(), "quit");
    EXPECT_TRUE(f.semafor) << "the program ends: nothing is undone";
}

TEST(Intercanvi, UpdateOrderZ)
{
    struct Cas {
        std::string missatge;
        bool actualitza;
        std::string error;
        bool autoactualitza;
    } casos[] = {
        {"00Servicio parado", true, "Servicio parado", false},
        {"00Nueva version # ref 912", true, "Nueva version # ref 912", true},
        {"00Nueva version # ref 912", false, "Error #ref 049, error actualizando aplicación", true},
        // A message longer than any fixed buffer is carried whole.
        {"00" + std::string(6000, 'm'), true, std::string(6000, 'm'), false},
    };
    for (const Cas& c : casos) {
        Fals f;
        f.respostes = {Frame('3'), Frame('z', "EsCLIENTES01001", c.missatge)};
        f.actualitza = c.actualitza;
        EXPECT_FALSE(Intercanvi::Executa(f));
        EXPECT_EQ(f.error, c.error);
        const bool va = std::find(f.crides.begin(), f.crides.end(),
                                  "autoactualitza:" + c.missatge.substr(2)) != f.crides.end();
        EXPECT_EQ(va, c.autoactualitza);
        // One quit, after the box: a quit posted earlier would close the box unread.
        EXPECT_EQ(V(f.crides.end() - 2, f.crides.end()), (V{"error", "quit"}));
        EXPECT_EQ(std::count(f.crides.begin(), f.crides.end(), "quit"), 1);
        EXPECT_EQ(std::count(f.crides.begin(), f.crides.end(), "carrega"), 0);
    }
}

TEST(Intercanvi, InternalErrorNamesTheStageAndFreesTheWindow)
{
    struct Cas {
        const char* llenca;
        const char* punt;
    } casos[] = {{"carrega", "5"}, {"crea", "4.6"}, {"fons", "4.1"}, {"transmet0", "1"},
                 {"ordre3", "2"}, {"focus", "9"}};
    for (const Cas& c : casos) {
        Fals f;
        f.respostes = {Frame('3'), Frame('0', "EsFICHA   01001")};
        f.llenca = c.llenca;
        EXPECT_FALSE(Intercanvi::Executa(f));
        EXPECT_EQ(f.error, std::string("Error interno:\nTopController.ProcessaTramesa, punto:") + c.punt);
        EXPECT_FALSE(f.semafor);
        EXPECT_FALSE(f.ocupat) << "busy state cleared";
        EXPECT_EQ(std::count(f.crides.begin(), f.crides.end(), "quit"), 0) << "the program goes on";
    }
}

// The semaphore that cannot be given back after an internal failure: the screen must not stay
// busy, both failures are shown, and, as for any semaphore failure, the program then ends (no
// exchange could run again).
TEST(Intercanvi, SemaphoreThatCannotBeGivenBackAfterAnInternalErrorIsReported)
{
    Fals f;
    f.respostes = {Frame('0', "EsFICHA   01001")};
    f.llenca = "carrega";
    f.alliberaFalla = true;
    EXPECT_FALSE(Intercanvi::Executa(f));
    EXPECT_FALSE(f.ocupat) << "busy state cleared";
    EXPECT_EQ(f.errors, (V{"Error interno:\nTopController.ProcessaTramesa, punto:5",
                           "Error #ref 045,  estableciendo estado transmisi\xF3n"}));
    EXPECT_EQ(V(f.crides.end() - 2, f.crides.end()), (V{"error", "quit"}));
}

TEST(Intercanvi, IncompleteRequestIsNotSent)
{
    Fals f;
    f.valorsEscrits = false;
    f.respostes = {Frame('0')};
    EXPECT_FALSE(Intercanvi::Executa(f));
    EXPECT_EQ(f.crides, (V{"semafor", "ocupat", "valors", "lliure", "allibera"}));
    EXPECT_FALSE(f.semafor);
}

TEST(Intercanvi, LinkFailureShownThenQuit)
{
    Fals f;  // no reply waiting: the link throws its DispError
    EXPECT_FALSE(Intercanvi::Executa(f));
    EXPECT_EQ(f.error, "Error #ref 012, sin respuesta");
    EXPECT_EQ(f.crides.back(), "quit");
}

TEST(Intercanvi, KeptExceptionIsRaisedBeforeAnythingStarts)
{
    Fals f;
    f.pendent = true;
    f.respostes = {Frame('0')};
    EXPECT_THROW(Intercanvi::Executa(f), DispError);
    EXPECT_TRUE(f.crides.empty());
}

TEST(Intercanvi, FrameShorterThanItsHeaderIsNotReadWithAnEarlierOne)
{
    // The text still holds a whole earlier frame of the same screen: read with its header, a
    // short reply would pass for a screen reply or repeat a command.
    struct Cas {
        std::deque<std::string> respostes;
        V esperat;
    } casos[] = {
        {{"0"}, {"semafor", "ocupat", "valors", "transmet0", "error", "quit"}},
        {{Frame('3'), "3"}, {"semafor", "ocupat", "valors", "transmet0", "ordre3", "transmet2", "error", "quit"}},
        // 49 bytes with the NUL: the record would begin in the earlier frame.
        {{Frame('0').substr(0, 48)}, {"semafor", "ocupat", "valors", "transmet0", "error", "quit"}},
    };
    for (const Cas& c : casos) {
        Fals f;
        const std::string abans = Frame('0');
        std::memcpy(f.text.data(), abans.c_str(), abans.size() + 1);
        f.respostes = c.respostes;
        EXPECT_FALSE(Intercanvi::Executa(f));
        EXPECT_EQ(f.crides, c.esperat);
        EXPECT_EQ(f.error, "Error #ref 015, error en la respuesta del servidor");
    }
    // 50 bytes reach the record, which is empty: read as it came.
    Fals f;
    f.respostes = {Frame('0').substr(0, 49)};
    EXPECT_TRUE(Intercanvi::Executa(f));
    EXPECT_EQ(std::count(f.crides.begin(), f.crides.end(), "carrega"), 1);
}

// The link against the scripted test server, which plays the dispatcher and the application
// server as each scenario of scenarios/ says and checks every frame on its side. Each test is
// started by the server's harness (see CMakeLists.txt); run any other way it is skipped.
#include "link/Camps.h"
#include "link/Comunicador.h"

#include "framework/DispError.h"
#include "tests/link/XarxaProva.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using prova::Error;
using prova::kContrasenya;

class Servidor : public testing::Test {
protected:
    void SetUp() override
    {
        despatxador = prova::PortEntorn("KORVU_DISPATCHER_PORT");
        aplicacio = prova::PortEntorn("KORVU_APP_PORT");
        tancat = prova::PortEntorn("KORVU_CLOSED_PORT");
        if (despatxador == 0)
            GTEST_SKIP() << "started only by the test server's harness";
        prova::PosaServidorLocal(despatxador);
        com = std::make_unique<Comunicador>();
        prova::EscriuLogin(com->trama);
    }

    // The first exchange as the exchange loop runs it: the login request to the dispatcher,
    // then its reply, unchanged, to the application server.
    void Entra()
    {
        ASSERT_TRUE(com->Conecta(1));
        ASSERT_EQ(com->estat, 1);
        // The server sees every byte; a wait that runs out fails here instead of hanging.
        prova::LimitaEspera(com->sock);
    }

    std::string Text() const { return com->trama; }

    int despatxador = 0;
    int aplicacio = 0;
    int tancat = 0;
    std::unique_ptr<Comunicador> com;
};

} // namespace

TEST_F(Servidor, RedirectSendsTheDispatchersReplyToTheApplicationServer)
{
    Entra();
    const std::string redireccio = Text();
    EXPECT_EQ(com->idPantalla, "EsKRVINI  01001");
    com->Transmit(0, 0);
    EXPECT_EQ(com->IdPantalla(), "EsKRVMEN  01001");
    EXPECT_EQ(com->CodigoOrden(), 0);
    char camp[32];
    char codi[2];
    GetCodedField(com->trama + Trama::kIniciRegistre, camp, codi, 1, sizeof camp);
    EXPECT_STREQ(camp, "hola");
    com->Cierra();
}

TEST_F(Servidor, DispatcherAnsweringItselfEndsItsConnectionAndLogsMaskedFrames)
{
    std::remove("korvuc.log");
    prova::ajustos.tracaTrames = true;
    const std::string login = com->trama;
    EXPECT_TRUE(com->Conecta(1));
    EXPECT_EQ(com->estat, 3);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
    EXPECT_EQ(com->idPantalla, "EsKRVMEN  01001");
    const std::string resposta = Text();
    com.reset();
    prova::ajustos.tracaTrames = false;

    std::string emmascarat = login;
    const std::size_t clau = emmascarat.find(std::string("10") + kContrasenya);
    ASSERT_NE(clau, std::string::npos);
    emmascarat.replace(clau, 2 + std::strlen(kContrasenya), "10********");
    const std::string fi("<-\0", 3);
    EXPECT_EQ(prova::LlegeixFitxer("korvuc.log"),
              "Envia ->" + emmascarat + fi + "Recibe->" + resposta + fi);
}

TEST_F(Servidor, DispatcherWithoutApplicationServerFailsWith039)
{
    EXPECT_EQ(Error([&] { com->Conecta(1); }), "Error #ref 039, servidor no disponible");
    EXPECT_EQ(com->estat, 0);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
}

TEST_F(Servidor, DispatcherReplyEndingTooSoonFailsWith015)
{
    // One byte, a header one byte short, a redirect ending before field 59 and one ending before
    // field 60. Past each the text still holds the login request, whose identifier reads as a
    // redirect: the reply is refused, and no application server is reached.
    for (int i = 0; i < 4; ++i) {
        com = std::make_unique<Comunicador>();
        prova::EscriuLogin(com->trama);
        EXPECT_EQ(Error([&] { com->Conecta(1); }), "Error #ref 015, error en la respuesta del servidor")
            << i;
        EXPECT_EQ(com->estat, 2) << i;
        EXPECT_EQ(com->sock, INVALID_SOCKET) << i;
    }
}

TEST_F(Servidor, RefusedDispatcherWithoutAddressServiceFailsWith009)
{
    EXPECT_EQ(Error([&] { com->Conecta(1); }), "Error #ref 009, El servicio Vintu no responde");
    EXPECT_EQ(com->estat, 2);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
}

TEST_F(Servidor, ClosedApplicationServerPortFailsWith013)
{
    EXPECT_EQ(Error([&] { com->Conecta(1); }), "Error #ref 013, abriendo socket");
    EXPECT_EQ(com->estat, 0);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
}

TEST_F(Servidor, ReplyInSmallChunksIsAssembled)
{
    Entra();
    com->Transmit(0, 0);
    EXPECT_EQ(com->IdPantalla(), "EsKRVMEN  01001");
    EXPECT_EQ(com->longitudTrama, static_cast<int>(std::strlen(com->trama)) + 4);
    com->Transmit(1, 0);  // back to the server, which compares it byte for byte
    com->Cierra();
}

TEST_F(Servidor, ReplyOfExactly8200Bytes)
{
    Entra();
    com->Transmit(0, 0);
    EXPECT_EQ(com->longitudTrama, 8200);
    EXPECT_EQ(std::strlen(com->trama), 8196u);
    EXPECT_EQ(com->IdPantalla(), "EsKRVMEN  01001");
    // The server ends the text with a run of 'z' up to the last byte.
    EXPECT_EQ(std::string(com->trama + 8186, 10), std::string(10, 'z'));
    com->Transmit(1, 0);  // back to the server, which compares it byte for byte
    com->Cierra();
}

TEST_F(Servidor, ServerClosingBeforeTheReplyFailsWith015)
{
    Entra();
    EXPECT_EQ(Error([&] { com->Transmit(0, 0); }), "Error #ref 015, error en la respuesta del servidor");
    EXPECT_EQ(com->estat, 2);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
    EXPECT_FALSE(com->ocupat);
}

TEST_F(Servidor, ServerClosingInTheMiddleOfTheReplyFailsWith016)
{
    Entra();
    EXPECT_EQ(Error([&] { com->Transmit(0, 0); }), "Error #ref 016, error en la respuesta del servidor");
    EXPECT_EQ(com->estat, 2);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
    EXPECT_FALSE(com->ocupat);
}

TEST_F(Servidor, HeaderTotalOutsideTheWireBufferIsAnError)
{
    Entra();
    EXPECT_EQ(Error([&] { com->Transmit(0, 0); }), "Error #ref 015, error en la respuesta del servidor");
    EXPECT_EQ(com->estat, 2);
    EXPECT_EQ(com->sock, INVALID_SOCKET);
    EXPECT_FALSE(com->ocupat);
}

TEST_F(Servidor, EveryTransmitKindOnTheWire)
{
    Entra();
    com->Transmit(0, 0);  // the redirect to the application server, then its command frame
    EXPECT_EQ(com->CodigoOrden(), 3);

    std::strcpy(com->trama, "texto");
    com->Transmit(1, 0);
    const char bloc[] = "\x02" "AB\x83x\xC0";
    std::memcpy(com->trama, bloc, 6);
    com->Transmit(1, 6);
    com->Transmit(3, 0);
    com->Transmit(5, 0);
    com->Transmit(10, 0);
    std::strcpy(com->trama, "refusado");
    com->Transmit(4, 0);
    com->Transmit(8, 0);  // sends nothing
    com->Transmit(2, 0);  // waits for the server's next frame
    EXPECT_EQ(com->IdPantalla(), "EsKRVMEN  01001");
    std::strcpy(com->trama, "fin");
    com->Transmit(0, 0);
    EXPECT_STREQ(com->trama, "ok");
    com->Cierra();
}

namespace {

void EscriuControl(const std::string& linia)
{
    std::FILE* f = std::fopen("wget-standin.cfg", "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(linia.c_str(), f);
    std::fclose(f);
}

// A process of that name started by this one: other tests run the same stand-in meanwhile.
bool FillViu(const char* nom)
{
    HANDLE instantania = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (instantania == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 p = {};
    p.dwSize = sizeof p;
    bool trobat = false;
    const DWORD jo = GetCurrentProcessId();
    for (BOOL hi = Process32First(instantania, &p); hi && !trobat; hi = Process32Next(instantania, &p))
        trobat = p.th32ParentProcessID == jo && lstrcmpiA(p.szExeFile, nom) == 0;
    CloseHandle(instantania);
    return trobat;
}

} // namespace

TEST_F(Servidor, AddressServiceAnswersThatGiveNoAddress)
{
    prova::ajustos.urlIpDinamica = "http://127.0.0.1:9";
    com->SetEsperaWget(2000);
    struct Caso {
        const char* control;
        const char* error;
    } casos[] = {
        {"write 127.0.0.1", "Error #ref 065: Vintu no responde"},
        {"write 127.0.0.1;", "Error #ref 065: Vintu no responde"},
        {"write ;8000", "Error #ref 064: Vintu no responde"},
        {"nothing", "Error #ref 063: Vintu no responde"},
        {"fail", "Error #ref 063: Vintu no responde"},
        {"hang 60", "Error #ref 063: Vintu no responde"},
    };
    for (const Caso& c : casos) {
        // An answer left by an earlier fetch must not be taken for this one.
        std::FILE* vell = std::fopen("vintuip", "wb");
        std::fputs("127.0.0.9;7777;", vell);
        std::fclose(vell);
        EscriuControl(c.control);
        prova::ajustos.servidor = "abans";
        prova::ajustos.port = 1;
        EXPECT_EQ(Error([&] { com->ObtenIpDinamica(); }), c.error) << c.control;
        EXPECT_EQ(prova::ajustos.servidor, "abans") << c.control;
        EXPECT_EQ(prova::ajustos.port, 1) << c.control;
    }
    EXPECT_FALSE(FillViu("wget.exe")) << "a hung download is ended, not left behind";

    EscriuControl("write 192.0.2.7;6001;");
    com->ObtenIpDinamica();
    EXPECT_EQ(prova::ajustos.servidor, "192.0.2.7");
    EXPECT_EQ(prova::ajustos.port, 6001);
}

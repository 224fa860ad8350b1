// The program's configuration and the link together against the scripted test server: the
// address that the address service gives is the one the link logs in at and the one written
// into korvuc.cfg. Started by the server's harness (see CMakeLists.txt); run any other way it
// is skipped.
#include "app/Configuracio.h"
#include "link/Comunicador.h"
#include "tests/link/XarxaProva.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

TEST(Servidor, RefusedDispatcherIsFoundThroughTheAddressService)
{
    const int despatxador = prova::PortEntorn("KORVU_DISPATCHER_PORT");
    const int tancat = prova::PortEntorn("KORVU_CLOSED_PORT");
    if (despatxador == 0)
        GTEST_SKIP() << "started only by the test server's harness";
    // As the scenario's korvuc.cfg: remote access, a dispatcher by name on a port where nothing
    // listens.
    std::strcpy(configuracio.fitxerClaus, "crpt.cfg");
    configuracio.tracaTrames = 0;
    configuracio.acceso_remoto = 1;
    configuracio.servidor_ext = "localhost";
    configuracio.port = tancat;
    configuracio.ipdin = "http://127.0.0.1:" + std::to_string(tancat) + "/svc";
    auto com = std::make_unique<Comunicador>();
    prova::EscriuLogin(com->trama);

    EXPECT_FALSE(com->Conecta(1));
    EXPECT_EQ(com->estat, 2);
    com->ObtenIpDinamica();
    EXPECT_EQ(configuracio.servidor_ext, "127.0.0.1");
    EXPECT_EQ(configuracio.port, despatxador);
    prova::EscriuLogin(com->trama);
    EXPECT_TRUE(com->Conecta(2));
    EXPECT_EQ(com->estat, 3);
    com->GuardaServidor();
}

// The definitions update against the scripted test server, which plays the application server
// of an update in each scenario of scenarios/ and checks every frame and, once the client has
// ended, the files it left. Each test is started by the harness (see CMakeLists.txt).
#include "screens/Vista.h"

#include "app/Configuracio.h"
#include "framework/DispError.h"
#include "link/Camps.h"
#include "link/Comunicador.h"
#include "tests/app/ConfiguracioProva.h"
#include "tests/link/XarxaProva.h"
#include "tests/screens/ProvaVista.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

const char kMenu[] = "EsKRVMEN  01001";

class Actualiza : public testing::Test {
protected:
    void SetUp() override
    {
        const char* port = std::getenv("KORVU_DISPATCHER_PORT");
        if (!port)
            GTEST_SKIP() << "started only by the test server's harness";
        prova::ConfiguraServidor(std::atoi(port));
        configuracio.idioma = "Es";
        com = std::make_unique<Comunicador>();
        prova::EscriuLogin(com->trama);
        finestra = std::make_unique<TestWindow>();
        vista = std::make_unique<Vista>(finestra->hwnd, com.get(), &filtre);
        vista->dirTrabajo = prova::DirActual();
        vista->fichPantallas = vista->dirTrabajo + "\\PANT1.DAT";
        abans = prova::LlegeixFitxer("PANT1.DAT");
        // The login, then the reply that asks for the update.
        ASSERT_TRUE(com->Conecta(1));
        com->Transmit(0, 0);
    }
    void TearDown() override
    {
        if (com)
            com->Cierra();
    }

    std::unique_ptr<Comunicador> com;
    std::unique_ptr<TestWindow> finestra;
    unsigned char filtre = 0;
    std::unique_ptr<Vista> vista;
    std::string abans;
};

} // namespace

TEST_F(Actualiza, Mode1ReplacesTheSeriesAndTheScreenLoads)
{
    ASSERT_EQ(com->CodigoOrden(), 1);
    ASSERT_TRUE(vista->ActualizaPantallas(com->IdPantalla(), 1));
    // The frame that ended the transfer stays for the caller.
    EXPECT_EQ(com->IdPantalla(), kMenu);
    EXPECT_EQ(prova::LlegeixFitxer("PANT1.SAV"), abans);
    ASSERT_TRUE(vista->LeePantalla(kMenu, com->NumeroCabecera()));
    ASSERT_EQ(vista->campos.size(), 2u);
    EXPECT_EQ(vista->campos[0].codigo, 12);
    EXPECT_EQ(vista->campos[1].tipo, 10);
    EXPECT_EQ(vista->campos[1].elementos.at(0).texto, "Uno  " + std::string(75, 'x'));
}

TEST_F(Actualiza, Mode2ReplacesTheLanguage)
{
    ASSERT_EQ(com->CodigoOrden(), 2);
    ASSERT_TRUE(vista->ActualizaPantallas(com->IdPantalla(), 2));
    EXPECT_EQ(prova::LlegeixFitxer("PANT1.OLD"), abans);
    EXPECT_TRUE(vista->LeePantalla("EsKRVNUE  01007", 0));
    EXPECT_FALSE(vista->LeePantalla(kMenu, 0));
    EXPECT_TRUE(vista->LeePantalla("CaKRVMEN  01001", 0));
}

TEST_F(Actualiza, TransferCutInTheMiddleLeavesTheFileAsItWas)
{
    std::string error = "(no error)";
    try {
        vista->ActualizaPantallas(com->IdPantalla(), 1);
    } catch (const DispError& e) {
        error = e.Texto();
    }
    EXPECT_EQ(error.compare(0, 15, "Error #ref 016,"), 0) << error;
    EXPECT_EQ(prova::LlegeixFitxer("PANT1.DAT"), abans);
    EXPECT_FALSE(prova::Existeix("PANT1.NEW"));
}

TEST_F(Actualiza, NewFileThatCannotTakeTheOldOnesPlace)
{
    HANDLE obert = CreateFileA("PANT1.DAT", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(obert, INVALID_HANDLE_VALUE);
    std::string error = "(no error)";
    try {
        vista->ActualizaPantallas(com->IdPantalla(), 1);
    } catch (const DispError& e) {
        error = e.Texto();
    }
    CloseHandle(obert);
    EXPECT_EQ(error, "Error #ref 055, actualizando pantallas");
    EXPECT_EQ(prova::LlegeixFitxer("PANT1.DAT"), abans);
    EXPECT_FALSE(prova::Existeix("PANT1.NEW"));
}

TEST_F(Actualiza, FirstRunWithoutTheFile)
{
    EXPECT_FALSE(vista->LeePantalla(kMenu, 0));
    ASSERT_TRUE(vista->ActualizaPantallas(com->IdPantalla(), 1));
    ASSERT_TRUE(vista->LeePantalla(kMenu, 0));
    EXPECT_EQ(vista->campos.size(), 1u);
}

#include "documents/ImpresioDirecta.h"

#include "documents/DcImpressora.h"

#include "tests/documents/GdiEnregistrat.h"
#include "tests/documents/ImpressoraProva.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

const char kImpressora[] = "KorvuDirecta";
const char kPort[] = "port_directa.ps";
const std::string U = "\x01";
const char kBox[] = "No se ha completado la impresión:\nVista.ImpresionDirecta";

class ImpresioDirectaProva : public ProvaAmbImpressora<kImpressora, kPort> {
protected:
    // Prints and checks what every job must leave behind: no font alive, the device context
    // deleted, and a started document ended or aborted exactly once.
    static bool Imprimeix(GdiEnregistrat& gdi, MsgBoxRecorder& boxes)
    {
        const bool fet = ImpresioDirecta::Imprimeix("feina.prn", gdi);
        EXPECT_EQ(gdi.FontsVives(), 0);
        const auto compta = [&](const std::string& prefix) {
            int n = 0;
            for (const std::string& c : gdi.crides)
                n += c.compare(0, prefix.size(), prefix) == 0;
            return n;
        };
        EXPECT_EQ(compta("CreaDc"), 1);
        EXPECT_EQ(compta("EsborraDc"), 1);
        const int iniciats = gdi.falla == "IniciaDocument" ? 0 : compta("IniciaDocument");
        EXPECT_EQ(compta("AcabaDocument") + compta("AbandonaDocument"), iniciats);
        EXPECT_EQ(boxes.Boxes().size(), fet ? 0u : 1u);
        if (!fet && !boxes.Boxes().empty()) {
            EXPECT_EQ(boxes.Boxes()[0].text, kBox);
        }
        return fet;
    }
};

std::string Ticket(const std::string& registres)
{
    return std::string("01L") + kImpressora + "#\r\n" + registres;
}

} // namespace

TEST_F(ImpresioDirectaProva, DrawerGetsThePulseAndNoPage)
{
    Fitxer(std::string("01A") + kImpressora + "#\r\nignorado" + U + "\n");
    GdiEnregistrat gdi;
    MsgBoxRecorder boxes;
    ASSERT_TRUE(Imprimeix(gdi, boxes));
    EXPECT_EQ(gdi.crides, (std::vector<std::string>{"CreaDc KorvuDirecta", "IniciaDocument Apertura cajon",
                                                    "PassaDirecte 5", "AcabaDocument", "EsborraDc"}));
    const std::string ps = ImpressoraProva::Rebut(kPort);
    const std::string marca = "%%BeginDocument: Wine passthrough\n";
    const std::size_t p = ps.find(marca);
    ASSERT_NE(p, std::string::npos) << ps;
    EXPECT_EQ(ps.substr(p + marca.size(), 5), std::string("\x1B\x70\x00\x0A\x64", 5));
    EXPECT_EQ(ps.find("%%Page:"), std::string::npos);
    EXPECT_NE(ps.find("%%Title: Apertura cajon"), std::string::npos);
}

TEST_F(ImpresioDirectaProva, TicketSwitchesToFontA22ForTheSecondLine)
{
    Fitxer(Ticket("#G" + U + "\nTexto" + U + "\n#R" + U + "\nFin" + U + "\n"));
    GdiEnregistrat gdi;
    MsgBoxRecorder boxes;
    ASSERT_TRUE(Imprimeix(gdi, boxes));
    ASSERT_GT(gdi.pas, 0);
    const std::string y1 = std::to_string(gdi.pas), y3 = std::to_string(3 * gdi.pas);
    EXPECT_EQ(gdi.crides,
              (std::vector<std::string>{"CreaDc KorvuDirecta", "IniciaDocument Ticket", "IniciaPagina",
                                        "CreaFont Control 0", "Selecciona Control", "EscriuText 0,0 G [Control]",
                                        "Selecciona inicial", "EsborraObjecte Control", "CreaFont FontA22 0",
                                        "Selecciona FontA22", "EscriuText 0," + y1 + " Texto [FontA22]",
                                        "Selecciona inicial", "EsborraObjecte FontA22",
                                        "EscriuText 0," + y3 + " Fin [inicial]", "AcabaPagina", "AcabaDocument",
                                        "EsborraDc"}));
    const std::string ps = ImpressoraProva::Rebut(kPort);
    EXPECT_NE(ps.find("%%Title: Ticket"), std::string::npos) << ps.substr(0, 400);
    EXPECT_NE(ps.find("%%Page: 1 1"), std::string::npos);
}

TEST_F(ImpresioDirectaProva, FontA22SwitchesKeepOneFontAtATime)
{
    const struct Cas {
        const char* nom;
        std::string registres;
        int creades;
        const char* ultimaLinia;  // the font of the last line drawn
    } casos[] = {
        // The second #G replaced "FontA22" itself, so #R gives "FontA22" back, now and after.
        {"#G twice", "#G" + U + "\n#G" + U + "\nA" + U + "\n#R" + U + "\nB" + U + "\n", 1, "B [FontA22]"},
        {"#G twice, #R twice",
         "#G" + U + "\n#G" + U + "\n#R" + U + "\n#R" + U + "\n#G" + U + "\n#R" + U + "\nB" + U + "\n", 1,
         "B [FontA22]"},
        {"#G #R #G #R", "#G" + U + "\n#R" + U + "\n#G" + U + "\nA" + U + "\n#R" + U + "\nB" + U + "\n", 2, "B [inicial]"},
        {"#R alone", "#R" + U + "\nA" + U + "\n", 0, "A [inicial]"},
        {"#G left open", "#G" + U + "\nA" + U + "\n", 1, "A [FontA22]"},
        {"#R twice", "#G" + U + "\n#R" + U + "\n#R" + U + "\nA" + U + "\n", 1, "A [inicial]"},
    };
    for (const Cas& c : casos) {
        Fitxer(Ticket(c.registres));
        GdiEnregistrat gdi;
        MsgBoxRecorder boxes;
        EXPECT_TRUE(Imprimeix(gdi, boxes)) << c.nom;
        int creades = 0;
        std::string ultima;
        for (const std::string& s : gdi.crides) {
            creades += s == "CreaFont FontA22 0";
            if (s.compare(0, 11, "EscriuText ") == 0)
                ultima = s.substr(s.find(' ', 11) + 1);
        }
        EXPECT_EQ(creades, c.creades) << c.nom;
        EXPECT_EQ(ultima, c.ultimaLinia) << c.nom;
    }
}

TEST_F(ImpresioDirectaProva, BarCodesInTheirFontSizedForTheDevice)
{
    Fitxer(std::string("01C") + kImpressora + "#Code 39#12#\r\n*123*" + U + "\n*456*" + U + "\n");
    GdiEnregistrat gdi;
    MsgBoxRecorder boxes;
    ASSERT_TRUE(Imprimeix(gdi, boxes));
    // The height follows the device's own resolution.
    const DcImpressora dc(GdiImpressio::Sistema(), kImpressora);
    const int ppp = GetDeviceCaps(dc.Dc(), LOGPIXELSY);
    ASSERT_GT(ppp, 0);
    const std::string alcada = std::to_string(-(12 * ppp / 72));
    const std::vector<std::string> inici = {"CreaDc KorvuDirecta", "IniciaDocument Códigos de barras", "IniciaPagina",
                                            "CreaFont Control 0", "Selecciona Control", "EscriuText 0,0 r [Control]",
                                            "PixelsPerPolzada " + std::to_string(ppp), "CreaFont Code 39 " + alcada,
                                            "Selecciona Code 39",
                                            "EsborraObjecte Control", "EscriuText 0,0 *123* [Code 39]"};
    ASSERT_GE(gdi.crides.size(), inici.size());
    EXPECT_EQ(std::vector<std::string>(gdi.crides.begin(), gdi.crides.begin() + inici.size()), inici);
    EXPECT_EQ(gdi.crides[inici.size()], "EscriuText 0," + std::to_string(gdi.pas + 30) + " *456* [Code 39]");
    EXPECT_EQ(gdi.crides.back(), "EsborraObjecte Code 39");
}

TEST_F(ImpresioDirectaProva, EveryFailureEndsTheJobAndShowsTheBox)
{
    const std::string ticket = Ticket("#G" + U + "\nuno" + U + "\ndos" + U + "\n");
    const struct Cas {
        const char* falla;
        int vegada;
        std::string fitxer;
    } casos[] = {
        {"IniciaDocument", 1, ticket},
        {"IniciaPagina", 1, ticket},
        {"CreaFont", 1, ticket},
        {"CreaFont", 2, ticket},
        {"EscriuText", 1, ticket},
        {"EscriuText", 3, ticket},
        {"AcabaPagina", 1, ticket},
        {"AcabaDocument", 1, ticket},
        {"PassaDirecte", 1, std::string("01A") + kImpressora + "#"},
        {"CreaFont", 2, std::string("01C") + kImpressora + "#Code 39#12#\r\nx" + U + "\n"},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(std::string(c.falla) + " " + std::to_string(c.vegada));
        Fitxer(c.fitxer);
        GdiEnregistrat gdi;
        gdi.falla = c.falla;
        gdi.vegada = c.vegada;
        MsgBoxRecorder boxes;
        EXPECT_FALSE(Imprimeix(gdi, boxes));
    }
}

TEST_F(ImpresioDirectaProva, UnknownPrinterOrBadFileOpensNothing)
{
    const struct Cas {
        const char* nom;
        std::string fitxer;  // empty: no file
        bool creaDc;
    } casos[] = {
        {"unknown printer", "01LNoExiste#\r\nhola" + U + "\n", true},
        {"no file", "", false},
        {"no printer name", "01LNoExiste", false},
        {"face too long", "01CNoExiste#" + std::string(20, 'f') + "#12#\r\n", false},
    };
    for (const Cas& c : casos) {
        std::remove("feina.prn");
        if (!c.fitxer.empty())
            Fitxer(c.fitxer);
        GdiEnregistrat gdi;
        MsgBoxRecorder boxes;
        EXPECT_FALSE(ImpresioDirecta::Imprimeix("feina.prn", gdi)) << c.nom;
        EXPECT_EQ(gdi.crides, c.creaDc ? std::vector<std::string>{"CreaDc NoExiste"} : std::vector<std::string>{})
            << c.nom;
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.nom;
        EXPECT_EQ(boxes.Boxes()[0].text, kBox) << c.nom;
    }
}

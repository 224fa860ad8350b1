#include "documents/ImpresioRaw.h"

#include "tests/documents/ImpressoraProva.h"
#include "tests/framework/MsgBoxRecorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

const char kImpressora[] = "KorvuRaw";
const char kPort[] = "port_raw.bin";

class ImpresioRawProva : public ProvaAmbImpressora<kImpressora, kPort> {};

} // namespace

TEST_F(ImpresioRawProva, PrinterReceivesTheExpandedRecordsExactly)
{
    Fitxer(std::string("0E") + kImpressora + "\n~\n#+027@~\nLinea \xE9\xF1~\n~\nx~\n#+300#+255fin~");
    MsgBoxRecorder boxes;
    EXPECT_TRUE(ImpresioRaw::Imprimeix("feina.prn"));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(ImpressoraProva::Rebut(kPort), std::string("\x1B@\nLinea \xE9\xF1\nx\n\x2C\xFF" "fin\n"));
}

TEST_F(ImpresioRawProva, FailuresShowTheLineReached)
{
    const struct Cas {
        const char* nom;
        std::string fitxer;  // empty: no file at all
        const char* text;
    } casos[] = {
        {"no file", "", "No se ha completado la impresión, #ref 086, lin.:0"},
        {"lower-case e", "0eKorvuRaw\n~\nuno~", "No se ha completado la impresión, #ref 086, lin.:0"},
        {"unknown printer", "0ENoExiste\n~\nuno~", "No se ha completado la impresión, #ref 086, lin.:1"},
        {"no printer name", "0E\n~\nuno~", "No se ha completado la impresión, #ref 086, lin.:1"},
    };
    for (const Cas& c : casos) {
        std::remove("feina.prn");
        if (!c.fitxer.empty())
            Fitxer(c.fitxer);
        MsgBoxRecorder boxes;
        EXPECT_FALSE(ImpresioRaw::Imprimeix("feina.prn")) << c.nom;
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.nom;
        EXPECT_EQ(boxes.Boxes()[0].text, c.text) << c.nom;
        EXPECT_EQ(boxes.Boxes()[0].caption, "Korvuc Error") << c.nom;
    }
}

#include "link/TrazaTrama.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string F = "\xFF";
const std::string Fi("<-\0", 3);

// The header of the login request followed by its 90 fields, field 52 holding the password.
std::string Login(const std::string& clau)
{
    std::string t = "\xFE" "0a00\x80" + std::string(15, ' ') + "EsKRVINI  01001" + "00000000" +
                    "000000";
    for (int camp = 1; camp <= 90; ++camp) {
        if (camp == 51)
            t += "00ana";
        else if (camp == 52)
            t += "10" + clau;
        else
            t += "00";
        t += F;
    }
    return t;
}

} // namespace

TEST(TrazaTrama, EntryIsPrefixTextAndEndMark)
{
    EXPECT_EQ(EntradaTraza("0", 8211, 0), "Envia ->0" + Fi);
    EXPECT_EQ(EntradaTraza("hola\0resta", 8211, 1), "Recibe->hola" + Fi);
    EXPECT_EQ(EntradaTraza("", 8211, 1), "Recibe->" + Fi);
    EXPECT_EQ(EntradaTraza("abcdef", 3, 0), "Envia ->abc" + Fi);
}

TEST(TrazaTrama, PasswordOfTheLoginScreenIsMasked)
{
    const std::string login = Login("s3creta");
    const std::string entrada = EntradaTraza(login.c_str(), 8211, 0);
    std::string esperat = login;
    esperat.replace(esperat.find("10s3creta"), 9, "10********");
    EXPECT_EQ(entrada, "Envia ->" + esperat + Fi);
    EXPECT_EQ(entrada.find("s3creta"), std::string::npos);

    // The dispatcher's redirect carries the login fields too, in both directions.
    std::string redireccio = Login("x");
    redireccio[3] = '0';
    EXPECT_EQ(EntradaTraza(redireccio.c_str(), 8211, 1).find("10x" + F), std::string::npos);
}

TEST(TrazaTrama, OtherFramesAndEmptyPasswordsAreWrittenAsTheyAre)
{
    std::string pantalla = Login("visible");
    pantalla.replace(21, 15, "EsCLIENTES 0001");
    EXPECT_EQ(EntradaTraza(pantalla.c_str(), 8211, 1), "Recibe->" + pantalla + Fi);

    const std::string buida = Login("");
    EXPECT_EQ(EntradaTraza(buida.c_str(), 8211, 0), "Envia ->" + buida + Fi);

    // A login frame cut before field 52 has nothing to mask.
    const std::string curt = Login("abc").substr(0, 120);
    EXPECT_EQ(EntradaTraza(curt.c_str(), 8211, 0), "Envia ->" + curt + Fi);
}

#include "documents/MissatgeActualitzacio.h"
#include "documents/NomSimple.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using NomSimple::EsDins;
using NomSimple::EsNomSimple;

TEST(NomSimple, PlainNamesOnly)
{
    for (const char* bo : {"factura.pdf", "a", "informe 2024.xlsx", "x.y.z", "{tmA3F1.tmp",
                           "console.txt", "COM10", "LPT", "nulo.doc", "\xE9t\xE9.txt"})
        EXPECT_TRUE(EsNomSimple(bo)) << bo;
    for (const char* dolent : {"", "..\\x.pdf", "../x.pdf", "a\\b", "a/b", "C:x", "c:\\w.ini",
                               "..", ".", "a..b", "x.pdf.", "x.pdf ", "a*b", "a?b", "a\"b",
                               "a<b", "a>b", "a|b", "a\tb", "a\x01", "CON", "con", "nul.txt",
                               "Com1", "LPT9.log", "AUX .x", "PRN", "CONOUT$",
                               "COM\xB9", "lpt\xB2.txt", "Com\xB3 .log"})
        EXPECT_FALSE(EsNomSimple(dolent)) << dolent;
    EXPECT_TRUE(EsNomSimple(std::string(255, 'n')));
    EXPECT_FALSE(EsNomSimple(std::string(256, 'n')));
}

TEST(NomSimple, FolderTestComparesWholeFolderNames)
{
    EXPECT_TRUE(EsDins("C:\\import\\x.pdf", "C:\\import"));
    EXPECT_TRUE(EsDins("c:\\IMPORT\\sub\\x.pdf", "C:\\import\\"));
    EXPECT_FALSE(EsDins("C:\\import_old\\x.pdf", "C:\\import"));
    EXPECT_FALSE(EsDins("C:\\import", "C:\\import"));
    EXPECT_FALSE(EsDins("C:\\importx.pdf", "C:\\import"));
    EXPECT_FALSE(EsDins("C:\\import\\x.pdf", ""));
}

TEST(MissatgeActualitzacio, SourceAndInstaller)
{
    using MissatgeActualitzacio::Llegeix;
    auto o = Llegeix("Version antigua # ref 912:http://srv/dist/korvuc_25install.exe");
    EXPECT_TRUE(o.valida);
    EXPECT_TRUE(o.web);
    EXPECT_EQ(o.font, "http://srv/dist/korvuc_25install.exe");
    EXPECT_EQ(o.instalador, "korvuc_25install.exe");
    EXPECT_EQ(MissatgeActualitzacio::LiniaWget(o.font),
              "wget \"http://srv/dist/korvuc_25install.exe\"");

    o = Llegeix("# ref 912:\\\\server\\share\\korvuc_2install.exe");
    EXPECT_TRUE(o.valida);
    EXPECT_FALSE(o.web);
    EXPECT_EQ(o.font, "\\\\server\\share\\korvuc_2install.exe");
    EXPECT_EQ(o.instalador, "korvuc_2install.exe");

    // "Http" is not a web address: the first four characters are compared as written.
    EXPECT_FALSE(Llegeix("# ref 912:Http://x/y.exe").web);

    for (const std::string& dolent :
         {std::string("# ref 912 sin dos puntos/x.exe"), std::string("# ref 912:nada"),
          std::string("# ref 912:http://srv/"), std::string("# ref 912:http://srv/..") ,
          std::string("# ref 912:http://srv/\"a b\"/x.exe"),
          "# ref 912:http://srv/" + std::string(90, 'a') + "/x.exe",
          "# ref 912:http://srv/" + std::string(100, 'x') + ".exe"})
        EXPECT_FALSE(Llegeix(dolent).valida) << dolent;
}

} // namespace

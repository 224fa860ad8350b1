#include "app/LiniaOrdres.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The login values of the file, before the command line is read.
LiniaOrdres::Login DelFitxer()
{
    LiniaOrdres::Login l;
    l.usuario = "fu";
    l.empresa = "fe";
    l.idioma = "fi";
    l.password = "fp";
    l.autoLogin = 1;
    return l;
}

} // namespace

TEST(LiniaOrdres, Cases)
{
    const std::string ruta = "C:\\app\\korvuc.exe";
    const std::string q = "\"" + ruta + "\"";
    const struct {
        std::string linia;
        std::string ruta, usuario, empresa, idioma, password;
        int autoLogin;
    } casos[] = {
        // Only the program path: the file's values stay.
        {q, ruta, "fu", "fe", "fi", "fp", 0},
        {q + " ", ruta, "fu", "fe", "fi", "fp", 0},
        // A complete login.
        {q + " /i ana,01,Es,secreto,", ruta, "ana", "01", "Es", "secreto", 1},
        {q + " /i ana,01,Es,,", ruta, "ana", "01", "Es", "", 1},
        {q + " /i ,,,,", ruta, "", "", "", "", 1},
        {q + " /i a b,01,Es,p q,", ruta, "a b", "01", "Es", "p q", 1},
        // Missing fourth or third comma: the password is emptied.
        {q + " /i ana,01,Es,", ruta, "ana", "01", "Es", "", 0},
        {q + " /i ana,01,Es,secreto", ruta, "ana", "01", "Es", "", 0},
        {q + " /i ana,01,Es", ruta, "ana", "01", "fi", "", 0},
        // Missing second or first comma: values found so far stay.
        {q + " /i ana,01", ruta, "ana", "fe", "fi", "fp", 0},
        {q + " /i ana", ruta, "fu", "fe", "fi", "fp", 0},
        // "/i" at the very end, or cut short.
        {q + " /i", ruta, "fu", "fe", "fi", "fp", 0},
        {q + " /", ruta, "fu", "fe", "fi", "fp", 0},
        {q + " /i ", ruta, "fu", "fe", "fi", "fp", 0},
        {q + " /i,", ruta, "fu", "fe", "fi", "fp", 0},
        {q + " /i,a,b,c,", ruta, "a", "b", "c", "", 0},
        {q + " ,,,,", ruta, "fu", "fe", "fi", "fp", 0},
        // A path with blanks stays whole; the option is found after the path.
        {"\"C:\\Program Files\\k\\korvuc.exe\" /i ana,01,Es,x,", "C:\\Program Files\\k\\korvuc.exe",
         "ana", "01", "Es", "x", 1},
        {"\"C:/app/korvuc.exe\" /i ana,01,Es,x,", "C:/app/korvuc.exe", "ana", "01", "Es", "x", 1},
        // An unquoted path, an unclosed quote, nothing at all.
        {ruta + " /i ana,01,Es,x,", ruta, "ana", "01", "Es", "x", 1},
        {"korvuc.exe", "korvuc.exe", "fu", "fe", "fi", "fp", 0},
        {"\"C:\\app\\korvuc.exe /i ana,01,Es,x,", "C:\\app\\korvuc.exe", "ana", "01", "Es", "x", 1},
        {"\"", "", "fu", "fe", "fi", "fp", 0},
        {"", "", "fu", "fe", "fi", "fp", 0},
    };
    for (const auto& c : casos) {
        LiniaOrdres::Login l = DelFitxer();
        LiniaOrdres::Aplica(c.linia, l);
        EXPECT_EQ(l.rutaPrograma, c.ruta) << c.linia;
        EXPECT_EQ(l.usuario, c.usuario) << c.linia;
        EXPECT_EQ(l.empresa, c.empresa) << c.linia;
        EXPECT_EQ(l.idioma, c.idioma) << c.linia;
        EXPECT_EQ(l.password, c.password) << c.linia;
        EXPECT_EQ(l.autoLogin, c.autoLogin) << c.linia;
    }
}

TEST(LiniaOrdres, NewInstanceArgumentsReadBackAsTheSameLogin)
{
    LiniaOrdres::Login l;
    l.usuario = "ana";
    l.empresa = "01";
    l.idioma = "Es";
    EXPECT_EQ(LiniaOrdres::ArgumentsNovaInstancia(l), " /i ana,01,Es,,");

    l.password = "clave";
    LiniaOrdres::Login nova;
    LiniaOrdres::Aplica("\"C:\\k.exe\"" + LiniaOrdres::ArgumentsNovaInstancia(l), nova);
    EXPECT_EQ(nova.usuario, "ana");
    EXPECT_EQ(nova.password, "clave");
    EXPECT_EQ(nova.autoLogin, 1);
}

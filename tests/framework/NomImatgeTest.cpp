#include "framework/controls/NomImatge.h"

#include <gtest/gtest.h>

using Win::NomImatge;
using Classe = Win::NomImatge::Classe;

TEST(NomImatge, NamesAreClassified)
{
    const std::string dir = "C:\\korvu\\bitmaps\\";
    const struct {
        std::string nom;
        Classe classe;
        unsigned numero;
        std::string cami;
    } table[] = {
        {"", Classe::Cap, 0, ""},
        {"0", Classe::Cap, 0, ""},
        {"133", Classe::Imatge133, 133, ""},
        {"139", Classe::FonsText, 139, ""},
        {"247", Classe::Recurs, 247, ""},
        {"0133", Classe::Imatge133, 133, ""},
        {"70000", Classe::Recurs, 70000, ""},
        {"logo.bmp", Classe::Logo, 0, ""},
        // Only a name of digits is a number.
        {"1.jpg", Classe::Fitxer, 0, dir + "1.jpg"},
        {"12a", Classe::Carpeta, 0, dir + "12a"},
        {"00", Classe::Carpeta, 0, dir + "00"},
        {"foto.gif", Classe::Fitxer, 0, dir + "foto.gif"},
        {"LOGO.BMP", Classe::Fitxer, 0, dir + "LOGO.BMP"},
        {"D:\\fotos\\a.jpg", Classe::Fitxer, 0, "D:\\fotos\\a.jpg"},
        {"diapos", Classe::Carpeta, 0, dir + "diapos"},
        // A folder is told by its last component, not by a "." elsewhere on the path.
        {"D:\\v1.2\\diapos", Classe::Carpeta, 0, "D:\\v1.2\\diapos"},
        {"sub.d\\fotos", Classe::Carpeta, 0, dir + "sub.d\\fotos"},
        {"D:/v1.2/x.bmp", Classe::Fitxer, 0, "D:/v1.2/x.bmp"},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.nom);
        const NomImatge n = NomImatge::Classifica(row.nom, dir);
        EXPECT_EQ(n.classe, row.classe);
        EXPECT_EQ(n.numero, row.numero);
        EXPECT_EQ(n.cami, row.cami);
    }
    // A name from the server is bounded before it is used.
    const NomImatge llarg = NomImatge::Classifica("D:\\" + std::string(1000, 'a') + ".bmp", dir);
    EXPECT_EQ(llarg.cami.size(), NomImatge::kMaxNom);
    EXPECT_EQ(llarg.classe, Classe::Carpeta) << "its extension was cut away";
}

TEST(NomImatge, SlideFromTheClock)
{
    EXPECT_EQ(NomImatge::Diapositiva(0, 3), 1);
    EXPECT_EQ(NomImatge::Diapositiva(3, 3), 1);
    EXPECT_EQ(NomImatge::Diapositiva(4, 3), 2);
    EXPECT_EQ(NomImatge::Diapositiva(9, 3), 3);
    EXPECT_EQ(NomImatge::Diapositiva(9, 1), 1);
    EXPECT_EQ(NomImatge::Diapositiva(5, 0), 0);
    for (int n = 1; n < 40; ++n)
        for (int d = 0; d < 10; ++d) {
            const int k = NomImatge::Diapositiva(d, n);
            EXPECT_GE(k, 1);
            EXPECT_LE(k, n);
        }
}

TEST(NomImatge, GaugeLevelAndClick)
{
    const struct {
        const char* valor;
        int alt;
        int nivell;
    } nivells[] = {{"25", 200, 50}, {"250", 200, 50}, {"5", 200, 10}, {"", 200, 0}, {"x9", 200, 0},
                   {"99", 101, 99}, {"-5", 100, -5}};
    for (const auto& n : nivells)
        EXPECT_EQ(NomImatge::NivellGauge(n.valor, n.alt), n.nivell) << n.valor;

    const struct {
        int y;
        int alt;
        int p;
    } clics[] = {{50, 200, 25}, {0, 200, 0}, {1, 200, 1}, {199, 200, 99}, {200, 200, 99}, {-3, 200, 0}, {5, 0, 0}};
    for (const auto& c : clics)
        EXPECT_EQ(NomImatge::PercentatgeClic(c.y, c.alt), c.p) << c.y << '/' << c.alt;
}

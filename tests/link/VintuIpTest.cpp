#include "link/VintuIp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(VintuIp, AddressAndPortSeparatedBySemicolons)
{
    struct Caso {
        std::string contingut;
        VintuIp::Resultat res;
        const char* adreca;
        int port;
    } casos[] = {
        {"127.0.0.1;8000", VintuIp::Correcte, "127.0.0.1", 8000},
        {"127.0.0.1;8000;", VintuIp::Correcte, "127.0.0.1", 8000},
        {"servidor.example;5000;\r\n", VintuIp::Correcte, "servidor.example", 5000},
        {"10.1.1.1;65535", VintuIp::Correcte, "10.1.1.1", 65535},
        {std::string(100, 'h') + ";1", VintuIp::Correcte, nullptr, 1},
        {"127.0.0.1", VintuIp::SensePort, nullptr, 0},
        {"127.0.0.1;", VintuIp::SensePort, nullptr, 0},
        {"127.0.0.1;;8000", VintuIp::SensePort, nullptr, 0},
        {"127.0.0.1;abc", VintuIp::SensePort, nullptr, 0},
        {"127.0.0.1;0", VintuIp::SensePort, nullptr, 0},
        {"127.0.0.1;65536", VintuIp::SensePort, nullptr, 0},
        {"127.0.0.1;-80", VintuIp::SensePort, nullptr, 0},
        {";8000", VintuIp::SenseAdreca, nullptr, 0},
        {"", VintuIp::SenseAdreca, nullptr, 0},
        {std::string(101, 'h') + ";1", VintuIp::SenseAdreca, nullptr, 0},
        {std::string("127.0\0.0.1;80", 13), VintuIp::SenseAdreca, nullptr, 0},
    };
    for (const Caso& c : casos) {
        std::string adreca = "abans";
        int port = -1;
        EXPECT_EQ(VintuIp::Interpreta(c.contingut.data(), c.contingut.size(), adreca, port), c.res)
            << c.contingut;
        if (c.res == VintuIp::Correcte) {
            if (c.adreca)
                EXPECT_EQ(adreca, c.adreca);
            else
                EXPECT_EQ(adreca, c.contingut.substr(0, c.contingut.find(';')));
            EXPECT_EQ(port, c.port);
        } else {
            EXPECT_EQ(adreca, "abans") << "nothing is taken from a refused answer";
            EXPECT_EQ(port, -1);
        }
    }
}

TEST(VintuIp, ReadsTheFileOrReportsItMissing)
{
    std::remove("vintuip");
    std::string adreca;
    int port = 0;
    EXPECT_EQ(VintuIp::LlegeixFitxer("vintuip", adreca, port), VintuIp::NoObert);

    std::FILE* f = std::fopen("vintuip", "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("192.0.2.7;6001;\n", f);
    std::fclose(f);
    EXPECT_EQ(VintuIp::LlegeixFitxer("vintuip", adreca, port), VintuIp::Correcte);
    EXPECT_EQ(adreca, "192.0.2.7");
    EXPECT_EQ(port, 6001);

    // A huge answer is read only as far as a sound one could reach.
    f = std::fopen("vintuip", "wb");
    ASSERT_NE(f, nullptr);
    for (int i = 0; i < 100000; ++i)
        std::fputc('a', f);
    std::fclose(f);
    EXPECT_EQ(VintuIp::LlegeixFitxer("vintuip", adreca, port), VintuIp::SenseAdreca);
    std::remove("vintuip");
}

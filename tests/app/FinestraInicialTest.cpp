#include "app/FinestraInicial.h"

#include <gtest/gtest.h>

TEST(FinestraInicial, SizeAndPlaceFollowTheScreenAndTheLogin)
{
    const struct {
        int cx, cy;
        bool autoLogin;
        FinestraInicial esperada;
    } casos[] = {
        {1280, 984, true, {120, 108, 1045, 768}},
        {1280, 984, false, {365, 332, 550, 320}},
        {1024, 738, true, {0, 0, 1024, 738}},
        {1024, 768, true, {0, 0, 1024, 768}},
        {1025, 769, true, {-7, 0, 1045, 768}},
        {500, 300, false, {-25, -10, 550, 320}},
    };
    for (const auto& c : casos) {
        const FinestraInicial f = FinestraInicial::Calcula(c.cx, c.cy, c.autoLogin);
        EXPECT_EQ(f.x, c.esperada.x) << c.cx << "x" << c.cy;
        EXPECT_EQ(f.y, c.esperada.y) << c.cx << "x" << c.cy;
        EXPECT_EQ(f.ample, c.esperada.ample) << c.cx << "x" << c.cy;
        EXPECT_EQ(f.alt, c.esperada.alt) << c.cx << "x" << c.cy;
    }
}

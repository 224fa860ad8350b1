// The entry of the tests that run the whole client: the one configuration is handed over as the
// program's start-up does, so that the window library and the link read what a test sets in it.
#include "app/Configuracio.h"

#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    testing::InitGoogleMock(&argc, argv);
    configuracio.EntregaAjustos();
    return RUN_ALL_TESTS();
}

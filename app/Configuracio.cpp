#include "app/Configuracio.h"

#include "framework/DispError.h"

#include <cstring>

Configuracio configuracio;

Configuracio::Configuracio() = default;

Configuracio::~Configuracio()
{
    if (logStream)
        std::fclose(logStream);
    if (recursos)
        FreeLibrary(recursos);
}

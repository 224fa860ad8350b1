#ifndef KORVU_TESTS_APP_CONFIGURACIOPROVA_H
#define KORVU_TESTS_APP_CONFIGURACIOPROVA_H

#include "app/Configuracio.h"

#include <cstring>

namespace prova {

// The client configured for the server on this machine, the dispatcher on `port`, with no
// frame log.
inline void ConfiguraServidor(int port)
{
    std::strcpy(configuracio.fitxerClaus, "crpt.cfg");
    configuracio.acceso_remoto = 0;
    configuracio.servidor_int = "127.0.0.1";
    configuracio.servidor_ext = "";
    configuracio.ipdin = "";
    configuracio.port = port;
    configuracio.tracaTrames = 0;
}

} // namespace prova

#endif

#ifndef KORVU_DOCUMENTS_IMPRESIODIRECTA_H
#define KORVU_DOCUMENTS_IMPRESIODIRECTA_H

#include "documents/GdiImpressio.h"
#include "documents/PlaImpresioDirecta.h"

#include <string>

// Prints a direct-print file (receipt, bar codes, cash drawer) on its printer through GDI.
class ImpresioDirecta {
public:
    // Never throws: a failure ends every started job, frees what it made and shows the error
    // box. true when the job was printed.
    static bool Imprimeix(const std::string& cami, GdiImpressio& gdi = GdiImpressio::Sistema());

    static const char kTextError[];

private:
    static bool Executa(const PlaImpresioDirecta& pla, GdiImpressio& gdi);
};

#endif

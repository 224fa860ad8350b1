// The view's printing operations: thin calls into the printing classes.
#include "screens/Vista.h"

#include "documents/ImpresioDirecta.h"
#include "documents/ImpresioRaw.h"

void Vista::ImpresionDirecta(const std::string& fichero)
{
    ImpresioDirecta::Imprimeix(fichero);
}

void Vista::ImpresionRaw(const std::string& fichero)
{
    ImpresioRaw::Imprimeix(fichero);
}

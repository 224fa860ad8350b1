#include "screens/Llancador.h"

#include "app/Configuracio.h"
#include "framework/Proces.h"

bool PerLlancador()
{
    return configuracio.so == 2;
}

bool IniciaVisor(const std::string& programa, const std::string& ruta)
{
    return Win::Proces::Inicia(programa, "1 " + Win::Proces::Cita(ruta));
}

bool LlancaDocument(const std::string& ruta)
{
    return IniciaVisor(kLlancador, ruta);
}

bool LlancaAjuda(const std::string& desti)
{
    return Win::Proces::Inicia(kLlancador, std::string(kLlancador) + " 2 " + Win::Proces::Cita(desti));
}

bool LlancaNovaInstancia(const std::string& arguments)
{
    // The same arguments as a new instance started by the shell gets (they begin with a blank).
    return Win::Proces::Inicia(kLlancador, std::string(kLlancador) + " 3" + arguments);
}

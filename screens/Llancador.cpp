#include "screens/Llancador.h"

#include "framework/Proces.h"

bool Llanca(const std::string& mode, const std::string& argument)
{
    return Win::Proces::Inicia(kLlancador, std::string(kLlancador) + " " + mode + " " + Win::Proces::Cita(argument));
}

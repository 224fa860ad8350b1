#include "screens/Vista.h"

// Stands in until the listing paging of the keyboard commands lands; it replaces this file.
void Vista::PaginaListado(int)
{
}

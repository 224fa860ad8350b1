#include "screens/EscriptorLinies.h"

EscriptorLinies::EscriptorLinies(DestiBytes& desti, std::size_t bloc) : desti_(desti), bloc_(bloc)
{
    pendent_.reserve(bloc_ + 256);
}

void EscriptorLinies::Escriu(std::string_view linia)
{
    pendent_.append(linia.data(), linia.size());
    pendent_ += "\r\n";
    if (pendent_.size() >= bloc_)
        Buida();
}

void EscriptorLinies::Buida()
{
    if (pendent_.empty())
        return;
    desti_.Escriu(pendent_.data(), pendent_.size());
    pendent_.clear();
}

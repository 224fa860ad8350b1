#include "framework/EliminacioDiferida.h"

#include <utility>
#include <vector>

namespace Win {

namespace {

int profunditat = 0;

std::vector<std::shared_ptr<void>>& Cua()
{
    static std::vector<std::shared_ptr<void>> cua;
    return cua;
}

} // namespace

void EliminacioDiferida::Elimina(std::shared_ptr<void> objecte)
{
    if (profunditat > 0)
        Cua().push_back(std::move(objecte));
}

bool EliminacioDiferida::DinsManejador()
{
    return profunditat > 0;
}

int EliminacioDiferida::Pendents()
{
    return static_cast<int>(Cua().size());
}

EliminacioDiferida::Manejador::Manejador()
{
    ++profunditat;
}

EliminacioDiferida::Manejador::~Manejador()
{
    if (--profunditat > 0)
        return;
    // Freeing may run handlers of its own (a destroyed window's last messages): they may queue
    // more, which this loop frees too.
    while (!Cua().empty()) {
        std::vector<std::shared_ptr<void>> ara;
        ara.swap(Cua());
        ++profunditat;
        ara.clear();
        --profunditat;
    }
}

} // namespace Win

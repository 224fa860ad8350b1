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

std::vector<HWND>& Finestres()
{
    static std::vector<HWND> finestres;
    return finestres;
}

} // namespace

void EliminacioDiferida::Destrueix(HWND finestra)
{
    if (profunditat == 0) {
        DestroyWindow(finestra);
        return;
    }
    for (HWND f : Finestres()) {
        if (f == finestra)
            return;
    }
    Finestres().push_back(finestra);
}

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
    // Freeing and destroying run handlers of their own (a destroyed window's last messages):
    // they may queue more, which this loop handles too.
    while (!Cua().empty() || !Finestres().empty()) {
        std::vector<std::shared_ptr<void>> ara;
        ara.swap(Cua());
        std::vector<HWND> finestres;
        finestres.swap(Finestres());
        ++profunditat;
        ara.clear();
        for (HWND f : finestres) {
            // Gone meanwhile (a handler of its own destroyed it): nothing to do.
            if (IsWindow(f))
                DestroyWindow(f);
        }
        --profunditat;
    }
}

} // namespace Win

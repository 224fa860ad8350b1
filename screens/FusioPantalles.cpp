#include "screens/FusioPantalles.h"

namespace {

constexpr std::size_t kClauSerie = 12;
constexpr std::size_t kClauIdioma = 2;

} // namespace

FusioPantalles::FusioPantalles(int mode, std::string_view clau, LectorLinies* antic, EscriptorLinies& nou)
    : mode_(mode), clau_(clau.substr(0, mode == 2 ? kClauIdioma : kClauSerie)), antic_(antic), nou_(nou)
{
}

bool FusioPantalles::EsDeLaClau(std::string_view linia) const
{
    return linia.substr(0, mode_ == 2 ? kClauIdioma : kClauSerie) == clau_;
}

void FusioPantalles::Inici()
{
    if (mode_ == 2 || !antic_)
        return;
    std::string_view linia;
    bool dinsSerie = false;
    while (antic_->Seguent(linia)) {
        if (EsDeLaClau(linia)) {
            dinsSerie = true;
            break;
        }
        nou_.Escriu(linia);
    }
    if (!dinsSerie)
        return;
    while (antic_->Seguent(linia)) {
        if (!EsDeLaClau(linia)) {
            retinguda_ = std::string(linia);
            teRetinguda_ = true;
            return;
        }
    }
}

void FusioPantalles::Afegeix(std::string_view linia)
{
    nou_.Escriu(linia);
}

void FusioPantalles::Final()
{
    if (!antic_)
        return;
    std::string_view linia;
    if (mode_ == 2) {
        while (antic_->Seguent(linia)) {
            if (!EsDeLaClau(linia))
                nou_.Escriu(linia);
        }
        return;
    }
    if (teRetinguda_) {
        nou_.Escriu(retinguda_);
        teRetinguda_ = false;
    }
    while (antic_->Seguent(linia))
        nou_.Escriu(linia);
}

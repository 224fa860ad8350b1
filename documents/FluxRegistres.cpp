#include "documents/FluxRegistres.h"

#include <fstream>
#include <iterator>

std::string FluxRegistres::MarcaRetorns(std::string text)
{
    std::size_t p = text.find('\r');
    if (p == 0)
        return text;
    while (p != std::string::npos) {
        const std::size_t n = p + 1 < text.size() ? 2 : 1;
        text.replace(p, n, "**");
        p = text.find('\r', p + 2);
    }
    return text;
}

std::string_view FluxRegistres::Fins(char delimitador, std::size_t max)
{
    const std::size_t inici = pos_;
    while (pos_ - inici < max) {
        if (pos_ == dades_.size()) {
            fi_ = true;
            break;
        }
        if (dades_[pos_] == delimitador)
            break;
        ++pos_;
    }
    return dades_.substr(inici, pos_ - inici);
}

bool FluxRegistres::Linia(char delimitador, std::size_t max, std::string_view& text)
{
    text = Fins(delimitador, max);
    if (pos_ < dades_.size() && dades_[pos_] == delimitador) {
        ++pos_;
        return true;
    }
    if (pos_ == dades_.size())
        fi_ = true;
    return false;
}

int FluxRegistres::Byte()
{
    if (pos_ == dades_.size()) {
        fi_ = true;
        return -1;
    }
    return static_cast<unsigned char>(dades_[pos_++]);
}

bool FluxRegistres::LlegeixFitxer(const std::string& cami, std::string& dades)
{
    std::ifstream f(cami, std::ios::binary);
    if (!f)
        return false;
    dades.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !f.bad();
}

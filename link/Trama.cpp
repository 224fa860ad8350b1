#include "link/Trama.h"

#include <climits>
#include <cstring>

namespace Trama {

bool TeRegistre(const char* text)
{
    return std::memchr(text, '\0', kIniciRegistre) == nullptr;
}

const char* Registre(const char* text)
{
    return TeRegistre(text) ? text + kIniciRegistre : "";
}

int CodigoOrden(const char* text)
{
    const char c = text[3];
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c == 'z')
        return 10;
    if (c == 'A')
        return 11;
    return 0;
}

std::string IdPantalla(const char* text)
{
    std::string id;
    for (int i = 21; i <= 35 && text[i] != '\0'; ++i)
        id += text[i];
    return id;
}

int NumeroCabecera(const char* text)
{
    return static_cast<int>(LlegeixEnter(text + 36, 8));
}

long LlegeixEnter(const char* s, int max)
{
    int i = 0;
    auto dins = [&] { return (max < 0 || i < max) && s[i] != '\0'; };
    while (dins() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    bool negatiu = false;
    if (dins() && (s[i] == '+' || s[i] == '-')) {
        negatiu = s[i] == '-';
        ++i;
    }
    long valor = 0;
    while (dins() && s[i] >= '0' && s[i] <= '9') {
        const int d = s[i] - '0';
        if (valor > (LONG_MAX - d) / 10)
            valor = LONG_MAX;
        else
            valor = valor * 10 + d;
        ++i;
    }
    return negatiu ? -valor : valor;
}

} // namespace Trama

#include "link/Camps.h"

#include "framework/DispError.h"
#include "link/Trama.h"

#include <cstring>

namespace {

constexpr char kSeparador = static_cast<char>(Trama::kSeparador);

// Start of field n, or null when the record has fewer than n fields (or n is below 1).
const char* IniciCamp(const char* record, int n)
{
    if (n < 1)
        return nullptr;
    int comptador = 1;
    const char* p = record;
    while (*p != '\0') {
        if (comptador == n)
            return p;
        if (*p == kSeparador)
            ++comptador;
        ++p;
    }
    return comptador == n ? p : nullptr;
}

std::size_t LongitudCamp(const char* inici)
{
    std::size_t len = 0;
    while (inici[len] != '\0' && inici[len] != kSeparador)
        ++len;
    return len;
}

} // namespace

void CopyBytes(const char* source, char* destination, int n, int terminate)
{
    int i = 0;
    while (i < n && source[i] != '\0') {
        destination[i] = source[i];
        ++i;
    }
    if (terminate == 1)
        destination[i] = '\0';
}

void GetField(const char* record, char* out, int n, int mode, int width, std::size_t capacity)
{
    const char* inici = IniciCamp(record, n);
    if (!inici)
        throw DispError("Error #ref 019, probable error en la definición de pantalla, falta un campo");
    std::size_t len = LongitudCamp(inici);
    if (mode == 1) {
        if (capacity == 0)
            return;
        if (len > capacity - 1)
            len = capacity - 1;
        std::memcpy(out, inici, len);
        out[len] = '\0';
        return;
    }
    if (len > capacity)
        len = capacity;
    std::memcpy(out, inici, len);
    if (mode == 2 && width > 0) {
        std::size_t fins = static_cast<std::size_t>(width);
        if (fins > capacity)
            fins = capacity;
        for (std::size_t i = len; i < fins; ++i)
            out[i] = ' ';
    }
}

void GetCodedField(const char* record, char* text, char* code, int n, std::size_t capacity)
{
    const char* inici = IniciCamp(record, n);
    if (!inici)
        throw DispError("Error #ref 018, probable error en la definición de pantalla, falta un campo");
    std::size_t len = LongitudCamp(inici);
    code[0] = len > 0 ? inici[0] : '\0';
    code[1] = len > 1 ? inici[1] : '\0';
    if (capacity == 0)
        return;
    std::size_t resta = len > 2 ? len - 2 : 0;
    if (resta > capacity - 1)
        resta = capacity - 1;
    std::memcpy(text, inici + 2, resta);
    text[resta] = '\0';
}

void ReplaceField(const char* source, char* destination, int n, int m, std::size_t capacity)
{
    // Field n of the source, or its end when it has fewer fields.
    const char* font = source;
    for (int comptador = 1; comptador < n && *font != '\0'; ++font) {
        if (*font == kSeparador)
            ++comptador;
    }
    std::size_t nou = LongitudCamp(font);

    char* inici = const_cast<char*>(IniciCamp(destination, m));
    if (!inici)
        return;
    const std::size_t abans = static_cast<std::size_t>(inici - destination);
    const std::size_t vell = LongitudCamp(inici);
    const std::size_t cua = std::strlen(inici + vell) + 1;  // separator, later fields and NUL
    if (abans + vell + cua > capacity)
        return;  // the record already overflows its room: nothing sound can be written
    if (abans + nou + cua > capacity)
        nou = capacity - abans - cua;
    std::memmove(inici + nou, inici + vell, cua);
    std::memcpy(inici, font, nou);
}

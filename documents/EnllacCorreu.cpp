#include "documents/EnllacCorreu.h"

#include <algorithm>

namespace EnllacCorreu {

Parts Separa(const std::string& camp)
{
    Parts p;
    std::string* desti[] = {&p.destinatari, &p.assumpte, &p.cos};
    const std::size_t limit[] = {kMaxDestinatari, kMaxAssumpte, kMaxCos};
    std::size_t pos = 0;
    for (int i = 0; i < 3 && pos <= camp.size(); ++i) {
        std::size_t fi = camp.find('|', pos);
        if (fi == std::string::npos)
            fi = camp.size();
        *desti[i] = camp.substr(pos, std::min(fi - pos, limit[i]));
        pos = fi + 1;
    }
    return p;
}

std::string Codifica(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == ' ' || c == '%' || c == '&' || c == '#' || c == '?') {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

std::string Enllac(const std::string& camp)
{
    const Parts p = Separa(camp);
    return "mailto:" + Codifica(p.destinatari) + "?subject=" + Codifica(p.assumpte) + "&body=" +
           Codifica(p.cos);
}

} // namespace EnllacCorreu

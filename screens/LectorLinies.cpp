#include "screens/LectorLinies.h"

#include <cstdint>
#include <cstring>

namespace {

// First LF in [p, fi), or fi. Four bytes at a time: the library's byte search is slow on some
// runtimes, and the search for a screen looks at every byte of the file ahead of it.
const char* CercaLf(const char* p, const char* fi)
{
    while (p < fi && (reinterpret_cast<std::uintptr_t>(p) & 3) != 0) {
        if (*p == '\n')
            return p;
        ++p;
    }
    while (fi - p >= 8) {
        std::uint32_t a, b;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + 4, 4);
        a ^= 0x0A0A0A0Au;
        b ^= 0x0A0A0A0Au;
        if (((a - 0x01010101u) & ~a & 0x80808080u) | ((b - 0x01010101u) & ~b & 0x80808080u))
            break;
        p += 8;
    }
    while (p < fi && *p != '\n')
        ++p;
    return p;
}

} // namespace

LectorLinies::LectorLinies(FontBytes& font, std::size_t bloc) : font_(font), buffer_(bloc < 16 ? 16 : bloc)
{
}

bool LectorLinies::Omple()
{
    if (esgotada_)
        return false;
    if (inici_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + inici_, fi_ - inici_);
        fi_ -= inici_;
        inici_ = 0;
    }
    // A line longer than the buffer makes it grow: no line is ever cut.
    if (fi_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    const std::size_t n = font_.Llegeix(buffer_.data() + fi_, buffer_.size() - fi_);
    if (n == 0) {
        esgotada_ = true;
        return false;
    }
    fi_ += n;
    return true;
}

bool LectorLinies::Seguent(std::string_view& linia)
{
    for (;;) {
        const char* inici = buffer_.data() + inici_;
        const char* fi = buffer_.data() + fi_;
        const char* lf = CercaLf(inici + mirat_, fi);
        std::size_t len;
        if (lf != fi) {
            len = static_cast<std::size_t>(lf - inici);
            inici_ += len + 1;
        } else {
            mirat_ = fi_ - inici_;
            if (Omple())
                continue;
            if (inici_ == fi_)
                return false;
            inici = buffer_.data() + inici_;
            len = fi_ - inici_;
            inici_ = fi_;
        }
        mirat_ = 0;
        if (len > 0 && inici[len - 1] == '\r')
            --len;
        linia = std::string_view(inici, len);
        return true;
    }
}

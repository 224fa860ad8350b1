#include "screens/LectorLinies.h"

#include <cstdint>
#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#define KORVU_LF_SSE2 1
#endif

namespace {

// The search for a screen looks at every byte of the file ahead of it, so finding the line
// ends is the loader's main cost: lines of the usual width are taken whole in runs (below),
// others searched 16 bytes at a time where the processor can, else 4.

const char* CercaLfParaules(const char* p, const char* fi)
{
    while (fi - p >= 4) {
        std::uint32_t a;
        std::memcpy(&a, p, 4);
        a ^= 0x0A0A0A0Au;
        if ((a - 0x01010101u) & ~a & 0x80808080u)
            break;
        p += 4;
    }
    while (p < fi && *p != '\n')
        ++p;
    return p;
}

#ifdef KORVU_LF_SSE2
__attribute__((target("sse2"))) const char* CercaLfSse2(const char* p, const char* fi)
{
    const __m128i lf = _mm_set1_epi8('\n');
    while (fi - p >= 16) {
        const int m = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), lf));
        if (m != 0)
            return p + __builtin_ctz(static_cast<unsigned>(m));
        p += 16;
    }
    return CercaLfParaules(p, fi);
}

__attribute__((target("sse2"))) inline __m128i SonLf(const char* p, __m128i lf)
{
    return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), lf);
}

// LFs in [p, p + n): byte lanes count up to 255 each (four sets of them, 64 bytes a step),
// then the lanes are summed.
__attribute__((target("sse2"))) std::size_t CompteLfSse2(const char* p, std::size_t n)
{
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i zero = _mm_setzero_si128();
    std::size_t total = 0;
    std::size_t i = 0;
    for (std::size_t passos = n / 64; passos > 0;) {
        const std::size_t tanda = passos < 255 ? passos : 255;
        passos -= tanda;
        __m128i a = zero, b = zero, c = zero, d = zero;
        for (const char* q = p + i, *fi = p + i + tanda * 64; q != fi; q += 64) {
            a = _mm_sub_epi8(a, SonLf(q, lf));
            b = _mm_sub_epi8(b, SonLf(q + 16, lf));
            c = _mm_sub_epi8(c, SonLf(q + 32, lf));
            d = _mm_sub_epi8(d, SonLf(q + 48, lf));
        }
        i += tanda * 64;
        const __m128i sumes = _mm_add_epi64(_mm_add_epi64(_mm_sad_epu8(a, zero), _mm_sad_epu8(b, zero)),
                                            _mm_add_epi64(_mm_sad_epu8(c, zero), _mm_sad_epu8(d, zero)));
        total += static_cast<std::size_t>(_mm_cvtsi128_si32(sumes))
                 + static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sumes, 8)));
    }
    for (; i < n; ++i)
        total += p[i] == '\n';
    return total;
}

const bool kSse2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("sse2") != 0;
}();
#endif

// First LF in [p, fi), or fi.
const char* CercaLf(const char* p, const char* fi)
{
#ifdef KORVU_LF_SSE2
    if (kSse2)
        return CercaLfSse2(p, fi);
#endif
    return CercaLfParaules(p, fi);
}

constexpr std::size_t kContingut = 131;
constexpr std::size_t kLiniaDisc = kContingut + 2;  // and CR LF

// How many lines of the usual width (131 characters, CR LF) follow one another from p, all
// whole before fi. Their ends are where expected; the count of every LF among them proves
// that none hides a shorter line.
std::size_t LiniesRegulars(const char* p, const char* fi, bool& provades)
{
    provades = false;
    std::size_t k = 0;
    while (static_cast<std::size_t>(fi - p) >= (k + 1) * kLiniaDisc && p[k * kLiniaDisc + kContingut] == '\r'
           && p[k * kLiniaDisc + kContingut + 1] == '\n')
        ++k;
    if (k < 2)
        return 0;
    provades = true;
#ifdef KORVU_LF_SSE2
    if (kSse2 && CompteLfSse2(p, k * kLiniaDisc) == k)
        return k;
#endif
    return 0;
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
    if (regulars_ == 0 && mirat_ == 0) {
        if (senseProva_ > 0) {
            --senseProva_;
        } else {
            bool provades;
            regulars_ = LiniesRegulars(buffer_.data() + inici_, buffer_.data() + fi_, provades);
            // Lines that failed the proof are not tried again one by one.
            if (provades && regulars_ == 0)
                senseProva_ = 64;
        }
    }
    if (regulars_ > 0) {
        --regulars_;
        linia = std::string_view(buffer_.data() + inici_, kContingut);
        inici_ += kLiniaDisc;
        return true;
    }
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

bool LectorLinies::CercaInici(std::string_view inici, std::string_view& linia, int& saltades)
{
    // The first two words of the prefix weed out most lines without a call.
    std::uint32_t primer[2] = {};
    const bool ambParaula = inici.size() >= 8 && inici.size() <= kContingut;
    if (ambParaula)
        std::memcpy(primer, inici.data(), 8);
    for (;;) {
        while (regulars_ > 0 && ambParaula) {
            const char* p = buffer_.data() + inici_;
            std::uint32_t paraula[2];
            std::memcpy(paraula, p, 8);
            --regulars_;
            inici_ += kLiniaDisc;
            if (paraula[0] == primer[0] && paraula[1] == primer[1]
                && std::memcmp(p, inici.data(), inici.size()) == 0) {
                linia = std::string_view(p, kContingut);
                return true;
            }
            ++saltades;
        }
        if (!Seguent(linia))
            return false;
        if (linia.size() >= inici.size() && linia.compare(0, inici.size(), inici) == 0)
            return true;
        ++saltades;
    }
}

// The RTF export's file side: the document goes to a new file that takes the target's place
// only once it is whole.
#include "documents/ExportaRtf.h"

#include "documents/FitxerNou.h"
#include "documents/FluxRegistres.h"

#include <ostream>
#include <streambuf>

namespace {

// The stream's bytes straight into the new file, which gathers them itself.
class BufferFitxerNou : public std::streambuf {
public:
    explicit BufferFitxerNou(FitxerNou& fitxer) : fitxer_(fitxer) {}

protected:
    std::streamsize xsputn(const char* bytes, std::streamsize n) override
    {
        return fitxer_.Escriu(bytes, static_cast<DWORD>(n)) ? n : 0;
    }

    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return fitxer_.Escriu(&byte, 1) ? c : traits_type::eof();
    }

private:
    FitxerNou& fitxer_;
};

} // namespace

bool ExportaRtf(const std::string& cami, std::string& camiRtf)
{
    camiRtf = NomDocumentRtf(cami);
    std::string llistat;
    if (!FluxRegistres::LlegeixFitxer(cami, llistat))
        return false;

    FitxerNou fitxer(camiRtf);
    if (!fitxer.Obre())
        return false;
    BufferFitxerNou buffer(fitxer);
    std::ostream sortida(&buffer);
    return EscriuRtf(llistat, sortida) && sortida.flush() && fitxer.Confirma(false);
}

#include "documents/Transferencia.h"

#include "app/Configuracio.h"
#include "documents/BlocsFitxer.h"
#include "documents/DialegFitxer.h"
#include "documents/FitxerNou.h"
#include "documents/NomSimple.h"
#include "documents/OrdresDocument.h"
#include "framework/DispError.h"
#include "framework/ErrorBox.h"
#include "link/Camps.h"
#include "link/Comunicador.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const char kErrorRebent[] = "Error interno:\nVista.RecibirFichero";
const char kErrorEnviant[] = "Error #ref 027, error enviando datos";

struct SortidaFitxer : BlocsFitxer::Sortida {
    FitxerNou& fitxer;
    explicit SortidaFitxer(FitxerNou& f) : fitxer(f) {}
    bool Escriu(const unsigned char* b, std::size_t n) override
    {
        return fitxer.Escriu(b, static_cast<DWORD>(n));
    }
};

// A file being sent, read in large pieces and handed out a chunk at a time. A read that
// fails throws: the file must not reach the server cut short with the end mark.
class Lectura {
public:
    Lectura(const std::string& ruta, Transferencia::Llegidor llegeix)
        : h(CreateFileA(ruta.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr)),
          llegeix_(llegeix)
    {
    }
    ~Lectura()
    {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    Lectura(const Lectura&) = delete;
    Lectura& operator=(const Lectura&) = delete;

    // Up to one chunk of the file; 0 at its end.
    DWORD Tros(unsigned char* tros)
    {
        DWORD n = 0;
        while (n < BlocsFitxer::kMidaTros) {
            if (pos_ == mida_) {
                pos_ = mida_ = 0;
                if (!fi_ && !llegeix_(h, buffer_, sizeof buffer_, &mida_, nullptr))
                    throw DispError(kErrorEnviant);
                if (fi_ || mida_ == 0) {
                    fi_ = true;
                    break;
                }
            }
            const DWORD k = std::min<DWORD>(BlocsFitxer::kMidaTros - n, mida_ - pos_);
            std::memcpy(tros + n, buffer_ + pos_, k);
            pos_ += k;
            n += k;
        }
        return n;
    }

    HANDLE h;

private:
    Transferencia::Llegidor llegeix_;
    unsigned char buffer_[64 * 1024];
    DWORD mida_ = 0;
    DWORD pos_ = 0;
    bool fi_ = false;
};

} // namespace

std::string Transferencia::Camp(const Comunicador& com, int n)
{
    if (!Trama::TeRegistre(com.trama))
        return std::string();
    // Room for the whole frame: a field is never cut here, its user bounds it.
    std::vector<char> text(Trama::kMidaText, '\0');
    char codi[2];
    GetCodedField(com.trama + Trama::kIniciRegistre, text.data(), codi, n, text.size());
    return text.data();
}

bool Transferencia::Rep(FitxerNou& fitxer, bool substitueixLectura)
{
    try {
        SortidaFitxer sortida(fitxer);
        for (;;) {
            com_.Transmit(2, 0);
            const std::size_t mida = static_cast<std::size_t>(com_.longitudTrama - Trama::kCapcalera);
            const BlocsFitxer::Resultat r = BlocsFitxer::DescodificaBloc(
                reinterpret_cast<const unsigned char*>(com_.trama), mida, sortida);
            bool be = r == BlocsFitxer::Continua || r == BlocsFitxer::Fi;
            if (be && r == BlocsFitxer::Fi)
                be = fitxer.Confirma(substitueixLectura);
            if (!be) {
                com_.Transmit(10, 0);
                Win::ErrorBox::Show(kErrorRebent);
                return false;
            }
            com_.Transmit(3, 0);
            if (r == BlocsFitxer::Fi)
                return true;
        }
    } catch (...) {
        Win::ErrorBox::Show(kErrorRebent);
        return false;
    }
}

void Transferencia::Envia(Llegidor llegeix)
{
    const std::string nom = Camp(com_, 1);
    std::string ruta;
    if (nom.find('*') == std::string::npos) {
        if (!NomSimple::EsNomSimple(nom)) {
            com_.Transmit(4, 0);
            return;
        }
        ruta = configuracio.DirDocuments() + nom;
    } else if (nom.size() >= MAX_PATH ||
               !DialegFitxer::Obre(finestra_, nom, configuracio.DirImport(), ruta)) {
        com_.Transmit(4, 0);
        return;
    }
    if (OrdresDocument::DocumentoEnUso(ruta)) {
        com_.Transmit(4, 0);
        return;
    }
    std::unique_ptr<Lectura> fitxer = std::make_unique<Lectura>(ruta, llegeix);
    if (fitxer->h == INVALID_HANDLE_VALUE) {
        com_.Transmit(4, 0);
        return;
    }

    // One chunk is read ahead: a block is sent only while the file goes on after it.
    std::string bloc;
    bloc.reserve(BlocsFitxer::kMaxBloc);
    unsigned char trossos[2][BlocsFitxer::kMidaTros];
    int actual = 0;
    DWORD llegits = fitxer->Tros(trossos[actual]);
    while (llegits > 0) {
        BlocsFitxer::CodificaTros(trossos[actual], llegits, bloc);
        actual = 1 - actual;
        llegits = fitxer->Tros(trossos[actual]);
        if (llegits > 0 && bloc.size() > BlocsFitxer::kLlindarBloc) {
            std::memcpy(com_.trama, bloc.data(), bloc.size());
            try {
                com_.Transmit(0, static_cast<int>(bloc.size()));
            } catch (const DispError&) {
                return;  // the link has failed: the exchange ends on its next wait
            }
            bloc.clear();
            if (com_.estat == Comunicador::kFallada || com_.trama[0] != '0')
                return;
        }
    }
    bloc += static_cast<char>(BlocsFitxer::kFi);
    std::memcpy(com_.trama, bloc.data(), bloc.size());
    try {
        com_.Transmit(1, static_cast<int>(bloc.size()));
    } catch (...) {
        throw DispError(kErrorEnviant);
    }
    if (com_.estat == Comunicador::kFallada)
        throw DispError(kErrorEnviant);
}

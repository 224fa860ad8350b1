#include "documents/FitxerNou.h"

#include "documents/NomSimple.h"

#include <utility>

namespace {

// The new file's name is its target's with this added. The ".." in it is refused in every name
// the server sends and every name the client saves under, so a file of this shape can only be
// one of the client's own: the purge takes no other.
const char kSufix[] = "..~kv";
constexpr std::size_t kMidaSufix = sizeof kSufix - 1;

bool EsTemporal(const std::string& nom)
{
    return nom.size() > kMidaSufix && nom.compare(nom.size() - kMidaSufix, kMidaSufix, kSufix) == 0;
}

// A target under a name of the new files' shape would be taken for a leftover and purged: such
// a name is refused, as a name the system cannot take is.
bool NomAdmes(const std::string& desti)
{
    if (!EsTemporal(NomSimple::NomDeRuta(desti)))
        return true;
    SetLastError(ERROR_INVALID_NAME);
    return false;
}

// Whether two paths name one file (by its volume and index, so that case, short names and
// links do not hide it).
bool MateixFitxer(const std::string& a, const std::string& b)
{
    BY_HANDLE_FILE_INFORMATION info[2];
    const std::string* rutes[] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        const HANDLE h = CreateFileA(rutes[i]->c_str(), 0,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        const BOOL be = GetFileInformationByHandle(h, &info[i]);
        CloseHandle(h);
        if (!be)
            return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh &&
           info[0].nFileIndexLow == info[1].nFileIndexLow;
}

// The new files that transfers cut off with the program left in the folder of `desti`. One that
// another transfer is writing cannot be deleted (it is open without delete sharing) and stays.
void EsborraRestos(const std::string& desti)
{
    const std::size_t barra = desti.find_last_of("\\/");
    const std::string carpeta = barra == std::string::npos ? std::string() : desti.substr(0, barra + 1);
    WIN32_FIND_DATAA dades;
    const HANDLE h = FindFirstFileA((carpeta + "*" + kSufix).c_str(), &dades);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        // The pattern may match a short name too: the long one is what counts.
        const std::string nom = dades.cFileName;
        if ((dades.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !EsTemporal(nom))
            continue;
        const std::string resto = carpeta + nom;
        // A copy of a read-only source is left read-only.
        if (dades.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesA(resto.c_str(), dades.dwFileAttributes & ~FILE_ATTRIBUTE_READONLY);
        if (!DeleteFileA(resto.c_str()) && (dades.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
            SetFileAttributesA(resto.c_str(), dades.dwFileAttributes);
    } while (FindNextFileA(h, &dades));
    FindClose(h);
}

// Whether the file at ruta could be replaced now. Another program that holds it open without
// sharing its deletion (an editor showing it, say) would make the rename over it fail, and only
// after the whole file had come.
bool EsPotSubstituir(const std::string& ruta)
{
    const HANDLE h = CreateFileA(ruta.c_str(), DELETE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    // A target that is missing, or read-only, is for Confirma to judge.
    const DWORD error = GetLastError();
    return error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION;
}

} // namespace

FitxerNou::FitxerNou(std::string desti) : desti_(std::move(desti)) {}

bool FitxerNou::Copia(const std::string& font, const std::string& desti)
{
    const std::string temporal = desti + kSufix;
    if (temporal.size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    if (!NomAdmes(desti))
        return false;
    EsborraRestos(desti);
    const DWORD atributs = GetFileAttributesA(desti.c_str());
    if ((atributs != INVALID_FILE_ATTRIBUTES &&
         (atributs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) ||
        MateixFitxer(font, desti)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    if (CopyFileA(font.c_str(), temporal.c_str(), FALSE) &&
        MoveFileExA(temporal.c_str(), desti.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    const DWORD error = GetLastError();
    // The copy takes the source's attributes: a read-only one must be cleared to go.
    SetFileAttributesA(temporal.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temporal.c_str());
    SetLastError(error);
    return false;
}

FitxerNou::~FitxerNou()
{
    Descarta();
}

bool FitxerNou::Obre()
{
    Descarta();
    // Beside the target, so that the rename stays on its volume.
    const std::string temporal = desti_ + kSufix;
    if (temporal.size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    if (!NomAdmes(desti_))
        return false;
    EsborraRestos(desti_);
    if (!EsPotSubstituir(desti_)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return false;
    }
    temporal_ = temporal;
    pendent_.clear();
    fallat_ = false;
    h_ = CreateFileA(temporal_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
    return h_ != INVALID_HANDLE_VALUE;
}

bool FitxerNou::Escriu(const void* bytes, DWORD n)
{
    if (h_ == INVALID_HANDLE_VALUE || fallat_)
        return false;
    // Small pieces gather in the buffer: one system write for many of them.
    if (pendent_.size() + n > kMidaBuffer && !Buida())
        return false;
    if (n >= kMidaBuffer) {
        DWORD escrits = 0;
        fallat_ = !WriteFile(h_, bytes, n, &escrits, nullptr) || escrits != n;
        return !fallat_;
    }
    pendent_.append(static_cast<const char*>(bytes), n);
    return true;
}

bool FitxerNou::Buida()
{
    if (!pendent_.empty()) {
        DWORD escrits = 0;
        const DWORD n = static_cast<DWORD>(pendent_.size());
        fallat_ = !WriteFile(h_, pendent_.data(), n, &escrits, nullptr) || escrits != n;
        pendent_.clear();
    }
    return !fallat_;
}

bool FitxerNou::Confirma(bool substitueixLectura)
{
    if (h_ == INVALID_HANDLE_VALUE)
        return false;
    const bool escrit = Buida();
    const bool tancat = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    if (!escrit || !tancat)
        return false;
    const DWORD atributs = GetFileAttributesA(desti_.c_str());
    if (atributs != INVALID_FILE_ATTRIBUTES && (atributs & FILE_ATTRIBUTE_READONLY)) {
        if (!substitueixLectura)
            return false;
        SetFileAttributesA(desti_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    if (!MoveFileExA(temporal_.c_str(), desti_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        // The earlier file keeps the mark it had.
        if (atributs != INVALID_FILE_ATTRIBUTES && (atributs & FILE_ATTRIBUTE_READONLY))
            SetFileAttributesA(desti_.c_str(), atributs);
        return false;
    }
    confirmat_ = true;
    temporal_.clear();
    return true;
}

void FitxerNou::Descarta()
{
    if (h_ != INVALID_HANDLE_VALUE) {
        CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
    }
    if (!temporal_.empty()) {
        DeleteFileA(temporal_.c_str());
        temporal_.clear();
    }
}

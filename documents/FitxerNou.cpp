#include "documents/FitxerNou.h"

#include <utility>

FitxerNou::FitxerNou(std::string desti) : desti_(std::move(desti)) {}

FitxerNou::~FitxerNou()
{
    Descarta();
}

bool FitxerNou::Obre()
{
    Descarta();
    // Beside the target, so that the rename stays on its volume.
    temporal_ = desti_ + ".~kv";
    if (temporal_.size() >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
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

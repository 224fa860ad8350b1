#ifndef KORVU_TESTS_FITXERPROVA_H
#define KORVU_TESTS_FITXERPROVA_H

// Files of the test's working folder, read and written whole.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace prova {

inline std::string DirActual()
{
    char dir[MAX_PATH];
    const DWORD n = GetCurrentDirectoryA(MAX_PATH, dir);
    return std::string(dir, n);
}

// Empty when the file cannot be read.
inline std::string LlegeixFitxer(const std::string& nom)
{
    std::string text;
    if (std::FILE* f = std::fopen(nom.c_str(), "rb")) {
        char b[65536];
        std::size_t n;
        while ((n = std::fread(b, 1, sizeof b, f)) > 0)
            text.append(b, n);
        std::fclose(f);
    }
    return text;
}

inline void EscriuFitxer(const std::string& nom, const std::string& bytes)
{
    std::FILE* f = std::fopen(nom.c_str(), "wb");
    ASSERT_NE(f, nullptr) << nom;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline bool Existeix(const std::string& nom)
{
    return GetFileAttributesA(nom.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace prova

#endif

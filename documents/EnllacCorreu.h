#ifndef KORVU_DOCUMENTS_ENLLACCORREU_H
#define KORVU_DOCUMENTS_ENLLACCORREU_H

#include <string>

// The "mailto:" link of a mail message that the server composes: field 1 holds the recipient,
// the subject and the body separated by '|'.
namespace EnllacCorreu {

constexpr std::size_t kMaxDestinatari = 99;
constexpr std::size_t kMaxAssumpte = 199;
constexpr std::size_t kMaxCos = 1999;

struct Parts {
    std::string destinatari;
    std::string assumpte;
    std::string cos;
};

// Splits at the first two '|', each part cut to its limit; text after a third '|' is dropped.
Parts Separa(const std::string& camp);

// Percent-encodes what would cut the link or add header fields to it: '%', '&', '#', '?',
// blanks and control characters. Other bytes stay as they are.
std::string Codifica(const std::string& text);

// "mailto:" + recipient + "?subject=" + subject + "&body=" + body, each part encoded.
std::string Enllac(const std::string& camp);

} // namespace EnllacCorreu

#endif

#ifndef KORVU_LINK_TRAMA_H
#define KORVU_LINK_TRAMA_H

#include <string>

// Layout of the frames exchanged with the server and the readers of a reply's fixed header.
// They work on a plain text buffer so that they can be tested without a connection.
namespace Trama {

constexpr int kMidaText = 8211;   // text buffer: the plain frame, request or reply
constexpr int kMidaTrama = 8200;  // wire buffer: 3-byte header and enciphered body
constexpr int kCapcalera = 3;     // length high, length low, flag
constexpr int kIniciRegistre = 50;  // the 0xFF-separated field record starts here
constexpr unsigned char kSeparador = 0xFF;

// What makes a reply malformed, and the one text that says so. The wire header may announce
// anything from the header alone (an empty body, such as an empty block of a file) up to the
// wire buffer; a reply that is read as a command must also hold the fixed bytes before the
// record in its body, or they would be read from the frame before it.
constexpr const char* kErrorResposta = "Error #ref 015, error en la respuesta del servidor";
constexpr bool TotalValid(int total) { return total >= kCapcalera && total <= kMidaTrama; }
constexpr bool PortaCapcalera(int cos) { return cos >= kIniciRegistre; }

// Whether the text reaches the field record; the record of a text that ends before it is
// empty.
bool TeRegistre(const char* text);
const char* Registre(const char* text);

// Command code of byte 3: '1'..'9' give 1..9, 'z' 10, 'A' 11, anything else 0.
int CodigoOrden(const char* text);

// Bytes 21 to 35, at most 15 characters, stopping at a NUL.
std::string IdPantalla(const char* text);

// Bytes 36 to 43 (stopping at a NUL) read as a decimal number; 0 without digits.
int NumeroCabecera(const char* text);

// Leading white space, an optional sign and the digits up to the first non-digit, reading at
// most `max` characters (or up to the NUL when max is negative); 0 without digits. Saturates
// instead of overflowing, since the digits come from outside.
long LlegeixEnter(const char* s, int max = -1);

} // namespace Trama

#endif

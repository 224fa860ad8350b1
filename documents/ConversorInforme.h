#ifndef KORVU_DOCUMENTS_CONVERSORINFORME_H
#define KORVU_DOCUMENTS_CONVERSORINFORME_H

#include <string>

// Turns a received report (records of a kind byte, up to 299 bytes of text and the byte 0x01)
// into a text file for a spreadsheet: one line for each record, kind bytes and delimiters gone.
namespace ConversorInforme {

// The converted file's bytes (lines end with CR LF, as a text file on disk) from the received
// file's bytes. Always ends: an empty record is an empty line.
std::string Converteix(const std::string& informe);

// The source path with the extension of its file name (from the name's first '.') replaced by
// "." + extensio; a name without '.' gets it appended. Folders are left as they are.
std::string RutaConvertida(const std::string& font, const std::string& extensio);

} // namespace ConversorInforme

#endif

#ifndef KORVU_DOCUMENTS_EXPORTARTF_H
#define KORVU_DOCUMENTS_EXPORTARTF_H

#include <ostream>
#include <string>
#include <string_view>

// A received listing (records of a kind letter, up to 299 bytes of text and the byte 0x01) as
// an RTF document in a fixed-pitch font sized to the longest record.

// Writes the document of the listing at cami next to it, with the file name's extension
// replaced by ".rtf", and gives that path in camiRtf even when it fails. false when a file
// cannot be read or written or a record has an unknown kind; the document then replaces no
// earlier file of its name. A row whose column definitions never end throws DispError
// "#ref 052". (Win32 layer: ExportaRtfFitxer.cpp.)
bool ExportaRtf(const std::string& cami, std::string& camiRtf);

// The document of a listing's bytes, written a record at a time; false (with the document cut
// short but its groups closed) on an unknown kind.
bool EscriuRtf(std::string_view llistat, std::ostream& sortida);
bool EscriuRtf(std::string_view llistat, std::string& document);

// A tabular row laid out in its columns, each width + 1 characters wide.
std::string FormataFilaRtf(std::string_view fila);

// The path with the extension of its file name (from its first '.') replaced by ".rtf".
std::string NomDocumentRtf(const std::string& cami);

#endif

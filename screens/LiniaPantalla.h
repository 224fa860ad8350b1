#ifndef KORVU_SCREENS_LINIAPANTALLA_H
#define KORVU_SCREENS_LINIAPANTALLA_H

#include "framework/controls/ControlDef.h"
#include "screens/SumaPantalla.h"

#include <cstddef>
#include <string>
#include <string_view>

// One line of the screen-definitions file: 131 fixed columns, one field of one screen.
//   0-14 screen identifier   15-17 field code   18-97 label   98-113 x1 y1 x2 y2 (4 digits each)
//   114 option letter   115 type letter   116 data letter   117 mark   118-122 maximum length
//   123 variant   124 action   125-127 tab order   128-130 tab page (tab number on a tab strip)
namespace LiniaPantalla {

constexpr std::size_t kLongitud = 131;
constexpr std::size_t kLongitudId = 15;

// The record of one line (without its line end) of the screen `id`, with the derived members
// filled in. A short line reads as if blanks filled its missing columns; a long one is read up
// to column 130.
ControlDef Llegeix(std::string_view linia, std::string_view id, double escalaX, double escalaY);

// Feeds the columns that the check number covers (all but the identifier and the label), in
// column order, to the sum; the line position restarts first.
void Suma(std::string_view linia, SumaPantalla& suma);

// The line (131 characters, no line end) of the definition record that the server sends:
// fields 1 to 18 of a 0xFF-separated record ending at its NUL. Each value is cut to its
// column, so the line has its width whatever the record holds; a line end inside a field
// becomes a blank. A missing field throws DispError "Error #ref 019".
std::string Formata(const char* registre);

} // namespace LiniaPantalla

#endif

#ifndef KORVU_FRAMEWORK_CONTROLS_FONTETIQUETA_H
#define KORVU_FRAMEWORK_CONTROLS_FONTETIQUETA_H

#include "framework/controls/MidesCDN.h"

#include <windows.h>

// The configuration's font of a label's font kind (not owned).
HFONT FontEtiqueta(Win::MidesCDN::Font font);

#endif

#include "screens/ControlDef.h"

// The record is plain data: its defaults are in the header, and copying it copies every member
// (the item list deeply, the control as a plain pointer).

// The application frame's record, VW_FRAME.
//
// This object file holds nothing else, so that the linker takes it from the
// library only when no other object defines the record: a Fortran program
// gets VW_FRAME from the Velmora module (a BIND(C) variable of the same
// name), which the linker meets first, and this definition stays out.
#include "framework/window_record.h"

extern "C" {
velmora::V_WINDOW velmora_frame_record;
}

// Writing into the elements of a gauge: the text of a string element, the hidden bit of any element
// and the drawing option of a digit drum. Shared by both aircraft modules.
#pragma once

#include "frame/gauge_records.h"

// Formats into a string element's host-supplied buffer, never past its character count and the
// terminating zero. Nothing is written while the host has given no buffer.
void write_element_text(ElementHeader* element, const char* format, ...);

// Hides or shows an element by its hidden bit.
void set_hidden(ElementHeader* element, bool hidden);

// The digit drums of a radio: drawn luminous only while the radio is powered, and with the
// no_transparency bit cleared at every update.
void set_drum_powered(ElementHeader* element, bool powered);

// Writing into the elements of a gauge: the text of a string element and the hidden bit of any
// element. Shared by both aircraft modules.
#pragma once

#include "frame/gauge_records.h"

// Formats into a string element's host-supplied buffer, never past its character count and the
// terminating zero. Nothing is written while the host has given no buffer.
void write_element_text(ElementHeader* element, const char* format, ...);

// Hides or shows an element by its hidden bit.
void set_hidden(ElementHeader* element, bool hidden);

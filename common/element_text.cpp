#include "common/element_text.h"

#include <cstdarg>
#include <cstdio>

void write_element_text(ElementHeader* element, const char* format, ...)
{
    auto* text = reinterpret_cast<String*>(element);
    if (text->text == nullptr)
        return;
    va_list args;
    va_start(args, format);
    std::vsnprintf(text->text, text->char_count + 1, format, args);
    va_end(args);
}

void set_hidden(ElementHeader* element, bool hidden)
{
    if (hidden)
        element->image_flags |= image_flags::hidden;
    else
        element->image_flags &= ~image_flags::hidden;
}

void set_drum_powered(ElementHeader* element, bool powered)
{
    if (powered)
        element->image_flags |= image_flags::luminous;
    else
        element->image_flags &= ~image_flags::luminous;
    element->image_flags &= ~image_flags::no_transparency;
}

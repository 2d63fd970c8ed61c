// Names and units of simulator variables (tokens) and key events, for the workbench's lists and log.
// The lookup walks one table of {kind, name, value, unit} records; pointing it at another table of
// that shape (a project-wide ids header, say) is a change to serve_ids.cpp alone.
#pragma once

#include <cstdint>
#include <span>

namespace serve {

enum class IdKind : uint8_t { token, event };

struct NamedId {
    IdKind      kind;
    const char* name;
    uint32_t    value;
    const char* unit;   // "" when the value has none (events, flags counted as numbers)
};

// The table the lookups read.
std::span<const NamedId> named_id_table();

// The name of a token or event, or nullptr when the table does not know it.
const char* id_name(IdKind kind, uint32_t value);
// Its unit, or "" when unknown.
const char* id_unit(IdKind kind, uint32_t value);

}  // namespace serve

#include "serve_ids.h"

#include "host/core/numbers.h"

namespace serve {

const char* id_name(IdKind kind, uint32_t value)
{
    const NamedId* id = host::find_id(kind, value);
    return id ? id->name : nullptr;
}

const char* id_unit(IdKind kind, uint32_t value)
{
    const NamedId* id = host::find_id(kind, value);
    return id ? id->unit : "";
}

}  // namespace serve

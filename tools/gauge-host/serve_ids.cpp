#include "serve_ids.h"

namespace serve {
namespace {

// The tokens and events of the aircraft panels that the host models or the example panel reads.
constexpr NamedId table[] = {
    // Tokens
    {IdKind::token, "PANEL LIGHTS", 0x0A, "bool"},
    {IdKind::token, "STROBE LIGHTS", 0x0B, "bool"},
    {IdKind::token, "PITOT HEAT", 0x0D, "bool"},
    {IdKind::token, "LANDING LIGHTS", 0x0E, "bool"},
    {IdKind::token, "WATER DROP COMMAND", 0x0F, "bool"},
    {IdKind::token, "ADF FREQUENCY", 0x10, "BCD"},
    {IdKind::token, "ADF ACTIVE", 0x11, ""},
    {IdKind::token, "ADF EXTENDED FREQUENCY", 0x12, "BCD"},
    {IdKind::token, "ADF AUDIO", 0x14, "bool"},
    {IdKind::token, "COM1 FREQUENCY", 0x17, "BCD"},
    {IdKind::token, "NAV1 FREQUENCY", 0x18, "BCD"},
    {IdKind::token, "NAV2 FREQUENCY", 0x1B, "BCD"},
    {IdKind::token, "TRANSPONDER CODE", 0x26, "BCD"},
    {IdKind::token, "COURSE KNOB", 0x2D, "degrees"},
    {IdKind::token, "VOR1 STATION FLAGS", 0x2E, "flags"},
    {IdKind::token, "VOR2 STATION FLAGS", 0x37, "flags"},
    {IdKind::token, "AIRSPEED", 0x3D, "knots"},
    {IdKind::token, "VERTICAL SPEED", 0x41, "m/s*256"},
    {IdKind::token, "STALL WARNING", 0x43, "bool"},
    {IdKind::token, "TURN BALL", 0x45, "-127..127"},
    {IdKind::token, "TURN RATE", 0x46, "1/256"},
    {IdKind::token, "ALTITUDE", 0x4A, "feet"},
    {IdKind::token, "ALTIMETER SETTING", 0x4B, "millibars"},
    {IdKind::token, "WATER LEFT TANK", 0x127, "0x800000 full"},
    {IdKind::token, "WATER RIGHT TANK", 0x12D, "0x800000 full"},
    {IdKind::token, "GEAR HANDLE", 0x14B, "0..16383"},
    {IdKind::token, "GEAR FRONT POSITION", 0x14C, "0..16383"},
    {IdKind::token, "GEAR LEFT POSITION", 0x14D, "0..16383"},
    {IdKind::token, "GEAR RIGHT POSITION", 0x14E, "0..16383"},
    {IdKind::token, "DME SOURCE", 0x163, "1|2"},
    {IdKind::token, "BATTERY", 0x16C, "bool"},
    {IdKind::token, "BEACON LIGHTS", 0x170, "bool"},
    {IdKind::token, "VELOCITY X", 0x22A, "feet/s"},
    {IdKind::token, "VELOCITY Z", 0x22B, "feet/s"},
    {IdKind::token, "CLOCK", 0x22D, "seconds"},
    {IdKind::token, "GENERATOR", 0x235, "bool"},
    {IdKind::token, "SIMULATION TIME", 0x25C, "seconds"},
    {IdKind::token, "RADIO HEIGHT", 0x266, "metres"},
    {IdKind::token, "NAVIGATION LIGHTS", 0x26B, "bool"},
    {IdKind::token, "SCOOP READY", 0x2F1, "percent"},
    {IdKind::token, "NAV GPS SWITCH", 0x350, "bool"},
    {IdKind::token, "COURSE", 0x356, "degrees"},
    {IdKind::token, "HEADING BUG", 0x357, "degrees"},
    {IdKind::token, "WATER DOORS POSITION", 0x365, "0..1"},
    {IdKind::token, "COM2 FREQUENCY", 0x366, "BCD"},
    {IdKind::token, "SCOOP STATE", 0x387, "bool"},
    // Not a simulator variable: the host's answer to "(A:SURFACE TYPE,Enum)" (2 is water).
    {IdKind::token, "SURFACE TYPE", 0x10000, "enum"},

    // Key events
    {IdKind::event, "ATC WINDOW", 0x1001C, ""},
    {IdKind::event, "STROBE LIGHTS TOGGLE", 0x10018, ""},
    {IdKind::event, "GEAR TOGGLE", 0x10022, ""},
    {IdKind::event, "COURSE SET", 0x100B4, ""},
    {IdKind::event, "VIEW FORWARD", 0x100C6, ""},
    {IdKind::event, "VIEW BACK", 0x100C7, ""},
    {IdKind::event, "PANEL LIGHTS TOGGLE", 0x100D6, ""},
    {IdKind::event, "LANDING LIGHTS TOGGLE", 0x100D7, ""},
    {IdKind::event, "CLOCK FORWARD", 0x100FD, ""},
    {IdKind::event, "CLOCK BACK", 0x100FE, ""},
    {IdKind::event, "NAV1 AUDIO OFF", 0x10128, ""},
    {IdKind::event, "NAV2 AUDIO OFF", 0x10129, ""},
    {IdKind::event, "NAV1 AUDIO ON", 0x1012D, ""},
    {IdKind::event, "NAV2 AUDIO ON", 0x1012E, ""},
    {IdKind::event, "PITOT HEAT TOGGLE", 0x10142, ""},
    {IdKind::event, "VIEW HOME", 0x10153, ""},
    {IdKind::event, "KNEEBOARD", 0x10154, ""},
    {IdKind::event, "ALTIMETER SETTING UP", 0x1015B, ""},
    {IdKind::event, "ALTIMETER SETTING DOWN", 0x1015C, ""},
    {IdKind::event, "HEADING BUG SET", 0x101FA, ""},
    {IdKind::event, "WATER DROP ON", 0x10201, ""},
    {IdKind::event, "WATER DROP OFF", 0x10202, ""},
    {IdKind::event, "BEACON LIGHTS TOGGLE", 0x102BF, ""},
    {IdKind::event, "BATTERY TOGGLE", 0x102C1, ""},
    {IdKind::event, "DME SOURCE TOGGLE", 0x102EE, ""},
    {IdKind::event, "GENERATOR TOGGLE", 0x1033B, ""},
    {IdKind::event, "NAV GPS TOGGLE", 0x10347, ""},
    {IdKind::event, "NAVIGATION LIGHTS TOGGLE", 0x1034B, ""},
    {IdKind::event, "WATER DOORS", 0x10357, ""},
    {IdKind::event, "MAP WINDOW", 0x10380, ""},
    {IdKind::event, "SCOOP TOGGLE", 0x103B2, ""},
    {IdKind::event, "PANEL WINDOW TOGGLE", 0x103CA, ""},
    {IdKind::event, "PANEL WINDOW OPEN", 0x103CB, ""},
    {IdKind::event, "PANEL WINDOW CLOSE", 0x103CC, ""},
};

const NamedId* find(IdKind kind, uint32_t value)
{
    for (const NamedId& id : named_id_table())
        if (id.kind == kind && id.value == value)
            return &id;
    return nullptr;
}

}  // namespace

std::span<const NamedId> named_id_table() { return table; }

const char* id_name(IdKind kind, uint32_t value)
{
    const NamedId* id = find(kind, value);
    return id ? id->name : nullptr;
}

const char* id_unit(IdKind kind, uint32_t value)
{
    const NamedId* id = find(kind, value);
    return id ? id->unit : "";
}

}  // namespace serve

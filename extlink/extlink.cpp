// The external interface client. Buffer layout: a word the client fills with an address in its own
// code, the queued records back to back, a zero word after the last.
//   read:  {1, offset, n, destination} and n answer bytes
//   write: {2, offset, n} and n data bytes
#include "extlink/extlink.h"

#include <cstring>

ExtLink ext_link = {};

namespace {

void put32(uint8_t* at, uint32_t value) { std::memcpy(at, &value, 4); }

uint32_t get32(const uint8_t* at)
{
    uint32_t value;
    std::memcpy(&value, at, 4);
    return value;
}

int failed(uint32_t* result, uint32_t code)
{
    *result = code;
    return 0;
}

int succeeded(uint32_t* result)
{
    *result = ext::ok;
    return 1;
}

// Room test of a request of `bytes` data bytes and `overhead` bytes around them; computed so that
// no count can wrap around.
bool fits(uint32_t bytes, uint32_t overhead)
{
    const uint64_t used = static_cast<uint64_t>(ext_link.next - ext_link.base);
    return used + bytes + overhead <= ext_link.limit;
}

void close_link()
{
    ext_link.window = nullptr;
    ext_link.base   = nullptr;
}

// Hands the answers of the reads to their destinations. The walk stays between the first record and
// `end` whatever the receiver left in the records; an answer is copied only for a record that starts
// where a read was queued and still carries that read's count.
void distribute_answers(uint8_t* base, uint8_t* end, uint32_t reads)
{
    uint8_t* p = base + 4;
    uint32_t k = 0;
    while (end - p >= 4) {
        const uint32_t id = get32(p);
        if (id == 0)
            break;
        if (id != ext::read_id && id != ext::write_id) {
            put32(p, 0);
            break;
        }
        const long header = id == ext::read_id ? 16 : 12;
        if (end - p < header)
            break;
        const uint32_t n = get32(p + 8);
        if (n > static_cast<uint64_t>(end - p - header))
            break;
        if (id == ext::read_id) {
            const auto at = static_cast<uint32_t>(p - base);
            while (k < reads && ext_link.read[k].at < at)
                ++k;
            if (k < reads && ext_link.read[k].at == at && ext_link.read[k].bytes == n && n > 0 &&
                ext_link.read[k].destination != nullptr)
                std::memcpy(ext_link.read[k].destination, p + header, n);
        }
        p += header + n;
    }
}

}  // namespace

int ext_open(uint32_t required_version, uint32_t* result, void* buffer, uint32_t size)
{
    if (ext_link.base != nullptr)
        return failed(result, ext::already_open);
    if (buffer == nullptr || size < ext::min_buffer)
        return failed(result, ext::bad_buffer);
    ext_link.receiver_version = 0;
    ext_link.host_version     = 0;
    ext_link.window           = FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr);
    if (ext_link.window == nullptr)
        return failed(result, ext::no_window);
    ext_link.limit = size < ext::max_buffer ? size : ext::max_buffer;
    ext_link.base  = static_cast<uint8_t*>(buffer);
    ext_link.next  = ext_link.base + 4;
    ext_link.reads = 0;

    const uint16_t client_version = ext::client_version;
    if (!ext_read(ext::receiver_version_offset, 4, &ext_link.receiver_version, result) ||
        !ext_read(ext::host_version_offset, 4, &ext_link.host_version, result) ||
        !ext_write(ext::client_version_offset, 2, &client_version, result) || !ext_process(result)) {
        close_link();
        return 0;
    }
    if (ext_link.receiver_version < ext::min_receiver_version || ext_link.host_version >> 16 != ext::host_version_mark) {
        close_link();
        return failed(result, ext::bad_version);
    }
    ext_link.host_version &= 0xFFFF;
    if (required_version != 0 && required_version != ext_link.host_version) {
        close_link();
        return failed(result, ext::wrong_host_version);
    }
    return succeeded(result);
}

int ext_read(uint32_t offset, uint32_t bytes, void* destination, uint32_t* result)
{
    if (ext_link.base == nullptr)
        return failed(result, ext::closed);
    if (!fits(bytes, 24) || ext_link.reads >= ext_max_reads)
        return failed(result, ext::no_room);
    uint8_t* record = ext_link.next;
    put32(record, ext::read_id);
    put32(record + 4, offset);
    put32(record + 8, bytes);
    put32(record + 12, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(destination)));
    std::memset(record + 16, 0, bytes);
    ext_link.read[ext_link.reads++] = {static_cast<uint32_t>(record - ext_link.base), bytes, destination};
    ext_link.next = record + 16 + bytes;
    return succeeded(result);
}

int ext_write(uint32_t offset, uint32_t bytes, const void* source, uint32_t* result)
{
    if (ext_link.base == nullptr)
        return failed(result, ext::closed);
    if (!fits(bytes, 20))
        return failed(result, ext::no_room);
    uint8_t* record = ext_link.next;
    put32(record, ext::write_id);
    put32(record + 4, offset);
    put32(record + 8, bytes);
    if (bytes > 0)
        std::memcpy(record + 12, source, bytes);
    ext_link.next = record + 12 + bytes;
    return succeeded(result);
}

int ext_process(uint32_t* result)
{
    uint8_t* const base = ext_link.base;
    if (base == nullptr)
        return failed(result, ext::closed);
    uint8_t* const end = ext_link.next;
    if (end <= base + 4)
        return failed(result, ext::nothing_queued);
    put32(end, 0);
    put32(base, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&ext_process)));

    const LRESULT reply = SendMessageA(ext_link.window, ext::message, static_cast<WPARAM>(end - (base + 4)),
                                       reinterpret_cast<LPARAM>(base));
    // The queue is emptied whatever the reply.
    const uint32_t reads = ext_link.reads;
    ext_link.reads       = 0;
    if (ext_link.base == base)
        ext_link.next = base + 4;
    if (reply != 1)
        return failed(result, ext::not_answered);
    distribute_answers(base, end, reads);
    return succeeded(result);
}

void ext_close() { close_link(); }

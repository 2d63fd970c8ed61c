// Client of the host's external interface window (class "UIPCMAIN"): reads and writes numbered
// offsets of the interface's data space. Requests are queued in a buffer that the caller owns and
// sent together with one message; the answers of the reads then go to their destinations.
//
// Every operation but ext_close returns 1 on success, 0 on failure, and writes a result code.
#pragma once

#include <windows.h>

#include <cstdint>

#include "frame/sim_ids.h"

// Result codes (ext::ok, ext::no_window, ...), the data space offsets (ext::*_offset) and the
// protocol's constants (ext::message, ext::read_id, ...) are in frame/sim_ids.h.

// A read waiting in the queue: where its record starts in the buffer, its byte count and where its
// answer goes. The answers are handed out from this list, never from addresses or counts in the
// buffer, which the receiver may have changed.
struct ExtQueuedRead {
    uint32_t at;
    uint32_t bytes;
    void*    destination;
};
constexpr uint32_t ext_max_reads = ext::max_buffer / 16;

struct ExtLink {
    HWND          window;             // null when closed
    uint8_t*      base;               // the caller's buffer; null means closed
    uint8_t*      next;               // first free byte after the queued requests
    uint32_t      limit;              // usable bytes of the buffer
    uint32_t      receiver_version;   // read at open
    uint32_t      host_version;       // read at open; only its low 16 bits after a successful open
    uint32_t      reads;
    ExtQueuedRead read[ext_max_reads];
};

// The link of this module, closed at load.
extern ExtLink ext_link;

// required_version 0 accepts any host version.
int  ext_open(uint32_t required_version, uint32_t* result, void* buffer, uint32_t size);
int  ext_read(uint32_t offset, uint32_t bytes, void* destination, uint32_t* result);
int  ext_write(uint32_t offset, uint32_t bytes, const void* source, uint32_t* result);
int  ext_process(uint32_t* result);
void ext_close();

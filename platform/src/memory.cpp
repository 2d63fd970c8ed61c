// Global memory blocks of the stand-in: a movable block is a handle that GlobalLock turns into its
// address. Blocks are counted so that tests can see what is still held.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform_internal.h"
#include "standin_control.h"

namespace {

constexpr uint32_t block_magic = 0x474D454Du;   // "MEMG"

struct Block {
    uint32_t magic;
    uint32_t locks;
    SIZE_T   size;
    alignas(16) unsigned char data[1];
};

std::atomic<int> live_blocks{0};

Block* as_block(HGLOBAL memory)
{
    auto* b = static_cast<Block*>(memory);
    return b != nullptr && b->magic == block_magic ? b : nullptr;
}

}  // namespace

namespace standin {
int live_global_blocks() { return live_blocks.load(); }
}  // namespace standin

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes)
{
    if (bytes > (SIZE_T{1} << 31)) {
        platform_set_last_error(8);   // not enough memory
        return nullptr;
    }
    void* raw = std::malloc(offsetof(Block, data) + (bytes == 0 ? 1 : bytes));
    if (raw == nullptr) {
        platform_set_last_error(8);
        return nullptr;
    }
    auto* b  = static_cast<Block*>(raw);
    b->magic = block_magic;
    b->locks = 0;
    b->size  = bytes;
    if (flags & GMEM_ZEROINIT)
        std::memset(b->data, 0, bytes);
    ++live_blocks;
    return b;
}

LPVOID WINAPI GlobalLock(HGLOBAL memory)
{
    Block* b = as_block(memory);
    if (b == nullptr)
        return nullptr;
    ++b->locks;
    return b->data;
}

BOOL WINAPI GlobalUnlock(HGLOBAL memory)
{
    Block* b = as_block(memory);
    if (b == nullptr || b->locks == 0)
        return FALSE;
    return --b->locks != 0;
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory)
{
    Block* b = as_block(memory);
    if (b == nullptr)
        return memory;
    b->magic = 0;
    std::free(b);
    --live_blocks;
    return nullptr;
}

SIZE_T WINAPI GlobalSize(HGLOBAL memory)
{
    Block* b = as_block(memory);
    return b == nullptr ? 0 : b->size;
}

}  // extern "C"

// Multimedia file I/O of the stand-in: memory files only (the 'MEM ' procedure), with RIFF chunk
// descend and ascend. Every position stays inside the memory block.
#include <mmsystem.h>

#include <cstring>
#include <new>

struct HMMIO__ {
    const unsigned char* data;
    unsigned char*       owned;   // allocated by the I/O system when the caller gave no buffer
    LONG                 size;
    LONG                 pos;
};

namespace {

DWORD get32(const HMMIO__* f, LONG at)
{
    DWORD v;
    std::memcpy(&v, f->data + at, 4);
    return v;
}

}  // namespace

extern "C" {

HMMIO WINAPI mmioOpenA(LPSTR file_name, LPMMIOINFO info, DWORD flags)
{
    (void)file_name;
    (void)flags;
    if (info == nullptr || info->fccIOProc != FOURCC_MEM || info->cchBuffer < 0 ||
        (info->pchBuffer == nullptr && !(flags & MMIO_ALLOCBUF))) {
        if (info != nullptr)
            info->wErrorRet = MMIOERR_CANNOTOPEN;
        return nullptr;
    }
    auto* f = new (std::nothrow) HMMIO__{};
    if (f == nullptr) {
        info->wErrorRet = MMIOERR_OUTOFMEMORY;
        return nullptr;
    }
    if (info->pchBuffer == nullptr) {
        f->owned = new (std::nothrow) unsigned char[static_cast<size_t>(info->cchBuffer) + 1]();
        if (f->owned == nullptr) {
            delete f;
            info->wErrorRet = MMIOERR_OUTOFMEMORY;
            return nullptr;
        }
        f->data = f->owned;
    } else {
        f->data = reinterpret_cast<const unsigned char*>(info->pchBuffer);
    }
    f->size         = info->cchBuffer;
    f->pos          = 0;
    info->wErrorRet = MMSYSERR_NOERROR;
    info->hmmio     = f;
    return f;
}

MMRESULT WINAPI mmioClose(HMMIO file, UINT)
{
    if (file == nullptr)
        return MMIOERR_CANNOTOPEN;
    delete[] file->owned;
    delete file;
    return MMSYSERR_NOERROR;
}

LONG WINAPI mmioRead(HMMIO file, HPSTR buffer, LONG bytes)
{
    if (file == nullptr || bytes < 0 || (buffer == nullptr && bytes > 0))
        return -1;
    LONG n = file->size - file->pos;
    if (bytes < n)
        n = bytes;
    std::memcpy(buffer, file->data + file->pos, static_cast<size_t>(n));
    file->pos += n;
    return n;
}

LONG WINAPI mmioSeek(HMMIO file, LONG offset, int origin)
{
    if (file == nullptr)
        return -1;
    long long base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? file->pos : origin == SEEK_END ? file->size : -1;
    if (base < 0)
        return -1;
    long long to = base + offset;
    if (to < 0 || to > file->size)
        return -1;
    file->pos = static_cast<LONG>(to);
    return file->pos;
}

MMRESULT WINAPI mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags)
{
    if (file == nullptr || chunk == nullptr)
        return MMIOERR_CANNOTREAD;
    const LONG start = file->pos;
    long long  limit = file->size;
    if (parent != nullptr) {
        long long end = static_cast<long long>(parent->dwDataOffset) + parent->cksize;
        if (start < static_cast<long long>(parent->dwDataOffset) || start >= end)
            return MMIOERR_CHUNKNOTFOUND;
        if (end < limit)
            limit = end;
    }
    long long pos = start;
    while (pos + 8 <= limit) {
        const LONG  at     = static_cast<LONG>(pos);
        const DWORD ckid   = get32(file, at);
        const DWORD cksize = get32(file, at + 4);
        const bool  group  = ckid == FOURCC_RIFF || ckid == FOURCC_LIST;
        if (group && pos + 12 > limit)
            break;
        const DWORD type = group ? get32(file, at + 8) : 0;
        bool match;
        if (flags & MMIO_FINDCHUNK)
            match = ckid == chunk->ckid;
        else if (flags & MMIO_FINDRIFF)
            match = ckid == FOURCC_RIFF && type == chunk->fccType;
        else if (flags & MMIO_FINDLIST)
            match = ckid == FOURCC_LIST && type == chunk->fccType;
        else
            match = true;
        if (match) {
            chunk->ckid         = ckid;
            chunk->cksize       = cksize;
            chunk->fccType      = type;
            chunk->dwDataOffset = static_cast<DWORD>(pos + 8);
            chunk->dwFlags      = 0;
            file->pos           = static_cast<LONG>(pos + (group ? 12 : 8));
            return MMSYSERR_NOERROR;
        }
        pos += 8 + static_cast<long long>(cksize) + (cksize & 1);
    }
    file->pos = start;
    return MMIOERR_CHUNKNOTFOUND;
}

MMRESULT WINAPI mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT)
{
    if (file == nullptr || chunk == nullptr)
        return MMIOERR_CANNOTSEEK;
    long long end = static_cast<long long>(chunk->dwDataOffset) + chunk->cksize + (chunk->cksize & 1);
    if (end > file->size)
        return MMIOERR_CANNOTSEEK;
    file->pos = static_cast<LONG>(end);
    return MMSYSERR_NOERROR;
}

}  // extern "C"

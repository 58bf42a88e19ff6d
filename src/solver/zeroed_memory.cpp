// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Memory straight from the system, so that its pages are zero until written and go back in stretches.
#include "zeroed_memory.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#endif

#include <cstdlib>
#include <new>
#include <utility>

namespace morvane::solver {
namespace {

constexpr std::size_t kStretch = std::size_t{1} << 20;  // about 75 microseconds to hand back

// The system's side: fresh zeroed pages for a whole table (null when there are none), and a stretch
// [from, to) of them handed back, the table's last stretch ending at `bytes`.
#if defined(_WIN32)
std::byte* takePages(std::size_t bytes)
{
    return static_cast<std::byte*>(VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
}

// Windows hands a reservation back only whole: the stretches before the last are decommitted.
void handBackPages(std::byte* table, std::size_t bytes, std::size_t from, std::size_t to)
{
    if (to == bytes) {
        VirtualFree(table, 0, MEM_RELEASE);
    } else {
        VirtualFree(table + from, to - from, MEM_DECOMMIT);
    }
}
#else
std::byte* takePages(std::size_t bytes)
{
    void* pages = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return pages == MAP_FAILED ? nullptr : static_cast<std::byte*>(pages);
}

void handBackPages(std::byte* table, std::size_t /*bytes*/, std::size_t from, std::size_t to)
{
    munmap(table + from, to - from);
}
#endif

}  // namespace

// A table smaller than a stretch comes from the heap, whose memory is at hand: a deal won at once
// would otherwise spend more on asking the system for pages than on its search.
ZeroedMemory::ZeroedMemory(std::size_t bytes) : bytes_(bytes)
{
    data_ = bytes < kStretch ? static_cast<std::byte*>(std::calloc(bytes, 1)) : takePages(bytes);
    if (data_ == nullptr) {
        throw std::bad_alloc();
    }
}

ZeroedMemory::ZeroedMemory(ZeroedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      bytes_(std::exchange(other.bytes_, 0)),
      handedBack_(std::exchange(other.handedBack_, 0))
{
}

ZeroedMemory& ZeroedMemory::operator=(ZeroedMemory&& other) noexcept
{
    std::swap(data_, other.data_);
    std::swap(bytes_, other.bytes_);
    std::swap(handedBack_, other.handedBack_);
    return *this;
}

ZeroedMemory::~ZeroedMemory() { handBackUpTo(bytes_); }

void ZeroedMemory::handBackUpTo(std::size_t bytes)
{
    const std::size_t end = bytes >= bytes_ ? bytes_ : bytes / kStretch * kStretch;
    if (end <= handedBack_) {
        return;
    }
    if (bytes_ < kStretch) {
        std::free(data_);  // all of it: `end` rounds down to nothing before the size
    } else {
        handBackPages(data_, bytes_, handedBack_, end);
    }
    handedBack_ = end;
}

}  // namespace morvane::solver

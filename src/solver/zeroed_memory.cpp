// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Memory straight from the system, so that its pages are zero until written and go back in stretches.
#include "zeroed_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace morvane::solver {
namespace {

constexpr std::size_t kStretch = std::size_t{1} << 20;  // about 75 microseconds to hand back

}  // namespace

// A table smaller than a stretch comes from the heap, whose memory is at hand: a deal won at once
// would otherwise spend more on asking the system for pages than on its search.
ZeroedMemory::ZeroedMemory(std::size_t bytes) : bytes_(bytes)
{
    void* memory = bytes < kStretch ? std::calloc(bytes, 1)
                                    : mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == nullptr || memory == MAP_FAILED) {
        throw std::bad_alloc();
    }
    data_ = static_cast<std::byte*>(memory);
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
        munmap(data_ + handedBack_, end - handedBack_);
    }
    handedBack_ = end;
}

}  // namespace morvane::solver

// Memory straight from the system, so that its pages are zero until written and go back one by one.
#include "zeroed_memory.h"

#include <sys/mman.h>

#include <new>
#include <utility>

namespace morvane::solver {
namespace {

constexpr std::size_t kStretch = std::size_t{1} << 20;  // about 75 microseconds to hand back

}  // namespace

ZeroedMemory::ZeroedMemory(std::size_t bytes) : bytes_(bytes)
{
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
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
    if (end > handedBack_) {
        munmap(data_ + handedBack_, end - handedBack_);
        handedBack_ = end;
    }
}

}  // namespace morvane::solver

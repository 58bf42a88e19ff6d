// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Memory for the search's largest table: zero until first written, handed back a stretch at a time.
#pragma once

#include <cstddef>

namespace morvane::solver {

// A table that grows to hundreds of megabytes must neither stop the search to clear its new memory
// nor to hand its old memory back: fresh pages from the system read as zero and cost nothing until
// written, and the old ones go back a stretch at a time, each stretch as the search gets to it.
class ZeroedMemory {
public:
    ZeroedMemory() = default;
    explicit ZeroedMemory(std::size_t bytes);
    ZeroedMemory(ZeroedMemory&& other) noexcept;
    ZeroedMemory& operator=(ZeroedMemory&& other) noexcept;
    ZeroedMemory(const ZeroedMemory&) = delete;
    ZeroedMemory& operator=(const ZeroedMemory&) = delete;
    ~ZeroedMemory();

    void* data() const { return data_; }
    std::size_t size() const { return bytes_; }
    // The first `bytes` are not touched again: the whole stretches among them go back to the system
    // (all of them once `bytes` is the size).
    void handBackUpTo(std::size_t bytes);

private:
    std::byte* data_ = nullptr;
    std::size_t bytes_ = 0;
    std::size_t handedBack_ = 0;
};

}  // namespace morvane::solver

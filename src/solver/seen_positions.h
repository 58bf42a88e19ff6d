// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The positions a search has already visited, remembered by a fingerprint of their canonical form,
// so that two positions alike for the rest of the game are searched once.
#pragma once

#include <cstdint>
#include <span>

#include "position.h"
#include "zeroed_memory.h"

namespace morvane::solver {

struct Fingerprint {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

// Two positions get the same fingerprint when clicks on the stock alone lead from one to the
// other and back, or when they differ only in the order of the columns. The columns' places are
// mere names: the reserve turns into the leftmost free place, but all free places are alike, so
// positions with the columns swapped go on alike move for move.
//
// The table keeps 96 of the fingerprint's bits (all of `a`, the low half of `b`). Two positions that
// differ otherwise share them with a chance of 2^-96 per pair, about n^2 / 2^97 that any two of n
// positions met do: 1 in 10^15 for the 13 million a deal meets in 10 seconds, 1 in 5 * 10^12 for
// 180 million. Were it to happen, the second would be taken for seen and never searched: a win
// through it could be missed, so a deal called lost is lost only if no such pair was met. A win
// found does not depend on it; its moves are played out.
Fingerprint fingerprintOf(const Position& position);

class SeenPositions {
public:
    // With `stockReach`, a position that clicks on the stock alone lead to from a position already
    // seen counts as seen too; without it, only positions with the same fingerprint do. With
    // `foundationsAlike`, so does a position with the same foundation tops in another order.
    SeenPositions(bool stockReach, bool foundationsAlike);
    // True when the position was new, and it is remembered from now on.
    bool insert(const Position& position);
    // Inserts each position in turn, as insert() does, and tells which were new. The table is far
    // larger than the processor's caches, so their slots are fetched from memory all at once.
    void insertEach(std::span<const Position> positions, std::span<bool> isNew);

private:
    // The positions seen that differ only in the waste, by a 96-bit fingerprint of the rest, with
    // one bit per waste size for those that clicks alone lead to from one of them.
    struct Slot {
        std::uint64_t a = 0;
        std::uint32_t b = 0;
        std::uint32_t reached = 0;  // 0: an empty slot
    };

    // Open addressing over a power of two of slots, all empty to begin with.
    class Table {
    public:
        Table() = default;
        explicit Table(std::size_t slots) : memory_(slots * sizeof(Slot)) {}
        std::size_t size() const { return memory_.size() / sizeof(Slot); }
        Slot& operator[](std::size_t i) const { return static_cast<Slot*>(memory_.data())[i]; }
        // The slot of the fingerprint, or the empty slot where it goes.
        Slot& slotOf(std::uint64_t a, std::uint32_t b) const;
        void handBackUpTo(std::size_t slots) { memory_.handBackUpTo(slots * sizeof(Slot)); }

    private:
        ZeroedMemory memory_;
    };

    void reserve(std::size_t more);
    bool insert(const Position& position, const Fingerprint& f);
    void grow();
    void moveOn();
    void merge(const Slot& s);

    bool stockReach_;
    bool foundationsAlike_;
    Table slots_;
    // The table before the last growth: its slots move into slots_ a few at each insert, and then
    // its memory goes back a stretch at a time.
    Table previous_;
    std::size_t moved_ = 0;
    std::size_t handedBack_ = 0;
    std::size_t size_ = 0;
};

}  // namespace morvane::solver

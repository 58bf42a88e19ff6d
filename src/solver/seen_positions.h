// The positions a search has already visited, remembered by a fingerprint of their canonical form,
// so that two positions alike for the rest of the game are searched once.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "position.h"

namespace morvane::solver {

struct Fingerprint {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

// Two positions get the same fingerprint when clicks on the stock alone lead from one to the
// other and back, or when they differ only in the order of the columns. The columns' places are
// mere names: the reserve turns into the leftmost free place, but all free places are alike, so
// positions with the columns swapped go on alike move for move. Positions that differ otherwise
// share a fingerprint with a chance of about 2^-128 per pair.
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

    void reserve(std::size_t more);
    bool insert(const Position& position, const Fingerprint& f);
    void grow();
    Slot& slotOf(std::uint64_t a, std::uint32_t b);

    bool stockReach_;
    bool foundationsAlike_;
    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};

}  // namespace morvane::solver

// The positions a search has already visited, remembered by a 128-bit fingerprint of their
// canonical form, so that two positions alike for the rest of the game are searched once.
#pragma once

#include <cstdint>
#include <vector>

#include "position.h"

namespace morvane::solver {

struct Fingerprint {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

// Two positions get the same fingerprint when clicks on the stock alone lead from one to the
// other, or when they differ only in the order of the columns. The columns' places are mere names:
// the reserve turns into the leftmost free place, but all free places are alike, so positions with
// the columns swapped go on alike move for move. Positions that differ otherwise share a
// fingerprint with a chance of about 2^-128 per pair.
Fingerprint fingerprintOf(const Position& position);

class SeenPositions {
public:
    SeenPositions();
    // True when the position was new, and it is remembered from now on.
    bool insert(const Fingerprint& f);

private:
    void grow();

    std::vector<Fingerprint> slots_;  // an all-zero slot is empty
    std::size_t size_ = 0;
};

}  // namespace morvane::solver

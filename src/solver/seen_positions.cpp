// Fingerprints of canonical positions and an open-addressing set of them.
#include "seen_positions.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace morvane::solver {
namespace {

// A column in one word: its length in the low four bits, then six bits for each card.
std::uint64_t wordOf(const Column& c)
{
    std::uint64_t w = static_cast<std::uint64_t>(c.count);
    for (int i = 0; i < c.count; ++i) {
        w |= static_cast<std::uint64_t>(c.cards[static_cast<std::size_t>(i)]) << (4 + 6 * i);
    }
    return w;
}

std::uint64_t mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

// Clicks on the stock go round: the recycle, then turns of three until the stock is empty. Every
// position on that round reaches every other by clicks alone, so they count as one. A position
// off the round (a card was taken from the middle of a pass) gets onto it but never back.
bool onStockRound(const Position& p) { return p.waste % 3 == 0 || p.waste == std::popcount(p.stockLeft); }

}  // namespace

Fingerprint fingerprintOf(const Position& p)
{
    std::array<std::uint64_t, 6> words{};
    for (std::size_t k = 0; k < 4; ++k) {
        words[k] = wordOf(p.columns[k]);
    }
    std::sort(words.begin(), words.begin() + 4);
    std::uint32_t foundations = 0;
    std::memcpy(&foundations, p.foundationTop.data(), 4);
    words[4] = static_cast<std::uint64_t>(foundations) << 32 | p.stockLeft;
    words[5] =
        static_cast<std::uint64_t>(onStockRound(p) ? 0 : p.waste) << 8 | static_cast<std::uint64_t>(p.reserveTurned);
    Fingerprint f{0x9e3779b97f4a7c15ULL, 0x243f6a8885a308d3ULL};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::uint64_t w = words[i];
        f.a = mix(f.a ^ w);
        f.b = mix(f.b + w * 0xff51afd7ed558ccdULL + i);
    }
    if (f.a == 0 && f.b == 0) {
        f.b = 1;  // all zero marks an empty slot
    }
    return f;
}

SeenPositions::SeenPositions() : slots_(1U << 12) {}

bool SeenPositions::insert(const Fingerprint& f)
{
    if (2 * (size_ + 1) > slots_.size()) {
        grow();
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = f.a & mask;; i = (i + 1) & mask) {
        if (slots_[i] == f) {
            return false;
        }
        if (slots_[i] == Fingerprint{}) {
            slots_[i] = f;
            ++size_;
            return true;
        }
    }
}

void SeenPositions::grow()
{
    std::vector<Fingerprint> old(slots_.size() * 2);
    old.swap(slots_);
    size_ = 0;
    for (const Fingerprint& f : old) {
        if (!(f == Fingerprint{})) {
            insert(f);
        }
    }
}

}  // namespace morvane::solver

// Fingerprints of canonical positions and an open-addressing set of them.
#include "seen_positions.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace morvane::solver {
namespace {

constexpr std::size_t kColumnBytes = 1 + kLongestColumn;
constexpr std::size_t kWords = 7;

using ColumnBytes = std::array<std::uint8_t, kColumnBytes>;

ColumnBytes bytesOf(const Column& c)
{
    ColumnBytes b{};
    b[0] = static_cast<std::uint8_t>(c.count);
    for (int i = 0; i < c.count; ++i) {
        b[static_cast<std::size_t>(i + 1)] = static_cast<std::uint8_t>(c.cards[static_cast<std::size_t>(i)]);
    }
    return b;
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
    std::array<ColumnBytes, 4> columns{};
    for (std::size_t k = 0; k < 4; ++k) {
        columns[k] = bytesOf(p.columns[k]);
    }
    std::sort(columns.begin(), columns.end());
    std::array<std::uint8_t, kWords * 8> bytes{};
    std::memcpy(bytes.data(), p.foundationTop.data(), 4);
    std::memcpy(bytes.data() + 4, &p.stockLeft, 4);
    bytes[8] = static_cast<std::uint8_t>(onStockRound(p) ? 0 : p.waste);
    bytes[9] = static_cast<std::uint8_t>(p.reserveTurned);
    std::memcpy(bytes.data() + 10, columns.data(), sizeof columns);
    Fingerprint f{0x9e3779b97f4a7c15ULL, 0x243f6a8885a308d3ULL};
    for (std::size_t i = 0; i < kWords; ++i) {
        std::uint64_t w = 0;
        std::memcpy(&w, bytes.data() + 8 * i, 8);
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

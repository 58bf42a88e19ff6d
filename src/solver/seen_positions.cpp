// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fingerprints of canonical positions and an open-addressing set of them.
#include "seen_positions.h"

#include <algorithm>
#include <bit>
#include <cassert>
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

// The waste sizes that clicks alone lead to from this position: from one on the round, the whole
// round; from one off it, the rest of its pass (turns of three until the stock is empty), then
// the round. With `stockReach` off, an off-round position stands for itself alone.
std::uint32_t reachedByClicks(const Position& p, bool stockReach)
{
    const int cards = std::popcount(p.stockLeft);
    std::uint32_t reached = 1U << cards;
    for (int w = 0; w < cards; w += 3) {
        reached |= 1U << w;
    }
    if (onStockRound(p)) {
        return reached;
    }
    if (!stockReach) {
        return 1U << p.waste;
    }
    for (int w = p.waste; w < cards; w += 3) {
        reached |= 1U << w;
    }
    return reached;
}

// The position's words, the waste given by `wasteWord`: the columns in a fixed order, whatever
// their places, the foundations (in a fixed order too when they are alike) with the stock, and the
// reserve.
Fingerprint fingerprintOfWords(const Position& p, std::uint64_t wasteWord, bool foundationsAlike = false)
{
    std::array<std::uint64_t, 6> words{};
    for (std::size_t k = 0; k < 4; ++k) {
        words[k] = wordOf(p.columns[k]);
    }
    std::sort(words.begin(), words.begin() + 4);
    std::array<std::int8_t, 4> tops = p.foundationTop;
    if (foundationsAlike) {
        std::sort(tops.begin(), tops.end());
    }
    std::uint32_t foundations = 0;
    std::memcpy(&foundations, tops.data(), 4);
    words[4] = static_cast<std::uint64_t>(foundations) << 32 | p.stockLeft;
    words[5] = wasteWord << 8 | static_cast<std::uint64_t>(p.reserveTurned);
    Fingerprint f{0x9e3779b97f4a7c15ULL, 0x243f6a8885a308d3ULL};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::uint64_t w = words[i];
        f.a = mix(f.a ^ w);
        f.b = mix(f.b + w * 0xff51afd7ed558ccdULL + i);
    }
    return f;
}

}  // namespace

Fingerprint fingerprintOf(const Position& p)
{
    return fingerprintOfWords(p, onStockRound(p) ? 0 : static_cast<std::uint64_t>(p.waste));
}

SeenPositions::SeenPositions(bool stockReach, bool foundationsAlike)
    : stockReach_(stockReach), foundationsAlike_(foundationsAlike), slots_(1U << 12)
{
}

// Why a position that clicks alone lead to from a position Q already seen need not be searched:
// every card it can take from the waste, Q can take with more clicks, to the same position; every
// other move it makes, Q makes too (the reductions do not look at the waste), to a position that
// differs only in the waste, from which the same clicks lead to its own. So every position it
// reaches, clicks alone lead to from one that Q reaches, with the same foundations, and Q is
// searched in full: a win from it is found from Q. A position off the round (a card was taken from
// the middle of a pass) reaches its twin on the round by clicks, so once it is seen its twin is not
// searched again; the twin seen first, the position off the round is still searched, for the
// cards of its pass that the round never shows.
bool SeenPositions::insert(const Position& p)
{
    reserve(1);
    return insert(p, fingerprintOfWords(p, 0, foundationsAlike_));
}

void SeenPositions::insertEach(std::span<const Position> positions, std::span<bool> isNew)
{
    assert(positions.size() <= isNew.size());
    reserve(positions.size());
    std::array<Fingerprint, kMostMoves> fingerprints{};
    assert(positions.size() <= fingerprints.size());
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        fingerprints[i] = fingerprintOfWords(positions[i], 0, foundationsAlike_);
        __builtin_prefetch(&slots_[fingerprints[i].a & mask]);
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        isNew[i] = insert(positions[i], fingerprints[i]);
    }
}

// Room for this many more positions, the table at most three quarters full: it is the search's
// largest store.
void SeenPositions::reserve(std::size_t more)
{
    while (4 * (size_ + more) > 3 * slots_.size()) {
        grow();
    }
}

bool SeenPositions::insert(const Position& p, const Fingerprint& f)
{
    moveOn();
    const auto b = static_cast<std::uint32_t>(f.b);
    if (moved_ < previous_.size()) {
        // Still moving: the fingerprint may wait in the old table.
        if (const Slot& old = previous_.slotOf(f.a, b); old.reached != 0) {
            merge(old);
        }
    }
    Slot& slot = slots_.slotOf(f.a, b);
    if ((slot.reached & (1U << p.waste)) != 0) {
        return false;
    }
    size_ += slot.reached == 0 ? 1 : 0;
    slot.a = f.a;
    slot.b = b;
    slot.reached |= reachedByClicks(p, stockReach_);
    return true;
}

SeenPositions::Slot& SeenPositions::Table::slotOf(std::uint64_t a, std::uint32_t b) const
{
    const std::size_t mask = size() - 1;
    for (std::size_t i = a & mask;; i = (i + 1) & mask) {
        Slot& slot = (*this)[i];
        if (slot.reached == 0 || (slot.a == a && slot.b == b)) {
            return slot;
        }
    }
}

// A slot of the old table joins the new one, or the same fingerprint there, which may have been
// merged already: the same slot merged twice changes nothing.
void SeenPositions::merge(const Slot& s)
{
    Slot& to = slots_.slotOf(s.a, s.b);
    to.a = s.a;
    to.b = s.b;
    to.reached |= s.reached;
}

// Moving a table of tens of millions of positions at once would stop the search for a second or
// more. Moved a few slots at each insert, the old table is gone long before the new one is full:
// it holds `n` slots with at most 3n/4 positions, and the new one takes 3n/4 inserts more before it
// grows again.
void SeenPositions::moveOn()
{
    constexpr std::size_t kSlotsMovedPerInsert = 64;
    constexpr std::size_t kSlotsHandedBackPerInsert = 1024;
    if (moved_ < previous_.size()) {
        for (const std::size_t end = std::min(moved_ + kSlotsMovedPerInsert, previous_.size()); moved_ < end; ++moved_) {
            if (const Slot& s = previous_[moved_]; s.reached != 0) {
                merge(s);
            }
        }
    } else if (handedBack_ < previous_.size()) {
        handedBack_ = std::min(handedBack_ + kSlotsHandedBackPerInsert, previous_.size());
        previous_.handBackUpTo(handedBack_);
    }
}

void SeenPositions::grow()
{
    while (handedBack_ < previous_.size()) {
        moveOn();
    }
    previous_ = std::move(slots_);
    slots_ = Table(previous_.size() * 2);
    moved_ = 0;
    handedBack_ = 0;
}

}  // namespace morvane::solver

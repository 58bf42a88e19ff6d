// Moves and deals written as plain words.
#include "move_text.h"

namespace morvane::solver {
namespace {

std::string spotText(Spot s)
{
    if (s == kWaste) {
        return "w";
    }
    return isFoundation(s) ? "f" + std::to_string(s) : "c" + std::to_string(s - 4);
}

}  // namespace

std::string moveText(const Move& move)
{
    switch (move.kind) {
    case Move::Kind::Stock:
        return "stock";
    case Move::Kind::Recycle:
        return "recycle";
    case Move::Kind::Reserve:
        return "reserve";
    case Move::Kind::Card:
        break;
    }
    return std::to_string(move.card) + ":" + spotText(move.from) + "-" + spotText(move.to);
}

std::string movesText(std::span<const Move> moves)
{
    std::string text;
    for (const Move& m : moves) {
        text += (text.empty() ? "" : " ") + moveText(m);
    }
    return text;
}

std::string dealText(const Deal& deal)
{
    std::string text;
    for (std::size_t p = 1; p < deal.order.size(); ++p) {
        text += (p == 1 ? "" : " ") + std::to_string(deal.order[p]);
    }
    return text;
}

}  // namespace morvane::solver

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// One press, one release: the pressed control keeps every move and the release of its button, and
// presses and releases of other buttons in between go nowhere. A new deal ends a capture, so a card
// held across it can never be carried into the new game.
#include "pointer_router.h"

#include "card_drag.h"
#include "game/lifecycle.h"
#include "reserve.h"
#include "stock.h"
#include "table_events.h"

namespace morvane {
namespace {

struct Box {
    float left;
    float top;
    float width;
    float height;
    bool contains(float x, float y) const { return x >= left && x < left + width && y >= top && y < top + height; }
};

Box imageBox(const Image& image) { return {image.Left, image.Top, geometry::kBackWidth, geometry::kBackHeight}; }

Box cardBox(const CardPicture& card) { return {card.Left, card.Top, geometry::kCardWidth, geometry::kCardHeight}; }

Box winPromptBox(const Label& label)
{
    return {label.Left, label.Top, geometry::kLabel5Width, geometry::kLabel5Height};
}

bool isOn(const Table& table, const Target& target, float x, float y)
{
    switch (target.control) {
    case Control::Stock:
        return table.Mazzo.Visible && imageBox(table.Mazzo).contains(x, y);
    case Control::Reserve:
        return table.Mazzo2.Visible && imageBox(table.Mazzo2).contains(x, y);
    case Control::WinPrompt:
        return table.Label5.Visible && winPromptBox(table.Label5).contains(x, y);
    case Control::Table:
    case Control::Card:
        return false;  // a click on them is no click of an image or label
    }
    return false;
}

}  // namespace

Target targetAt(const Table& table, float x, float y)
{
    // The topmost card first; plain reverse iterators, as clang 14 cannot take libstdc++ 12's views::reverse.
    for (auto it = table.drawingOrder.rbegin(); it != table.drawingOrder.rend(); ++it) {
        const CardIndex c = *it;
        if (cardBox(table.card(c)).contains(x, y)) {
            return table.card(c).Enabled ? Target{Control::Card, c} : Target{};
        }
    }
    for (const Control control : {Control::WinPrompt, Control::Stock, Control::Reserve}) {
        if (isOn(table, {control}, x, y)) {
            return {control};
        }
    }
    return {};
}

void PointerRouter::press(std::int16_t button, float x, float y)
{
    if (capture_ || game_.table.closed) {
        return;
    }
    const Target target = targetAt(game_.table, x, y);
    capture_ = Capture{target, button, game_.table.dealNumber};
    pressOn(target, button, x, y);
}

void PointerRouter::doubleClick(std::int16_t button, float x, float y)
{
    if (capture_ || game_.table.closed) {
        return;
    }
    const Target target = targetAt(game_.table, x, y);
    if (!isDoubleClickOnCard(target, button)) {
        press(button, x, y);  // on the stock and the reserve every click turns cards
        return;
    }
    capture_ = Capture{target, button, game_.table.dealNumber};
    const CardPicture& card = game_.table.card(target.card);
    // The move that always comes first records where the card goes back at the second release.
    Carta_MouseMove(game_, target.card, x - card.Left, y - card.Top);
    Carta_DblClick(game_, target.card);
}

void PointerRouter::move(float x, float y)
{
    if (game_.table.closed) {
        return;
    }
    if (!capture_) {
        moveOn(targetAt(game_.table, x, y), x, y);
    } else if (isLive(*capture_)) {
        moveOn(capture_->target, x, y);
    }
}

void PointerRouter::release(std::int16_t button, float x, float y)
{
    if (!capture_ || capture_->button != button) {
        return;
    }
    const Capture ended = *capture_;
    capture_.reset();
    if (!isLive(ended)) {
        // The drag that a new deal cut short ends here without touching the new game.
        endDrag(game_.hand);
    } else if (!game_.table.closed) {
        releaseOn(ended.target, button, x, y);
    }
}

void PointerRouter::pressOn(const Target& target, std::int16_t button, float x, float y)
{
    if (target.control == Control::Table) {
        Form_MouseDown(game_);
    } else if (target.control == Control::Card) {
        const CardPicture& card = game_.table.card(target.card);
        lastPressedCard_ = PressedCard{target.card, card.Left, card.Top};
        // The pointer has always moved over a card before it presses on it.
        Carta_MouseMove(game_, target.card, x - card.Left, y - card.Top);
        Carta_MouseDown(game_, target.card, button, x - card.Left, y - card.Top);
    }
}

void PointerRouter::moveOn(const Target& target, float x, float y)
{
    if (target.control == Control::Table) {
        Form_MouseMove(game_);
    } else if (target.control == Control::Card) {
        const CardPicture& card = game_.table.card(target.card);
        Carta_MouseMove(game_, target.card, x - card.Left, y - card.Top);
    }
}

void PointerRouter::releaseOn(const Target& target, std::int16_t button, float x, float y)
{
    switch (target.control) {
    case Control::Table:
        Form_MouseUp(game_, button, x, y);
        break;
    case Control::Card:
        Carta_MouseUp(game_, target.card);
        break;
    case Control::Stock:
        if (isClick(target, button, x, y)) {
            mazzo_Click(game_);
        }
        break;
    case Control::Reserve:
        if (isClick(target, button, x, y)) {
            Mazzo2_Click(game_);
        }
        break;
    case Control::WinPrompt:
        if (isClick(target, button, x, y)) {
            Label5_Click(game_);
        }
        break;
    }
}

// A double-click on a card leaves it where it was: it counts only when its first click left the
// card where that click found it.
bool PointerRouter::isDoubleClickOnCard(const Target& target, std::int16_t button) const
{
    if (target.control != Control::Card || button != kLeftButton || !lastPressedCard_ ||
        lastPressedCard_->card != target.card) {
        return false;
    }
    const CardPicture& card = game_.table.card(target.card);
    return card.Left == lastPressedCard_->left && card.Top == lastPressedCard_->top;
}

// A click is a left press and release on the same control.
bool PointerRouter::isClick(const Target& target, std::int16_t button, float x, float y) const
{
    return button == kLeftButton && isOn(game_.table, target, x, y);
}

bool PointerRouter::isLive(const Capture& capture) const { return capture.dealNumber == game_.table.dealNumber; }

}  // namespace morvane

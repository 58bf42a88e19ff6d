// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table state: the controls' visible state (the 40 cards among them) and the game variables.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "card.h"
#include "geometry.h"

namespace morvane {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kLabelGreen{0, 192, 0};
inline constexpr Rgb kLabelRed{255, 0, 0};

struct CardPicture {
    float Left = geometry::kLoadLeft;
    float Top = geometry::kLoadTop;
    bool Enabled = true;
};

struct Shape {
    float Left = 0.0F;
    float Top = 0.0F;
    float Width = 0.0F;
    float Height = 0.0F;
    bool Visible = false;
};

struct Image {
    float Left = 0.0F;
    float Top = 0.0F;
    bool Visible = false;
};

struct Label {
    float Left = 0.0F;
    float Top = 0.0F;
    bool Visible = false;
    std::string Caption;
    Rgb ForeColor = kLabelGreen;
};

struct Panel {
    bool Visible = false;
};

struct Timer {
    bool Enabled = true;
};

struct MenuItem {
    bool Enabled = true;
    bool Checked = false;
};

// Place numbers: 1..4 the foundations from left to right, 5..8 the columns, place k + 4 under foundation k.
inline constexpr int kPlaces = 8;
inline constexpr int kFirstColumnPlace = 5;

// Deal positions, the places in the shuffled order: 1..4 the columns, 5 the base card, 6..12 the
// reserve, 13..40 the stock.
inline constexpr int kLastColumnPosition = 4;
inline constexpr int kBasePosition = kLastColumnPosition + 1;
inline constexpr std::int16_t kFirstReservePosition = kBasePosition + 1;
inline constexpr std::int16_t kLastReservePosition = 12;
inline constexpr std::int16_t kReserveEnd = kLastReservePosition + 1;  // ReserveNext when the reserve is empty
inline constexpr std::int16_t kFirstStockPosition = kLastReservePosition + 1;
inline constexpr int kDealPositions = kCardCount;

struct Table {
    // ---- The controls' visible state. Arrays are indexed from 1 as the window's control arrays are;
    // entry 0 is unused.
    std::array<CardPicture, kCardCount + 1> Carta{};  // the 40 cards, by card index
    std::vector<CardIndex> drawingOrder;              // back to front
    std::array<Shape, kPlaces + 1> Shape1{};          // the marks of the eight places, by place number
    Image Mazzo;                                      // the stock's card back, hidden once the stock is empty
    Image Mazzo2;                                     // the reserve's card back, hidden once the reserve is empty
    Label Label1;                                     // the base value, large, right of the columns; it blinks
    // The win prompt, over the columns; a click on it deals anew.
    Label Label5{geometry::kLabel5Left, geometry::kLabel5Top, false, "Congratulations... Start a new game ?",
                 Rgb{255, 255, 0}};
    Label Label6{0.0F, 0.0F, false, "7", kLabelGreen};  // the reserve counter, under the reserve
    Panel Text2;                                        // the rules in English
    Panel Text3;                                        // the rules in Italian
    Panel Text4;                                        // the about text
    Timer Timer1;                                       // the blink's tick, every 300 ms
    MenuItem Nuova;                                     // "Shuffle cards"
    MenuItem Option_card_rustle;
    MenuItem Option_music;
    bool titlePictureShown = true;
    bool decorationDrawn = false;
    bool closed = false;

    // ---- The game variables: the deal, the piles and the places.
    std::array<CardIndex, kDealPositions + 1> DealOrder{};
    std::array<std::int16_t, kPlaces + 1> PlaceCard{};  // by place number; zones.h reads it
    std::int16_t BaseValue = 0;
    std::int16_t ReserveNext = 0;
    std::deque<CardIndex> StockCards;
    bool BlinkPhase = false;
    std::uint32_t dealNumber = 0;  // counts the deals, so that a pointer capture can tell it outlived its game

    Table();

    // Entry 0 of Carta is no card: asking for it means a missing card was taken for one.
    CardPicture& card(CardIndex n)
    {
        assert(isCard(n));
        return Carta.at(static_cast<std::size_t>(n));
    }
    const CardPicture& card(CardIndex n) const
    {
        assert(isCard(n));
        return Carta.at(static_cast<std::size_t>(n));
    }
    void move(CardIndex n, float left, float top);
    void bringToFront(CardIndex n);

    // PlaceCard by a computed place number; numbers outside 1..8 read as an occupied nowhere and are never written.
    std::int16_t placeCard(int place) const;
    void setPlaceCard(int place, std::int16_t value);

    // The card dealt at a deal position, or 0 before the first deal.
    CardIndex dealtAt(int position) const { return DealOrder.at(static_cast<std::size_t>(position)); }
};

}  // namespace morvane

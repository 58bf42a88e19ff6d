// The table state: the 40 card pictures, the other controls' visible state and every game variable.
#pragma once

#include <array>
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

inline constexpr int kPlaces = 8;
inline constexpr int kDealPositions = 40;
inline constexpr std::int16_t kFirstReservePosition = 6;
inline constexpr std::int16_t kReserveEnd = 13;  // ReserveNext when the reserve is empty
inline constexpr std::int16_t kFirstStockPosition = 13;

struct Table {
    // Controls. Arrays are indexed from 1 as the window's control arrays are; entry 0 is unused.
    std::array<CardPicture, kCardCount + 1> Carta{};
    std::vector<CardIndex> drawingOrder;  // back to front
    std::array<Shape, kPlaces + 1> Shape1{};
    Image Mazzo;
    Image Mazzo2;
    Label Label1;
    Label Label5{geometry::kLabel5Left, geometry::kLabel5Top, false, "Congratulations... Start a new game ?",
                 Rgb{255, 255, 0}};
    Label Label6{0.0F, 0.0F, false, "7", kLabelGreen};
    Panel Text2;
    Panel Text3;
    Panel Text4;
    Timer Timer1;
    MenuItem Nuova;
    MenuItem Option_card_rustle;
    MenuItem Option_music;
    bool titlePictureShown = true;
    bool decorationDrawn = false;
    bool closed = false;
    std::uint32_t dealNumber = 0;  // counts the deals, so that a pointer capture can tell it outlived its game

    // Game variables.
    std::array<std::int16_t, kCardCount + 1> Pool{};
    std::array<CardIndex, kDealPositions + 1> DealOrder{};
    std::array<std::int16_t, kPlaces + 1> PlaceCard{};
    std::int16_t BaseValue = 0;
    std::int16_t ReserveNext = 0;
    std::deque<CardIndex> StockCards;
    std::int16_t WasteSlot = 0;
    float FromSlot = 0.0F;
    float FromRow = 0.0F;
    float HomeLeft = 0.0F;
    float HomeTop = 0.0F;
    float GrabX = 0.0F;
    float GrabY = 0.0F;
    float DropTop = 0.0F;
    bool Dragging = false;
    bool DoubleClicked = false;
    bool BlinkPhase = false;

    Table();

    CardPicture& card(CardIndex n) { return Carta.at(static_cast<std::size_t>(n)); }
    const CardPicture& card(CardIndex n) const { return Carta.at(static_cast<std::size_t>(n)); }
    void move(CardIndex n, float left, float top);
    void bringToFront(CardIndex n);

    // PlaceCard by a computed place number; numbers outside 1..8 read as an occupied nowhere and are never written.
    std::int16_t placeCard(int place) const;
    void setPlaceCard(int place, std::int16_t value);

    // The card dealt at a deal position, or 0 before the first deal.
    CardIndex dealtAt(int position) const { return DealOrder.at(static_cast<std::size_t>(position)); }
};

// Where a card lies, read from its position alone as the rules read it.
bool isInStock(const CardPicture& c);
bool isInWaste(const CardPicture& c);
bool isOnFoundationRow(const CardPicture& c);

}  // namespace morvane

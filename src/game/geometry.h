// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table's geometry in pixels of the client area: places, piles, labels and the parking spots.
#pragma once

#include <cmath>
#include <cstdint>

namespace morvane::geometry {

inline constexpr int kTableWidth = 594;
inline constexpr int kTableHeight = 425;
inline constexpr int kWindowWidth = 600;
inline constexpr float kTwipsPerPixel = 15.0F;

// Some sizes of the window are given in twips, fifteen to a pixel.
constexpr float fromTwips(float twips) { return twips / kTwipsPerPixel; }

// A card control is the 62 x 100 face in a one-pixel border; hit tests use 64 x 100.
inline constexpr float kCardWidth = 64.0F;
inline constexpr float kCardHeight = 102.0F;
inline constexpr float kProbeWidth = 64.0F;
inline constexpr float kProbeHeight = 100.0F;
inline constexpr float kBackWidth = 63.0F;
inline constexpr float kBackHeight = 100.0F;

// Four foundations in a row, and under each its column.
inline constexpr int kPiles = 4;
inline constexpr float kPlacePitch = 70.0F;
inline constexpr float kPlaceOrigin = 20.0F;
inline constexpr float kFoundationTop = 10.0F;
inline constexpr float kColumnTop = 120.0F;
inline constexpr float kRowPitch = 30.0F;
inline constexpr float kRowOrigin = 90.0F;
// A card released at Top 110 or above is asked of the foundations: their row is a card's 100 from 10 down.
inline constexpr float kFoundationRowBottom = kFoundationTop + kProbeHeight;

// Cards that are not face up lie beyond the right edge of the table, at the window's full width of 600.
inline constexpr float kParkedLeft = static_cast<float>(kWindowWidth);
inline constexpr float kStockTop = 10.0F;
inline constexpr float kReserveTop = 300.0F;
// Where the cards lie when the window is created, before the first deal (6840, 7965 twips).
inline constexpr float kLoadLeft = 456.0F;
inline constexpr float kLoadTop = 531.0F;

inline constexpr float kStockLeft = 500.0F;
inline constexpr float kStockTopEdge = 10.0F;
// The stock's place is its image's: 563 is its right edge, 500 + 63; 110 its bottom, 10 + 100.
inline constexpr float kStockRight = kStockLeft + kBackWidth;
inline constexpr float kStockBottom = kStockTopEdge + kBackHeight;
inline constexpr float kReserveLeft = 10.0F;
inline constexpr float kReserveImageTop = 10.0F;

// A turn of the stock deals its next cards into the slots of the waste fan, one each: 380, 400 and
// 420. Older waste cards square up at 380.
inline constexpr int kCardsPerTurn = 3;
inline constexpr float kWasteLeft = 380.0F;
inline constexpr float kWasteFanStep = 20.0F;
inline constexpr float kWasteRight = kWasteLeft + kWasteFanStep * static_cast<float>(kCardsPerTurn - 1);
// Slot s (1..kCardsPerTurn) of the fan lies at 360 + 20 s: 360 is the slot before the first.
inline constexpr float kWasteFanOrigin = kWasteLeft - kWasteFanStep;
// A card lies in the waste when its x is strictly between 379 and 421, a pixel beyond the fan's ends.
inline constexpr float kWasteLowEdge = kWasteLeft - 1.0F;
inline constexpr float kWasteHighEdge = kWasteRight + 1.0F;

inline constexpr float kLabel1Left = 380.0F;
inline constexpr float kLabel1Top = 120.0F;
inline constexpr float kLabel1Width = fromTwips(1692.0F);
inline constexpr float kLabel1Height = fromTwips(1212.0F);
inline constexpr float kLabel6Left = 20.0F;
inline constexpr float kLabel6Top = 120.0F;
inline constexpr float kLabel6Width = fromTwips(492.0F);
inline constexpr float kLabel6Height = fromTwips(372.0F);
// The win prompt never moves.
inline constexpr float kLabel5Left = fromTwips(1080.0F);
inline constexpr float kLabel5Top = fromTwips(2760.0F);
inline constexpr float kLabel5Width = fromTwips(3345.0F);
inline constexpr float kLabel5Height = fromTwips(1095.0F);

// The x of foundation k and of column k (k = 1..4).
constexpr float placeLeft(int k) { return kPlaceOrigin + kPlacePitch * static_cast<float>(k); }

// Place number 1..8: 1..4 the foundations, 5..8 the columns under them.
constexpr float placeLeftOf(int place) { return placeLeft(place <= 4 ? place : place - 4); }
constexpr float placeTopOf(int place) { return place <= 4 ? kFoundationTop : kColumnTop; }

// The x of slot s (1..3) of the waste fan.
constexpr float wasteSlotLeft(int slot) { return kWasteFanOrigin + kWasteFanStep * static_cast<float>(slot); }

// Where the n-th card of a column lies (n = 1, 2, ...).
constexpr float columnRowTop(int n) { return kColumnTop + kRowPitch * static_cast<float>(n - 1); }

// A float place or slot number turned into the nearest whole place number.
inline std::int16_t nearestWhole(float value) { return static_cast<std::int16_t>(std::lround(value)); }

// Foundation or column number 1..4 from a card's x.
inline std::int16_t placeNumberFromX(float left) { return nearestWhole((left - kPlaceOrigin) / kPlacePitch); }

}  // namespace morvane::geometry

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, rendered from their drawings at a few scales when the game was built, drawn at
// any zoom from the nearest larger scale through a good filter, and kept at the zoom in use.
#pragma once

#include <windows.h>

#include <array>

#include "canvas.h"
#include "game/card.h"

namespace morvane {

class Pictures {
public:
    // Window pixels to a table pixel: the table's zoom times the screen's scale. A new zoom lets the
    // pictures kept at the old one go.
    void useZoom(double zoom);
    // The card as it lies on the table: its face in a flat one-pixel border, on white; opaque.
    const Bitmap& card(CardIndex card);
    const Bitmap& cardBack();
    // The title picture at the table's size; not kept, since it shows once.
    Bitmap title() const;
    // The smiley pointer of the win prompt, 32 x 32 with its hot spot in the middle.
    static HCURSOR smileyPointer();

private:
    double zoom_ = 1.0;
    std::array<Bitmap, kCardCount + 1> cards_;  // by card index; entry 0 is unused
    Bitmap back_;
};

// A picture of the executable's resources decoded; null when missing or unreadable.
Bitmap decodedResource(int number);
// A picture resampled to another size, its alpha kept premultiplied.
Bitmap resized(const Bitmap& picture, int width, int height);

}  // namespace morvane

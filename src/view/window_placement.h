// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window opens and how large: the table at its own size, centred, smaller only where it must.
#pragma once

#include "view/pixels.h"

namespace morvane {

// The largest zoom up to 1 at which the table, with the menu bar and the frame round it (`chrome`, as a
// width and height added to the table's), fits the screen's free area.
double openingZoom(const Rect& available, int chromeWidth, int chromeHeight);

// The top-left corner of a frame of this size centred on the screen's free area, moved in where it
// would reach out of it, and to its top-left where it cannot fit.
Point centredFrame(const Rect& available, int frameWidth, int frameHeight);

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's backing picture and the few ways of drawing on it: fill, blend a picture, a smooth ring,
// a hatch, text in a box. Everything is drawn in window pixels and clipped to the part being drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/table.h"
#include "view/pixels.h"

namespace morvane {

// A picture in 32-bit pixels, blue in the low byte, with its alpha premultiplied.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool isNull() const { return pixels.empty(); }
};

// Source over destination, per channel, the source's alpha premultiplied; the result is opaque when
// the destination is.
std::uint32_t over(std::uint32_t source, std::uint32_t destination);

class Canvas {
public:
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    // A new size loses what was drawn.
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    HDC dc() const { return dc_; }

    // Everything drawn until the next clip lands only inside `clip`.
    void clipTo(const Rect& clip);
    void fill(const Rect& box, Rgb colour);
    // The picture's top-left corner at (x, y), blended over what lies there.
    void blend(const Bitmap& picture, int x, int y);
    // A circle's outline `width` wide round `centre`, its inside filled, smoothed at its edges.
    void ring(PointF centre, double radius, double width, Rgb outline, Rgb inside);
    // Lines one `pitch`-th apart both ways across the box, `weight` pixels thick, in the box's own grid.
    void hatch(const Rect& box, double pitch, double weight, Rgb colour);
    // Text centred across at the top of the box; wrapped at its spaces when `wrapped`.
    void text(const Rect& box, const std::wstring& text, HFONT font, Rgb colour, bool wrapped);

private:
    std::uint32_t* row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * width_; }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    Rect clip_;
};

}  // namespace morvane

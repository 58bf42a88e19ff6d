// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Points and rectangles of pixels, of the table or of the view, whole or fractional, with no toolkit's types.
#pragma once

#include <algorithm>
#include <cmath>

namespace morvane {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Whole pixels: the rectangle from (left, top) over width x height pixels; empty when either is 0 or less.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }  // one past the last pixel
    int bottom() const { return top + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    Rect adjusted(int dLeft, int dTop, int dRight, int dBottom) const
    {
        return {left + dLeft, top + dTop, width - dLeft + dRight, height - dTop + dBottom};
    }
    bool intersects(const Rect& other) const { return !(*this & other).isEmpty(); }
    friend Rect operator&(const Rect& a, const Rect& b)
    {
        const int l = std::max(a.left, b.left);
        const int t = std::max(a.top, b.top);
        const int r = std::min(a.right(), b.right());
        const int d = std::min(a.bottom(), b.bottom());
        return r > l && d > t ? Rect{l, t, r - l, d - t} : Rect{};
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    friend Rect operator|(const Rect& a, const Rect& b)
    {
        if (a.isEmpty()) {
            return b;
        }
        if (b.isEmpty()) {
            return a;
        }
        const int l = std::min(a.left, b.left);
        const int t = std::min(a.top, b.top);
        return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct RectF {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    PointF topLeft() const { return {left, top}; }
    RectF adjusted(double dLeft, double dTop, double dRight, double dBottom) const
    {
        return {left + dLeft, top + dTop, width - dLeft + dRight, height - dTop + dBottom};
    }
    // Every whole pixel this rectangle covers, in part or whole.
    Rect alignedRect() const
    {
        const int l = static_cast<int>(std::floor(left));
        const int t = static_cast<int>(std::floor(top));
        return {l, t, static_cast<int>(std::ceil(right())) - l, static_cast<int>(std::ceil(bottom())) - t};
    }
    friend RectF operator|(const RectF& a, const RectF& b)
    {
        const double l = std::min(a.left, b.left);
        const double t = std::min(a.top, b.top);
        return {l, t, std::max(a.right(), b.right()) - l, std::max(a.bottom(), b.bottom()) - t};
    }
    friend bool operator==(const RectF&, const RectF&) = default;
};

inline RectF toRectF(const Rect& r) { return {double(r.left), double(r.top), double(r.width), double(r.height)}; }

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A top-down 32-bit DIB section: GDI writes its text there, and the rest is written pixel by pixel.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace morvane {
namespace {

std::uint32_t pixelOf(Rgb colour)
{
    return (std::uint32_t{colour.r} << 16U) | (std::uint32_t{colour.g} << 8U) | colour.b;
}

}  // namespace

std::uint32_t over(std::uint32_t source, std::uint32_t destination)
{
    const std::uint32_t alpha = source >> 24U;
    if (alpha == 255) {
        return source & 0xFFFFFFU;
    }
    std::uint32_t result = 0;
    for (unsigned shift = 0; shift < 24; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFFU;
        const std::uint32_t d = (destination >> shift) & 0xFFU;
        result |= std::min(255U, s + (d * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}

namespace {

std::uint32_t mix(std::uint32_t a, std::uint32_t b, double share)
{
    std::uint32_t result = 0;
    for (unsigned shift = 0; shift < 24; shift += 8) {
        const double ca = (a >> shift) & 0xFFU;
        const double cb = (b >> shift) & 0xFFU;
        result |= static_cast<std::uint32_t>(std::lround(ca * share + cb * (1.0 - share))) << shift;
    }
    return result;
}

}  // namespace

Canvas::~Canvas() { resize(0, 0); }

void Canvas::resize(int width, int height)
{
    if (dc_ != nullptr) {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        dc_ = nullptr;
        pixels_ = nullptr;
    }
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    clip_ = {0, 0, width_, height_};
    if (width_ == 0 || height_ == 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
    SetBkMode(dc_, TRANSPARENT);
}

void Canvas::clipTo(const Rect& clip)
{
    clip_ = clip & Rect{0, 0, width_, height_};
    if (dc_ != nullptr) {
        HRGN region = CreateRectRgn(clip_.left, clip_.top, clip_.right(), clip_.bottom());
        SelectClipRgn(dc_, region);
        DeleteObject(region);
    }
}

void Canvas::fill(const Rect& box, Rgb colour)
{
    const Rect part = box & clip_;
    if (part.isEmpty()) {
        return;
    }
    GdiFlush();
    for (int y = part.top; y < part.bottom(); ++y) {
        std::fill_n(row(y) + part.left, part.width, pixelOf(colour));
    }
}

void Canvas::blend(const Bitmap& picture, int x, int y)
{
    const Rect part = Rect{x, y, picture.width, picture.height} & clip_;
    if (part.isEmpty()) {
        return;
    }
    GdiFlush();
    for (int py = part.top; py < part.bottom(); ++py) {
        const std::uint32_t* source =
            picture.pixels.data() + static_cast<std::ptrdiff_t>(py - y) * picture.width + (part.left - x);
        std::uint32_t* target = row(py) + part.left;
        for (int px = 0; px < part.width; ++px) {
            target[px] = over(source[px], target[px]);
        }
    }
}

// Each pixel is sampled four by four: the share of samples in the outline, inside it, or outside.
void Canvas::ring(PointF centre, double radius, double width, Rgb outline, Rgb inside)
{
    const double outer = radius + width / 2.0;
    const double inner = radius - width / 2.0;
    const Rect box = Rect{static_cast<int>(std::floor(centre.x - outer)), static_cast<int>(std::floor(centre.y - outer)),
                          static_cast<int>(std::ceil(2 * outer)) + 2, static_cast<int>(std::ceil(2 * outer)) + 2} &
                     clip_;
    if (box.isEmpty()) {
        return;
    }
    GdiFlush();
    constexpr int kSamples = 4;
    for (int y = box.top; y < box.bottom(); ++y) {
        for (int x = box.left; x < box.right(); ++x) {
            int onOutline = 0;
            int within = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double dx = x + (sx + 0.5) / kSamples - centre.x;
                    const double dy = y + (sy + 0.5) / kSamples - centre.y;
                    const double distance = std::sqrt(dx * dx + dy * dy);
                    onOutline += distance >= inner && distance <= outer ? 1 : 0;
                    within += distance < inner ? 1 : 0;
                }
            }
            const double all = kSamples * kSamples;
            std::uint32_t& pixel = row(y)[x];
            pixel = mix(pixelOf(inside), pixel, within / all);
            pixel = mix(pixelOf(outline), pixel, onOutline / all);
        }
    }
}

void Canvas::hatch(const Rect& box, double pitch, double weight, Rgb colour)
{
    const Rect part = box & clip_;
    if (part.isEmpty()) {
        return;
    }
    GdiFlush();
    const auto onLine = [pitch, weight](double along) {
        const double offset = along - pitch * std::floor(along / pitch);
        return offset < weight;
    };
    for (int y = part.top; y < part.bottom(); ++y) {
        for (int x = part.left; x < part.right(); ++x) {
            const double u = x - box.left;
            const double v = y - box.top;
            if (onLine(u + v) || onLine(u - v)) {
                row(y)[x] = pixelOf(colour);
            }
        }
    }
}

void Canvas::text(const Rect& box, const std::wstring& text, HFONT font, Rgb colour, bool wrapped)
{
    if ((box & clip_).isEmpty()) {
        return;
    }
    GdiFlush();
    const HGDIOBJ before = SelectObject(dc_, font);
    SetTextColor(dc_, RGB(colour.r, colour.g, colour.b));
    RECT area{box.left, box.top, box.right(), box.bottom()};
    const UINT format = DT_CENTER | DT_TOP | DT_NOPREFIX | DT_NOCLIP | (wrapped ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc_, before);
    GdiFlush();
}

}  // namespace morvane

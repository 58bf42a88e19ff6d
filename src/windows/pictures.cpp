// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures come from the executable's PNG resources, one per drawing and scale.
#include "pictures.h"

#include <stb_image.h>
#include <stb_image_resize.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "game/geometry.h"
#include "view/table_layers.h"

namespace morvane {
namespace {

// Numbered as tools/art/windows_resources.py numbers them: the smiley, then by scale and picture.
constexpr int kFirstPicture = 1000;
constexpr int kPicturesPerScale = 100;
constexpr int kBackPicture = 41;
constexpr int kTitlePicture = 42;
constexpr std::array<int, 4> kScales{1, 2, 4, 8};
constexpr int kLargestTitleScale = 4;

// The picture drawn at the nearest scale at or above the zoom, or the largest there is.
Bitmap nearestLarger(int picture, double zoom, int largest)
{
    for (const int scale : kScales) {
        if (scale >= zoom - 1e-9 || scale == largest) {
            Bitmap found = decodedResource(kFirstPicture + kPicturesPerScale * scale + picture);
            if (!found.isNull()) {
                return found;
            }
        }
    }
    return {};
}

int zoomed(double length, double zoom) { return std::max(1, static_cast<int>(std::lround(length * zoom))); }

Bitmap drawing(int picture, double width, double height, double zoom, int largest = kScales.back())
{
    return resized(nearestLarger(picture, zoom, largest), zoomed(width, zoom), zoomed(height, zoom));
}

std::uint32_t opaque(Rgb colour)
{
    return 0xFF000000U | (std::uint32_t{colour.r} << 16U) | (std::uint32_t{colour.g} << 8U) | colour.b;
}

// The face over white in the border, composed once, so that a card is drawn as one picture.
Bitmap composedCard(const Bitmap& face, double zoom)
{
    Bitmap card{zoomed(geometry::kCardWidth, zoom), zoomed(geometry::kCardHeight, zoom), {}};
    card.pixels.assign(static_cast<std::size_t>(card.width) * card.height, opaque(kCardBorder));
    const int border = zoomed(1.0, zoom);
    for (int y = border; y < card.height - border; ++y) {
        std::fill_n(card.pixels.begin() + static_cast<std::ptrdiff_t>(y) * card.width + border,
                    std::max(0, card.width - 2 * border), opaque(kCardGround));
    }
    for (int y = 0; y < face.height && y + border < card.height - border; ++y) {
        for (int x = 0; x < face.width && x + border < card.width - border; ++x) {
            const std::uint32_t source = face.pixels[static_cast<std::size_t>(y) * face.width + x];
            std::uint32_t& target = card.pixels[static_cast<std::size_t>(y + border) * card.width + x + border];
            target = over(source, target) | 0xFF000000U;
        }
    }
    return card;
}

}  // namespace

Bitmap decodedResource(int number)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(number), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* data = static_cast<const stbi_uc*>(LockResource(loaded));
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(data, static_cast<int>(SizeofResource(nullptr, found)), &width, &height,
                                          &channels, 4);
    if (rgba == nullptr) {
        return {};
    }
    Bitmap picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const stbi_uc* p = rgba + 4 * i;
        const std::uint32_t a = p[3];
        const auto premultiplied = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        picture.pixels[i] = (a << 24U) | (premultiplied(p[0]) << 16U) | (premultiplied(p[1]) << 8U) | premultiplied(p[2]);
    }
    stbi_image_free(rgba);
    return picture;
}

// Resampled in linear light with a Mitchell filter, which keeps thin lines and edges crisp when shrinking.
Bitmap resized(const Bitmap& picture, int width, int height)
{
    if (picture.isNull() || (picture.width == width && picture.height == height)) {
        return picture;
    }
    Bitmap result{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    stbir_resize_uint8_generic(reinterpret_cast<const unsigned char*>(picture.pixels.data()), picture.width,
                               picture.height, 0, reinterpret_cast<unsigned char*>(result.pixels.data()), width,
                               height, 0, 4, 3, STBIR_FLAG_ALPHA_PREMULTIPLIED, STBIR_EDGE_CLAMP, STBIR_FILTER_MITCHELL,
                               STBIR_COLORSPACE_LINEAR, nullptr);
    return result;
}

void Pictures::useZoom(double zoom)
{
    if (zoom != zoom_) {
        zoom_ = zoom;
        cards_.fill(Bitmap{});
        back_ = Bitmap{};
    }
}

const Bitmap& Pictures::card(CardIndex card)
{
    Bitmap& picture = cards_.at(static_cast<std::size_t>(card));
    if (picture.isNull()) {
        const int border = zoomed(1.0, zoom_);
        const Bitmap drawn = nearestLarger(card, zoom_, kScales.back());
        picture = composedCard(resized(drawn, zoomed(geometry::kCardWidth, zoom_) - 2 * border,
                                       zoomed(geometry::kCardHeight, zoom_) - 2 * border),
                               zoom_);
    }
    return picture;
}

const Bitmap& Pictures::cardBack()
{
    if (back_.isNull()) {
        back_ = drawing(kBackPicture, geometry::kBackWidth, geometry::kBackHeight, zoom_);
    }
    return back_;
}

Bitmap Pictures::title() const
{
    return drawing(kTitlePicture, geometry::kTableWidth, geometry::kTableHeight, zoom_, kLargestTitleScale);
}

HCURSOR Pictures::smileyPointer()
{
    const Bitmap smiley = decodedResource(kFirstPicture);
    if (smiley.isNull()) {
        return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    }
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = smiley.width;
    header.bV5Height = -smiley.height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    std::copy(smiley.pixels.begin(), smiley.pixels.end(), static_cast<std::uint32_t*>(bits));
    HBITMAP mask = CreateBitmap(smiley.width, smiley.height, 1, 1, nullptr);
    ICONINFO info{FALSE, static_cast<DWORD>(smiley.width / 2), static_cast<DWORD>(smiley.height / 2), mask, colour};
    HCURSOR pointer = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return pointer;
}

}  // namespace morvane

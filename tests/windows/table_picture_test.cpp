// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows table picture: what it draws after a change is what a whole drawing of the table gives,
// at the table's own size and at zooms whose table pixels are no whole window pixels; and the
// pictures compiled in are found at every zoom.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "support/fake_ports.h"
#include "windows/pictures.h"
#include "windows/table_picture.h"

namespace morvane {
namespace {

// The window pixels of a picture, copied out as the window would show them.
std::vector<std::uint32_t> shown(const TablePicture& picture, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(dc, bitmap);
    picture.copyTo(dc, RECT{0, 0, width, height});
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> copy(pixels, pixels + static_cast<std::ptrdiff_t>(width) * height);
    SelectObject(dc, before);
    DeleteObject(bitmap);
    DeleteDC(dc);
    for (std::uint32_t& pixel : copy) {
        pixel &= 0xFFFFFFU;  // GDI's text leaves the unused byte as it likes
    }
    return copy;
}

struct Zoomed {
    int width;
    int height;
};

class PartialRepaint : public ::testing::TestWithParam<Zoomed> {};

// A card carried over its neighbours a few pixels at a time, then let go where the rules send it
// home, and the reserve turned: each step drawn only where it changed, then compared with the whole.
TEST_P(PartialRepaint, LeavesThePixelsOfAWholeDrawing)
{
    const auto [width, height] = GetParam();
    auto machine = testing::dealtGame();
    Table& table = machine->game.table;
    TablePicture followed(table);
    followed.resize(width, height);
    followed.follow();
    EXPECT_TRUE(followed.follow().empty()) << "a table that did not change is drawn again";

    const CardIndex carried = table.dealtAt(1);
    table.bringToFront(carried);
    for (int step = 1; step <= 7; ++step) {
        table.move(carried, table.card(carried).Left + 9.5F, table.card(carried).Top + 3.0F);
        EXPECT_FALSE(followed.follow().empty());
    }
    table.move(carried, geometry::placeLeft(1), geometry::kColumnTop);
    table.Label6.Caption = "6";
    table.Label1.ForeColor = kLabelRed;
    followed.follow();

    TablePicture whole(table);
    whole.resize(width, height);
    whole.follow();
    const auto expected = shown(whole, width, height);
    const auto actual = shown(followed, width, height);
    int differing = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        differing += expected[i] != actual[i] ? 1 : 0;
    }
    EXPECT_EQ(differing, 0) << "pixels left behind at " << width << " x " << height;
}

// At any zoom the table fills the window: green to both edges, the column area to the bottom edge;
// and with the stock used up, its place shows the white ring on dark green.
TEST_P(PartialRepaint, TheTableFillsTheWindowAndShowsItsDecoration)
{
    const auto [width, height] = GetParam();
    auto machine = testing::dealtGame();
    machine->game.table.Mazzo.Visible = false;
    TablePicture picture(machine->game.table);
    picture.resize(width, height);
    picture.follow();
    const auto pixels = shown(picture, width, height);
    const auto at = [&](double x, double y) {
        const RectF spot = picture.zoom().toView(RectF{x, y, 0.0, 0.0});
        const int column = std::min(width - 1, static_cast<int>(spot.left));
        const int row = std::min(height - 1, static_cast<int>(spot.top));
        return pixels.at(static_cast<std::size_t>(row) * width + column);
    };
    constexpr std::uint32_t kGreen = 0x008000;
    constexpr std::uint32_t kDark = 0x004000;
    EXPECT_EQ(pixels.at(static_cast<std::size_t>(height / 2) * width), kGreen);
    EXPECT_EQ(pixels.at(static_cast<std::size_t>(height / 2) * width + width - 1), kGreen);
    EXPECT_EQ(at(200.0, picture.zoom().bottom()), kDark) << "the column area does not reach the bottom edge";
    EXPECT_EQ(at(531.0, 40.0), 0xFFFFFFU) << "no white ring on the empty stock";
    EXPECT_EQ(at(531.0, 60.0), kDark) << "the ring is not filled dark green";
}

INSTANTIATE_TEST_SUITE_P(Zooms, PartialRepaint,
                         ::testing::Values(Zoomed{594, 425}, Zoomed{814, 600}, Zoomed{891, 638}, Zoomed{1300, 850}),
                         [](const ::testing::TestParamInfo<Zoomed>& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

// Every card, the back and the title are compiled in at each scale, and the cards all differ.
TEST(Pictures, EveryPictureIsFoundAtEveryZoomAndNoTwoCardsAlike)
{
    for (const double zoom : {1.0, 1.5, 3.0, 6.5}) {
        Pictures pictures;
        pictures.useZoom(zoom);
        std::set<std::vector<std::uint32_t>> faces;
        for (CardIndex c = 1; c <= kCardCount; ++c) {
            const Bitmap& card = pictures.card(c);
            EXPECT_EQ(card.width, static_cast<int>(std::lround(64 * zoom)));
            faces.insert(card.pixels);
        }
        EXPECT_EQ(faces.size(), static_cast<std::size_t>(kCardCount)) << "at zoom " << zoom;
        EXPECT_EQ(pictures.cardBack().height, static_cast<int>(std::lround(100 * zoom)));
        EXPECT_EQ(pictures.title().width, static_cast<int>(std::lround(594 * zoom)));
    }
}

}  // namespace
}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Painted bottom to top: the title picture, or the green table with its decoration; the place marks;
// the stock and reserve backs; the labels; the cards back to front, only where the view shows the table.
#include "table_picture.h"

#include <cmath>

#include "view/table_decoration.h"
#include "view/table_layers.h"
#include "wide_text.h"

namespace morvane {
namespace {

// A hatch line every eight table pixels, one table pixel thick.
constexpr double kHatchPitch = 8.0;

}  // namespace

TablePicture::TablePicture(const Table& table) : table_(table) {}

void TablePicture::resize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    zoom_ = TableZoom(width, height);
    canvas_.resize(width, height);
    pictures_.useZoom(zoom_.factor());
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const FontAsked& font = labelLooks().at(i).font;
        labels_.at(i).font = Font(font, static_cast<int>(std::lround(font.pixelSize * zoom_.factor())));
    }
    drawn_.reset();
}

// Captions are measured at the table's own size, where the view places them.
void TablePicture::measureLabels()
{
    HDC dc = canvas_.dc();
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelLook& look = labelLooks().at(i);
        const Label& label = table_.*look.label;
        LabelState& state = labels_.at(i);
        const PointF at{label.Left, label.Top};
        if (!label.Visible || (state.measured && state.caption == label.Caption && state.at == at)) {
            continue;
        }
        state = {std::move(state.font), label.Caption, at, true, widen(label.Caption), {}};
        const RectF box = labelBox(look, label);
        const Font measuring(look.font, look.font.pixelSize);
        const HGDIOBJ before = SelectObject(dc, measuring.handle());
        RECT text{0, 0, static_cast<LONG>(box.width), 0};
        DrawTextW(dc, state.text.c_str(), static_cast<int>(state.text.size()), &text,
                  DT_CALCRECT | DT_NOPREFIX | (look.wrapped ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, before);
        const double width = text.right - text.left;
        const RectF measured{box.left + (box.width - width) / 2.0, box.top, width, double(text.bottom - text.top)};
        state.extent = labelExtent(box, measured, look.font.pixelSize);
    }
}

std::array<MeasuredLabel, 3> TablePicture::measuredLabels() const
{
    std::array<MeasuredLabel, 3> measured;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        measured.at(i) = {&(table_.*labelLooks().at(i).label), labels_.at(i).extent};
    }
    return measured;
}

std::vector<Rect> TablePicture::follow()
{
    if (canvas_.dc() == nullptr) {
        return {};
    }
    measureLabels();
    DrawnTable now = drawnTable(table_, measuredLabels());
    std::vector<Rect> changed;
    if (!drawn_) {
        changed.push_back({0, 0, canvas_.width(), canvas_.height()});
    } else {
        for (const Rect& area : changedAreas(*drawn_, now, zoom_.wholeTable())) {
            changed.push_back(zoom_.toView(area));
        }
    }
    drawn_ = std::move(now);
    for (const Rect& area : changed) {
        paint(area);
    }
    return changed;
}

void TablePicture::copyTo(HDC target, const RECT& part) const
{
    BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, canvas_.dc(), part.left,
           part.top, SRCCOPY);
}

void TablePicture::paint(const Rect& area)
{
    canvas_.clipTo(area);
    canvas_.fill(area, kTableGreen);
    paintBackground();
    canvas_.clipTo(area & zoom_.tableArea());
    const Rect tablePart = zoom_.toTable(area);
    const double zoom = zoom_.factor();
    for (const PlaceMark& mark : placeMarks(drawnBackground(table_))) {
        if (mark.box.intersects(tablePart)) {
            const Rect box = inWindow(toRectF(mark.box));
            canvas_.hatch(box, kHatchPitch * zoom, zoom, mark.colour);
            const int edge = std::max(1, static_cast<int>(std::lround(zoom)));
            canvas_.fill({box.left, box.top, box.width, edge}, mark.colour);
            canvas_.fill({box.left, box.bottom() - edge, box.width, edge}, mark.colour);
            canvas_.fill({box.left, box.top, edge, box.height}, mark.colour);
            canvas_.fill({box.right() - edge, box.top, edge, box.height}, mark.colour);
        }
    }
    for (const RectF& back : shownBacks(table_)) {
        if (areaOf(back).intersects(tablePart)) {
            const Rect box = inWindow(back);
            canvas_.blend(pictures_.cardBack(), box.left, box.top);
        }
    }
    paintLabels(tablePart);
    paintCards(tablePart);
}

// The title picture until the pause is over; then the table's decoration, drawn anew with each deal.
void TablePicture::paintBackground()
{
    if (table_.titlePictureShown) {
        const Rect box = inWindow({0.0, 0.0, double(geometry::kTableWidth), double(geometry::kTableHeight)});
        canvas_.blend(pictures_.title(), box.left, box.top);
    }
    if (!table_.decorationDrawn) {
        return;
    }
    const Decoration drawn = decoration(zoom_.wholeTable().height);
    for (const Ink& ink : drawn.inks) {
        const RectF box{double(ink.from.x), double(ink.from.y), double(ink.to.x - ink.from.x + 1),
                        double(ink.to.y - ink.from.y + 1)};
        canvas_.fill(inWindow(box), ink.colour);
    }
    const RectF ringBox = zoom_.toView(RectF{drawn.ring.centre.x, drawn.ring.centre.y, 0.0, 0.0});
    canvas_.ring(ringBox.topLeft(), drawn.ring.radius * zoom_.factor(), drawn.ring.width * zoom_.factor(),
                 drawn.ring.outline, drawn.ring.inside);
}

void TablePicture::paintLabels(const Rect& tablePart)
{
    const int edge = std::max(1, static_cast<int>(std::lround(zoom_.factor())));
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelLook& look = labelLooks().at(i);
        const Label& label = table_.*look.label;
        const LabelState& state = labels_.at(i);
        if (!label.Visible || !state.extent.intersects(tablePart)) {
            continue;
        }
        const Rect box = inWindow(labelBox(look, label));
        canvas_.fill(box, kLabelBorder);
        canvas_.fill(box.adjusted(edge, edge, -edge, -edge), look.ground);
        canvas_.text(box, state.text, state.font.handle(), label.ForeColor, look.wrapped);
    }
}

void TablePicture::paintCards(const Rect& tablePart)
{
    for (const CardIndex c : table_.drawingOrder) {
        const CardPicture& card = table_.card(c);
        if (cardArea({card.Left, card.Top}).intersects(tablePart)) {
            const Rect box = inWindow(cardBox(card));
            canvas_.blend(pictures_.card(c), box.left, box.top);
        }
    }
}

}  // namespace morvane

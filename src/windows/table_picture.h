// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table as the window shows it, kept drawn in a backing picture: after each event only what
// differs from what was last drawn is drawn again, bottom to top in the view's order.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "canvas.h"
#include "fonts.h"
#include "game/table.h"
#include "pictures.h"
#include "view/drawn_table.h"
#include "view/table_zoom.h"

namespace morvane {

class TablePicture {
public:
    explicit TablePicture(const Table& table);

    // The window's table area at a new size: a new zoom, and all of it drawn anew.
    void resize(int width, int height);
    const TableZoom& zoom() const { return zoom_; }
    // Draws what differs from what was last drawn; returns the window pixels it drew.
    std::vector<Rect> follow();
    // Copies a part of the picture onto the window.
    void copyTo(HDC target, const RECT& part) const;

private:
    // A label's look at the current zoom, and its caption as last measured.
    struct LabelState {
        Font font;
        std::string caption;
        PointF at;
        bool measured = false;
        std::wstring text;
        Rect extent;
    };

    void measureLabels();
    std::array<MeasuredLabel, 3> measuredLabels() const;
    void paint(const Rect& area);
    void paintBackground();
    void paintLabels(const Rect& tablePart);
    void paintCards(const Rect& tablePart);
    Rect inWindow(const RectF& tableBox) const { return zoom_.toDevice(tableBox); }

    const Table& table_;
    TableZoom zoom_;
    Canvas canvas_;
    Pictures pictures_;
    std::array<LabelState, 3> labels_;
    std::optional<DrawnTable> drawn_;
};

}  // namespace morvane

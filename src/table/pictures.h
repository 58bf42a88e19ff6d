// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, compiled in as vector drawings and rendered crisp at their size on the screen.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <array>

#include "view/table_zoom.h"

namespace morvane {

class Pictures {
public:
    // Pictures are rendered at the size in whole device pixels that the zoom gives them.
    void useZoom(const TableZoom& zoom);
    // The card of card index 1..40 as it lies on the table: its 62 x 100 face in a flat one-pixel border,
    // on the card's own white ground. Rendered the first time it is asked for.
    const QPixmap& card(int card);
    // The card back of the stock and the reserve, 63 x 100 at the table's own size.
    const QPixmap& cardBack() const { return back_; }
    // The title picture at this size, rendered afresh: it is shown only once, as the first background.
    static QPixmap title(QSize size);
    static QIcon windowIcon();
    static QCursor smileyPointer();

private:
    QSize cardSize_;
    std::array<QPixmap, 41> cards_;  // by card index; entry 0 is unused
    QPixmap back_;
};

}  // namespace morvane

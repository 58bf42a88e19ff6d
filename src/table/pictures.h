// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, compiled in as vector drawings and rendered crisp at the screen's pixel ratio.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <array>

namespace morvane {

class Pictures {
public:
    // Pictures are rendered at one pixel ratio; a new ratio lets the old renderings go.
    void useRatio(qreal devicePixelRatio);
    qreal ratio() const { return ratio_; }
    // The card of card index 1..40 as it lies on the table: its 62 x 100 face in a flat one-pixel border,
    // on the card's own white ground. Rendered the first time it is asked for.
    const QPixmap& card(int card);
    // The card back of the stock and the reserve, 63 x 100.
    const QPixmap& cardBack();
    // The title picture, 594 x 425, rendered afresh: it is shown only once, as the first background.
    QPixmap title() const;
    static QIcon windowIcon();
    static QCursor smileyPointer();

private:
    qreal ratio_ = 1.0;
    std::array<QPixmap, 41> cards_;  // by card index; entry 0 is unused
    QPixmap back_;
};

}  // namespace morvane

# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window icon and the launcher icon: the small sizes laid on the pixel grid, the large one from the deck's own ace."""

import math
import re
from dataclasses import dataclass

import faces
import paints
from svg import Picture, group, linear_gradient, rect

EDGE = "#262626"   # a little darker than the faces' edge, so that a card still stands out at 16 pixels
BAR = "#1f4fbf"
FACE = "#ffffff"


def corner_insets(radius):
    """How far each row of a rounded corner is cut back: the pixels whose centres fall outside the corner's circle."""
    insets = []
    for row in range(math.ceil(radius)):
        dy = radius - row - 0.5
        inset = sum(1 for column in range(math.ceil(radius)) if (radius - column - 0.5) ** 2 + dy ** 2 > radius ** 2)
        if inset == 0:
            break
        insets.append(inset)
    return insets


def rounded(x, y, width, height, radius, fill):
    """A rounded rectangle of whole pixels: one rectangle per cut-back corner row, then the full-width middle."""
    insets = corner_insets(radius)
    shapes = [rect(x + inset, y + row, width - 2 * inset, height - 2 * row, fill=fill)
              for row, inset in enumerate(insets)]
    shapes.append(rect(x, y + len(insets), width, height - 2 * len(insets), fill=fill))
    return shapes


def disc(x, y, diameter, fill):
    """A round shape of whole pixels, diameter pixels across, its bounding square's corner at (x, y)."""
    return rounded(x, y, diameter, diameter, diameter / 2, fill)


@dataclass(frozen=True)
class Card:
    """One card on the pixel grid: its top-left corner, its size and the radius of its corners."""
    x: int
    y: int
    width: int
    height: int
    radius: float

    def outline(self):
        """A one-pixel edge around a white face."""
        return (rounded(self.x, self.y, self.width, self.height, self.radius, EDGE)
                + rounded(self.x + 1, self.y + 1, self.width - 2, self.height - 2, self.radius - 1, FACE))


def bitmap(x, y, rows, fill):
    """A tiny picture drawn as text rows, X for a pixel: one rectangle per run of X."""
    return [rect(x + run.start(), y + dy, len(run.group()), 1, fill=fill)
            for dy, row in enumerate(rows) for run in re.finditer("X+", row)]


# The ace's numeral, a bold serif 1, in two pixel sizes.
ONE = {
    5: ("XX", ".X", ".X", ".X", "XXX"),
    7: (".XX.", "XXX.", ".XX.", ".XX.", ".XX.", ".XX.", "XXXX"),
}


def barred(card, margin, bars):
    """The three-bar card: three blue bars across it, set inside a margin like the pattern of a card's back.

    bars is (height, gap); the bars are centred in the card's height. Where the margin leaves room, a thin
    blue frame runs round the bars with a white pixel either side, as round the pattern of a back."""
    height, gap = bars
    width = card.width - 2 * margin
    span = 3 * height + 2 * gap
    left, top = card.x + margin, card.y + (card.height - span) // 2
    shapes = card.outline()
    if margin >= 4:
        shapes += [rect(left - 2, top - 2, width + 4, span + 4, fill=BAR),
                   rect(left - 1, top - 1, width + 2, span + 2, fill=FACE)]
    return shapes + [rect(left, top + k * (height + gap), width, height, fill=BAR) for k in range(3)]


def coin(x, y, diameter):
    """The Denari coin on the pixel grid: a dark rim, gold, an inner ring when there is room, a red centre."""
    rings = [paints.INK, paints.GOLD]
    if diameter >= 12:
        rings += [paints.GOLD_DARK, paints.GOLD]
    shapes = []
    for inset, colour in enumerate(rings):
        shapes += disc(x + inset, y + inset, diameter - 2 * inset, colour)
    centre = 4 if diameter >= 16 else 2 - diameter % 2   # as even or odd as the coin, so that it sits in the middle
    inset = (diameter - centre) // 2
    return shapes + disc(x + inset, y + inset, centre, paints.RED)


def ace_of_coins(card, diameter, numeral):
    """The ace of Denari, plain: a gold coin on a white card, with a red 1 at the top left when it fits."""
    left = card.x + (card.width - diameter) // 2
    top = card.y + (card.height - diameter) // 2
    shapes = card.outline()
    if numeral:
        shapes += bitmap(card.x + 2, card.y + 2, ONE[numeral], paints.SHORT_NUMERAL)
        top += numeral // 2
    if numeral >= 7:   # room for the suit beside the numeral, as on the deck's strip
        shapes += coin(card.x + 8, card.y + 3, 5)
    return shapes + coin(left, top, diameter)


# The window icon in the sizes a task bar asks for, each laid out on its own pixel grid: the card, the
# margin round its bars, and the bars' height and gap.
WINDOW = {
    16: (Card(3, 0, 10, 16, 2), 2, (2, 2)),
    32: (Card(6, 1, 20, 30, 3.5), 4, (6, 2)),
    48: (Card(9, 1, 30, 46, 5), 6, (9, 3)),
}


def window_icon(size):
    """A small playing card with three blue bars across it, drawn for this size alone."""
    card, margin, bars = WINDOW[size]
    picture = Picture(size, size)
    picture.add(*barred(card, margin=margin, bars=bars))
    return picture


@dataclass(frozen=True)
class Small:
    """How one small launcher size lays out its two cards: the three-bar card behind and up to the left, the ace
    in front. margin and bars set the three-bar card, coin is the ace's coin across in pixels and numeral the
    height of its red 1 (0 where it does not fit)."""
    size: int
    back: Card
    front: Card
    margin: int
    bars: tuple
    coin: int
    numeral: int = 0


SMALL = (
    Small(16, Card(0, 0, 11, 14, 2), Card(5, 2, 11, 14, 2), 2, (2, 2), 7),
    Small(22, Card(1, 0, 13, 19, 2), Card(8, 3, 13, 19, 2), 4, (3, 1), 9),
    Small(24, Card(1, 0, 14, 20, 2), Card(9, 4, 14, 20, 2), 4, (3, 1), 10),
    Small(32, Card(1, 1, 18, 26, 3.5), Card(13, 5, 18, 26, 3.5), 4, (4, 2), 12, 5),
    Small(48, Card(2, 1, 26, 39, 3.5), Card(20, 9, 26, 39, 3.5), 5, (7, 3), 18, 7),
)


def small_launcher(layout):
    """One small size of the launcher icon, drawn for that size alone."""
    picture = Picture(layout.size, layout.size)
    picture.add(*barred(layout.back, layout.margin, layout.bars))
    picture.add(*ace_of_coins(layout.front, layout.coin, layout.numeral))
    return picture


def barred_face(picture):
    """The three-bar card at the size of the deck's faces, its bars lit from above like the deck's gold."""
    blue = picture.paint("bars", linear_gradient("bars", [(0, "#4a7ee0"), (0.5, BAR), (1, "#173c94")]))
    width, height = faces.WIDTH, faces.HEIGHT
    shapes = [faces.frame(),
              rect(5.5, 5.5, width - 11, height - 11, rx=2, fill="none", stroke=BAR, stroke_width=1.4)]
    return shapes + [rect(9.5, top, width - 19, 22, rx=1, fill=blue, stroke="#12306f", stroke_width=0.8)
                     for top in (13, 39, 65)]


def fanned(shapes, centre, angle, scale):
    """A card of the deck's size turned about its middle, with a soft shadow below and to the right."""
    shadow = rect(1.5, 2.5, faces.WIDTH, faces.HEIGHT, rx=4, fill="#000000", fill_opacity=0.22)
    card = group(shadow, *shapes, at=(-faces.WIDTH / 2, -faces.HEIGHT / 2))
    return group(card, at=centre, rotate=angle, scale=scale)


def large_launcher():
    """256 x 256, for 64 pixels and up: the three-bar card fanned behind the deck's own ace of Denari."""
    picture = Picture(256, 256)
    ace = faces.face(1).drawing(picture)
    picture.add(fanned(barred_face(picture), (88, 118), -12, 2.05),
                fanned(ace, (160, 136), 9, 2.05))
    return picture


def launchers():
    """Every launcher picture by file name: one per small size, and the scalable one."""
    named = {f"launcher/{s.size}x{s.size}.svg": small_launcher(s) for s in SMALL}
    named["launcher/scalable.svg"] = large_launcher()
    return named

# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The three court cards: the girl (8), the horse and rider (9) and the king (10), each holding its suit's symbol.

Each figure is a handful of flat-coloured shapes. They are drawn twice: first all together in dark ink with a
wide stroke, then in their own colours without a stroke, so the figure gets one clean outer outline and no
seams where its parts overlap.
"""

import paints
import suits
from paints import INK, SKIN
from svg import circle, element, ellipse, group, path

OUTLINE = 1.4

# Per suit: (clothes, trim, hair, horse) colours, so that no two court cards look alike.
DRESS = (
    ("#2e8b3a", paints.GOLD, "#e3b43a", "#ece6da"),   # Denari
    ("#c0392b", paints.BLUE, "#6b3e1e", "#8a5530"),   # Coppe
    ("#e0872e", "#2e6b2e", "#a0461e", "#b86a30"),     # Bastoni
    ("#3b5ba8", "#b9c3cf", "#2a2020", "#4c4c56"),     # Spade
)

# Where a hand takes hold of each symbol, in the symbol's own units: a coin and a cup from below,
# a baton by its lower end, a sword by its grip. The slender sword is shown a little larger.
HOLD = ((0, 9.5), (0, 10.5), (-4.5, 8.5), (0, -8))
HELD_SIZE = (1.0, 1.0, 1.0, 1.2)


class Shape:
    """One flat part of a figure: a filled shape, or a thick stroked limb when width is given."""

    def __init__(self, tag, colour, width=None, **geometry):
        self.tag, self.colour, self.width, self.geometry = tag, colour, width, geometry

    def ink(self):
        if self.width is None:
            return element(self.tag, fill=INK, stroke=INK, stroke_width=OUTLINE, stroke_linejoin="round",
                           **self.geometry)
        return element(self.tag, fill="none", stroke=INK, stroke_width=self.width + OUTLINE,
                       stroke_linecap="round", stroke_linejoin="round", **self.geometry)

    def paint(self):
        if self.width is None:
            return element(self.tag, fill=self.colour, **self.geometry)
        return element(self.tag, fill="none", stroke=self.colour, stroke_width=self.width,
                       stroke_linecap="round", stroke_linejoin="round", **self.geometry)


def silhouette(shapes):
    return [shape.ink() for shape in shapes] + [shape.paint() for shape in shapes]


def holding(picture, suit, hand, scale):
    """A hand with the suit's symbol placed so that its holding point lies in the hand."""
    hold_x, hold_y = HOLD[suit]
    scale *= HELD_SIZE[suit]
    symbol = group(suits.SYMBOLS[suit](picture, suits.PIP), at=(hand[0] - hold_x * scale, hand[1] - hold_y * scale),
                   scale=scale)
    return [circle(*hand, 2, fill=SKIN, stroke=INK, stroke_width=0.6), symbol]


def ground(x, y, half_width):
    """A soft shadow for the figure to stand on."""
    return ellipse(x, y, half_width, 1.8, fill="#dcdcd4")


def face_details(x, y, r):
    """Eyes and mouth on a head of radius r at (x, y)."""
    return [circle(x - r * 0.38, y - r * 0.05, r * 0.13, fill=INK), circle(x + r * 0.38, y - r * 0.05, r * 0.13, fill=INK),
            path(f"M {x - r * 0.3:.2f} {y + r * 0.45:.2f} Q {x:.2f} {y + r * 0.65:.2f} {x + r * 0.3:.2f} {y + r * 0.45:.2f}",
                 fill="none", stroke="#a0302a", stroke_width=r * 0.14)]


def girl(picture, suit):
    """A young woman in a long dress, her right arm raised with the suit symbol."""
    clothes, trim, hair, _ = DRESS[suit]
    hand = (42.5, 55)
    body = [
        Shape("path", hair, d="M 20.5 44 C 19.5 33 34.5 33 33.5 44 L 35 53 L 19 53 Z"),
        Shape("path", clothes, d="M 21 49 Q 27 47 33 49 L 31 61 L 41 93.5 Q 27 97 13 93.5 L 23 61 Z"),
        Shape("polyline", clothes, width=3.4, points="22,50.5 18.5,60 19,68"),
        Shape("polyline", clothes, width=3.4, points="32,50.5 38,57 41.5,55.5"),
        Shape("circle", SKIN, cx=19, cy=70, r=2),
        Shape("rect", SKIN, x=25.6, y=44, width=2.8, height=5),
        Shape("circle", SKIN, cx=27, cy=40.5, r=5.2),
        Shape("ellipse", INK, cx=21.5, cy=95.5, rx=2.6, ry=1.4),
        Shape("ellipse", INK, cx=32.5, cy=95.5, rx=2.6, ry=1.4),
    ]
    details = [
        path("M 21.7 40 C 21.5 33.5 32.5 33.5 32.3 40 C 29.5 37 24.5 37 21.7 40 Z", fill=hair),
        element("rect", x=22.6, y=59.3, width=8.8, height=2.6, fill=trim),
        path("M 14.4 91.5 Q 27 95 39.6 91.5", fill="none", stroke=trim, stroke_width=1.8),
        path("M 27 62 L 27 93", fill="none", stroke=trim, stroke_width=0.8, stroke_dasharray="2,2"),
        *face_details(27, 40.8, 5.2),
    ]
    return group(ground(27, 95.5, 16), *silhouette(body), *details, *holding(picture, suit, hand, 0.9))


def horse(picture, suit):
    """A rider on a horse walking to the left, the suit symbol held high in front."""
    clothes, trim, hair, coat = DRESS[suit]
    mane = "#3a2a1a" if coat != "#4c4c56" else "#1a1a1e"
    hand = (45, 47.5)
    body = [
        Shape("path", mane, width=3, d="M 46 66 C 52 68 53 78 51 86"),
        Shape("line", coat, width=3.2, x1=40, y1=74, x2=42, y2=93),
        Shape("line", coat, width=3.2, x1=45, y1=72, x2=48, y2=92),
        Shape("line", coat, width=3.2, x1=18, y1=74, x2=15, y2=93),
        Shape("line", coat, width=3.2, x1=24, y1=75, x2=25, y2=94),
        Shape("ellipse", coat, cx=32, cy=70, rx=15, ry=7.5),
        Shape("polygon", coat, points="16,71 25,64 17,49 9.5,51"),
        Shape("path", coat, d="M 9 49 C 12 46 16 48 16 52 L 9 61 C 7 63 4 62 4.5 59.5 Z"),
        Shape("polygon", coat, points="13,48.5 14.5,44 16.5,49"),
        Shape("path", clothes, d="M 27 60 L 39 60 L 40 70 L 26 70 Z"),
        Shape("polyline", trim, width=3.2, points="31,63 28,70 29.5,78"),
        Shape("path", clothes, d="M 28 63 L 36 63 L 35 50 Q 32 48.5 29 50 Z"),
        Shape("polyline", clothes, width=2.8, points="34,52 39,50 44.5,48"),
        Shape("circle", SKIN, cx=32, cy=45.5, r=4.3),
    ]
    details = [
        path("M 16.5 49 C 13 52 14 58 19 66", fill="none", stroke=mane, stroke_width=2.2),
        path("M 8 55 L 16 53 L 22 62", fill="none", stroke=INK, stroke_width=0.7),
        circle(9.5, 53, 0.7, fill=INK),
        element("rect", x=27.5, y=77.5, width=3.6, height=2, fill=INK),
        *[element("rect", x=x - 1.8, y=y - 0.6, width=3.6, height=1.8, fill=INK)
          for x, y in ((42, 93), (48, 92), (15, 93), (25, 94))],
        path("M 27.2 44 Q 32 37 36.8 44 Z", fill=trim, stroke=INK, stroke_width=0.6),
        ellipse(32, 43.8, 6.2, 1.2, fill=trim, stroke=INK, stroke_width=0.6),
        *face_details(32, 46.3, 3.8),
    ]
    return group(ground(31, 94, 22), *silhouette(body), *details, *holding(picture, suit, hand, 0.66))


def king(picture, suit):
    """A crowned, bearded king in an ermine-trimmed robe, showing the suit symbol in his right hand."""
    clothes, trim, hair, _ = DRESS[suit]
    hand = (43, 62)
    body = [
        Shape("path", clothes, d="M 19 51 Q 28 47.5 37 51 L 45 94 Q 28 97.5 11 94 Z"),
        Shape("path", trim, d="M 25 51 L 31 51 L 33 95 L 23 95 Z"),
        Shape("polyline", clothes, width=3.6, points="36,53 41,60 42.5,62"),
        Shape("polyline", clothes, width=3.6, points="20,53 18,63 24,67"),
        Shape("circle", SKIN, cx=28, cy=43, r=5.2),
        Shape("path", "#f2f2f2", d="M 23 44 Q 23 52 28 54 Q 33 52 33 44 Q 28 48 23 44 Z"),
        Shape("path", paints.GOLD, d="M 22.5 39.5 L 22 33 L 25 35.8 L 28 32 L 31 35.8 L 34 33 L 33.5 39.5 Z"),
    ]
    ermine = [circle(x, y, 0.55, fill=INK) for x, y in ((12.5, 92), (17, 92.8), (38, 92.8), (43, 92), (20.5, 50.8),
                                                        (35.5, 50.8))]
    details = [
        path("M 11.6 91.5 Q 28 95 44.4 91.5", fill="none", stroke="#ffffff", stroke_width=2.6),
        path("M 19.5 51 Q 28 48.2 36.5 51", fill="none", stroke="#ffffff", stroke_width=2.4),
        *ermine,
        *face_details(28, 42.2, 5),
        path("M 23 40 L 33 40", fill="none", stroke=paints.GOLD_DARK, stroke_width=1.2),
        circle(28, 37.6, 1.1, fill=paints.RED, stroke=INK, stroke_width=0.3),
        circle(24, 67, 1.9, fill=SKIN, stroke=INK, stroke_width=0.6),
    ]
    return group(ground(28, 95.5, 20), *silhouette(body), *details, *holding(picture, suit, hand, 0.92))


COURT = {8: girl, 9: horse, 10: king}

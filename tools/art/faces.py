# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The 40 card faces: the white frame, the top strip with value and suit, then pips or a figure below it."""

import figures
import paints
import suits
from svg import Picture, group, rect, text

WIDTH, HEIGHT = 62, 100
NUMERAL_SIZE = 16.5        # Liberation Serif Bold digits stand about 0.67 em: an 11-pixel numeral
DIGIT_WIDTH = 0.5          # every digit of the face is half an em wide
SHORT_SUITS = (0, 1)       # Denari and Coppe; Bastoni and Spade are the long suits

# Pip places (x, y) and symbol scale for values 2 to 7, all below the top 30 pixels: that strip is all
# a player sees of a card covered in a column, so it carries the value and suit alone.
PIPS = {
    2: (1.18, [(31, 47), (31, 81)]),
    3: (1.0, [(17, 44), (31, 64), (45, 84)]),
    4: (1.02, [(18, 47), (44, 47), (18, 81), (44, 81)]),
    5: (0.9, [(16, 44), (46, 44), (31, 64), (16, 84), (46, 84)]),
    6: (0.8, [(18, 42), (44, 42), (18, 64), (44, 64), (18, 86), (44, 86)]),
    7: (0.74, [(16, 42), (46, 42), (16, 64), (46, 64), (16, 86), (46, 86), (31, 53)]),
}
ACE = (31, 64)
ACE_SCALE = (2.15, 2.05, 2.3, 1.95)   # by suit: each ace as large as its shape allows
PIP_BOOST = (1.12, 1.0, 1.0, 1.0)     # coins are shorter than the other symbols, so they may grow a little


def suit_of(index):
    return (index - 1) // 10


def value_of(index):
    return (index - 1) % 10 + 1


def frame():
    return rect(0.5, 0.5, WIDTH - 1, HEIGHT - 1, rx=4, fill="#ffffff", stroke=paints.CARD_EDGE, stroke_width=1)


def strip(picture, suit, value):
    """Value and suit at the top left, the numeral red for the short suits and dark blue for the long ones."""
    colour = paints.SHORT_NUMERAL if suit in SHORT_SUITS else paints.LONG_NUMERAL
    numeral = text(str(value), x=3.5, y=15, font_family="Liberation Serif", font_weight="bold",
                   font_size=NUMERAL_SIZE, fill=colour)
    numeral_right = 3.5 + len(str(value)) * DIGIT_WIDTH * NUMERAL_SIZE
    symbol = suits.SYMBOLS[suit](picture, suits.STRIP)
    return [numeral, group(symbol, at=(numeral_right + 9, 12.5), scale=0.74)]


def pips(picture, suit, value):
    symbol = suits.SYMBOLS[suit]
    if value == 1:
        return [group(symbol(picture, suits.ACE), at=ACE, scale=ACE_SCALE[suit])]
    scale, places = PIPS[value]
    return [group(symbol(picture, suits.PIP), at=place, scale=scale * PIP_BOOST[suit]) for place in places]


def face(index):
    """The picture of card index 1 to 40."""
    suit, value = suit_of(index), value_of(index)
    picture = Picture(WIDTH, HEIGHT)
    picture.add(frame(), *strip(picture, suit, value))
    if value <= 7:
        picture.add(*pips(picture, suit, value))
    else:
        picture.add(figures.COURT[value](picture, suit))
    return picture

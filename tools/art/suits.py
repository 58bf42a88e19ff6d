# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The four suit symbols, each drawn around the origin about 26 units tall, plain for the strip and pips, rich for the ace."""

import math

import paints
from paints import INK
from svg import circle, ellipse, group, line, path, polygon, rect

STRIP, PIP, ACE = "strip", "pip", "ace"


def _ring(count, radius):
    """Points evenly spaced on a circle, clockwise from the top."""
    for k in range(count):
        angle = math.radians(360 * k / count)
        yield radius * math.sin(angle), -radius * math.cos(angle)


def _petal(angle, length, width, fill):
    return group(ellipse(0, -length / 2 - 0.6, width, length / 2, fill=fill, stroke=paints.DARK_RED, stroke_width=0.25),
                 rotate=angle)


def coin(picture, detail):
    """Denari: a gold disc with an inner ring and a red rosette."""
    if detail == STRIP:
        return group(
            circle(0, 0, 10, fill=paints.gold(picture), stroke=INK, stroke_width=1.4),
            circle(0, 0, 6, fill="none", stroke=paints.GOLD_DARK, stroke_width=1.4),
            circle(0, 0, 2.8, fill=paints.RED))
    parts = [circle(0, 0, 10, fill=paints.gold(picture), stroke=INK, stroke_width=0.9),
             circle(0, 0, 7.2, fill="none", stroke=paints.GOLD_DARK, stroke_width=0.8)]
    if detail == ACE:
        parts += [circle(x, y, 0.75, fill="#fff3b0", stroke=paints.GOLD_DARK, stroke_width=0.3)
                  for x, y in _ring(20, 8.6)]
        parts += [_petal(a, 5.4, 1.1, paints.GREEN if a % 90 else paints.RED) for a in range(0, 360, 45)]
        parts += [_petal(a, 3.4, 0.9, paints.RED) for a in range(22, 360, 45)]
    else:
        parts += [_petal(a, 4.6, 1.3, paints.RED) for a in range(0, 360, 45)]
    parts.append(circle(0, 0, 1.5, fill=paints.GOLD_LIGHT, stroke=paints.GOLD_DARK, stroke_width=0.4))
    return group(*parts)


def _bowl(top, bottom, steps):
    """The round bowl of the goblet between the fractions top and bottom of its depth, as a closed polygon."""
    rim, depth, half_width, neck = -11, 11, 8.2, 1.4
    right = []
    for k in range(steps + 1):
        t = top + (bottom - top) * k / steps
        right.append((neck + (half_width - neck) * math.sqrt(1 - t * t), rim + depth * t))
    return right + [(-x, y) for x, y in reversed(right)]


def _handles():
    """The ace's two curled gold handles."""
    curl = "M -7.6 -8 C -12.5 -8.5 -12.5 -2 -6.2 -2.6"
    handle = [path(curl, fill="none", stroke=INK, stroke_width=2.4, stroke_linecap="round"),
              path(curl, fill="none", stroke=paints.GOLD, stroke_width=1.2, stroke_linecap="round")]
    return [*handle, group(*handle, mirror=True)]


def cup(picture, detail):
    """Coppe: a wide gold goblet with a blue band, a red knop and a broad foot."""
    outline = 1.3 if detail == STRIP else 0.8
    gold = paints.gold_bar(picture)
    parts = _handles() if detail == ACE else []
    parts += [
        path("M -6.2 12 C -6.2 9 -2 8.4 -1.2 6.6 L 1.2 6.6 C 2 8.4 6.2 9 6.2 12 Z",
             fill=gold, stroke=INK, stroke_width=outline),
        rect(-1.2, -0.5, 2.4, 7.5, fill=gold, stroke=INK, stroke_width=outline * 0.8),
        ellipse(0, 3.2, 2.5, 1.5, fill=paints.RED, stroke=INK, stroke_width=outline * 0.7),
        polygon(_bowl(0, 1, 10), fill=gold, stroke=INK, stroke_width=outline, stroke_linejoin="round"),
        polygon(_bowl(0.28, 0.5, 4), fill=paints.BLUE),
        ellipse(0, -11, 8.2, 1.9, fill=paints.DARK_RED, stroke=INK, stroke_width=outline),
    ]
    if detail == ACE:
        parts += [circle(x, -6.5 + abs(x) * 0.05, 0.9, fill="#fff6c0", stroke=paints.GOLD_DARK, stroke_width=0.3)
                  for x in (-4.5, 0, 4.5)]
        parts += [circle(x, 11.3, 0.6, fill=paints.RED) for x in (-3.6, 0, 3.6)]
    return group(*parts)


def _leaf(x, y, angle, size):
    return group(path("M 0 0 Q 1.6 -1.5 4 -0.3 Q 2 1.2 0 0 Z", fill=paints.LEAF, stroke="#1b4d1b", stroke_width=0.35),
                 at=(x, y), rotate=angle, scale=size)


def baton(picture, detail):
    """Bastoni: a knotted wooden club, head up and leaning right, with green leaf stubs at its knots."""
    head, foot = 3.9, 2.4
    outline = 1.2 if detail == STRIP else 0.7
    body = polygon([(-head, -12), (head, -12), (foot + 0.3, 11), (foot, 12.6), (-foot, 12.6), (-foot - 0.3, 11)],
                   fill=paints.wood(picture), stroke=INK, stroke_width=outline, stroke_linejoin="round")
    knots = [ellipse(x, y, 1.5, 1.9, fill="#6b3d17", stroke=INK, stroke_width=outline * 0.6)
             for x, y in ((-3.5, -6), (3.2, -0.5), (-2.9, 5.5))]
    end = ellipse(0, -12, head, 1.3, fill="#e0b77f", stroke=INK, stroke_width=outline * 0.8)
    leaves = [_leaf(3.4, -1, -50, 1.1), _leaf(-3.6, -6.2, -130, 1.1)]
    if detail == ACE:
        leaves += [_leaf(-3, 5.2, -150, 0.9), _leaf(3.7, -7.5, -35, 0.8), _leaf(2.9, 6, -20, 0.8)]
    if detail == STRIP:
        leaves = [_leaf(3.4, -1, -50, 1.5)]
        knots = knots[:2]
    return group(body, *knots, end, *leaves, rotate=28)


def sword(picture, detail):
    """Spade: a straight steel sword, point down, with a gold guard and pommel and a red grip."""
    blade = 2.9 if detail == STRIP else 2.4
    tip = 18 if detail == ACE else 13.4   # the ace is a long sword, the pips stay compact
    outline = 1.0 if detail == STRIP else 0.6
    gold = paints.gold_bar(picture)
    parts = [
        polygon([(-blade, -4), (blade, -4), (blade, tip - 4.8), (0, tip), (-blade, tip - 4.8)],
                fill=paints.steel(picture), stroke="#26384d", stroke_width=outline, stroke_linejoin="round"),
        rect(-1.6, -10.6, 3.2, 5.4, fill=paints.RED, stroke=INK, stroke_width=outline * 0.8),
        rect(-6.6, -5.8, 13.2, 2.4, rx=1.1, fill=gold, stroke=INK, stroke_width=outline * 0.8),
        circle(0, -12, 2, fill=gold, stroke=INK, stroke_width=outline * 0.8),
    ]
    if detail != STRIP:
        parts.insert(1, line(0, -3.4, 0, tip - 3.8, stroke="#6d849c", stroke_width=0.6))
        parts += [line(-1.5, y, 1.5, y + 1, stroke=paints.DARK_RED, stroke_width=0.45) for y in (-9.7, -8.3, -6.9)]
    if detail == ACE:
        parts += [circle(0, -4.6, 1, fill=paints.BLUE, stroke=INK, stroke_width=0.3),
                  circle(-6.6, -4.6, 1.3, fill=gold, stroke=INK, stroke_width=0.4),
                  circle(6.6, -4.6, 1.3, fill=gold, stroke=INK, stroke_width=0.4)]
        return group(*parts, at=(0, -2.3))
    return group(*parts)


SYMBOLS = (coin, cup, baton, sword)  # in suit order: Denari, Coppe, Bastoni, Spade

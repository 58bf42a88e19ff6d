# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures besides the faces and icons: the card back, the title picture and the smiley pointer."""

import math

import paints
from svg import Picture, circle, ellipse, path, polygon, radial_gradient, rect, text

SERIF = "Liberation Serif"


def clip_to_box(points, left, top, right, bottom):
    """Cuts a convex polygon to a rectangle (the renderer has no clipping, so the back cuts its cubes itself)."""
    edges = (
        (lambda p: p[0] >= left, lambda a, b: (left, a[1] + (b[1] - a[1]) * (left - a[0]) / (b[0] - a[0]))),
        (lambda p: p[0] <= right, lambda a, b: (right, a[1] + (b[1] - a[1]) * (right - a[0]) / (b[0] - a[0]))),
        (lambda p: p[1] >= top, lambda a, b: (a[0] + (b[0] - a[0]) * (top - a[1]) / (b[1] - a[1]), top)),
        (lambda p: p[1] <= bottom, lambda a, b: (a[0] + (b[0] - a[0]) * (bottom - a[1]) / (b[1] - a[1]), bottom)),
    )
    for inside, crossing in edges:
        kept = []
        for k, current in enumerate(points):
            previous = points[k - 1]
            if inside(current):
                if not inside(previous):
                    kept.append(crossing(previous, current))
                kept.append(current)
            elif inside(previous):
                kept.append(crossing(previous, current))
        points = kept
        if not points:
            break
    return points


def cube_faces(cx, cy, side):
    """The top, left and right faces of an isometric cube whose outline is a hexagon around (cx, cy)."""
    half = side * math.sqrt(3) / 2
    top, bottom = (cx, cy - side), (cx, cy + side)
    upper_left, upper_right = (cx - half, cy - side / 2), (cx + half, cy - side / 2)
    lower_left, lower_right = (cx - half, cy + side / 2), (cx + half, cy + side / 2)
    centre = (cx, cy)
    return ([top, upper_right, centre, upper_left],
            [upper_left, centre, bottom, lower_left],
            [centre, upper_right, lower_right, bottom])


def back():
    """63 x 100: isometric cubes in three greys inside a light margin and a thin dark border."""
    picture = Picture(63, 100)
    box = (4, 4, 59, 96)
    side = 6
    greys = ("#d9d9d9", "#a6a6a6", "#6e6e6e")
    picture.add(rect(0.5, 0.5, 62, 99, fill="#f2f2f2", stroke="#404040", stroke_width=1))
    row_step, column_step = side * 1.5, side * math.sqrt(3)
    for row in range(-1, int(100 / row_step) + 2):
        shift = column_step / 2 if row % 2 else 0
        for column in range(-1, int(63 / column_step) + 2):
            for face, grey in zip(cube_faces(column * column_step + shift, row * row_step, side), greys):
                clipped = clip_to_box(face, *box)
                if len(clipped) >= 3:
                    picture.add(polygon(clipped, fill=grey))
    picture.add(rect(box[0], box[1], box[2] - box[0], box[3] - box[1], fill="none", stroke="#404040", stroke_width=0.8))
    return picture


def embossed(words, x, y, size, picture):
    """A word drawn three times: a light edge up-left, a shadow down-right, then the silver on top."""
    common = dict(font_family=SERIF, font_weight="bold", font_size=size, text_anchor="middle")
    return [text(words, x=x - 2, y=y - 2, fill="#e8f5e8", **common),
            text(words, x=x + 3, y=y + 3, fill="#021a09", **common),
            text(words, x=x, y=y, fill=paints.silver(picture), **common)]


def title():
    """594 x 425: the maker's name, the game's name in embossed silver, and a line of small print."""
    picture = Picture(594, 425)
    ground = picture.paint("ground", radial_gradient(
        "ground", [(0, "#17643a"), (0.7, "#0c4424"), (1, "#072e17")], r=0.75))
    picture.add(
        rect(0, 0, 594, 425, fill=ground),
        rect(12.5, 12.5, 569, 400, fill="none", stroke="#b89b4a", stroke_width=1),
        rect(16.5, 16.5, 561, 392, fill="none", stroke="#6f8f5a", stroke_width=0.6),
        text("Vandrel", x=297, y=78, font_family=SERIF, font_size=30, fill="#d9e6cf", text_anchor="middle"),
        path("M 187 96 L 407 96", stroke="#b89b4a", stroke_width=0.8),
        *embossed("Morvane", 297, 250, 118, picture),
        text("\u00a9 2026 Vandrel \u00b7 Free software, GNU GPL 3 or later", x=297, y=396, font_family=SERIF, font_size=12,
             fill="#a9c29d", text_anchor="middle"),
    )
    return picture


def smiley():
    """32 x 32: a yellow smiling face with a dark outline; the pointer's hot spot is its middle."""
    picture = Picture(32, 32)
    yellow = picture.paint("yellow", radial_gradient(
        "yellow", [(0, "#fff8a0"), (0.6, "#ffe01a"), (1, "#e0a800")], cx=0.4, cy=0.35, r=0.7))
    picture.add(
        circle(16, 16, 14.2, fill=yellow, stroke="#2a2000", stroke_width=1.6),
        ellipse(11.3, 12, 1.8, 2.6, fill="#2a2000"),
        ellipse(20.7, 12, 1.8, 2.6, fill="#2a2000"),
        path("M 8.5 18 Q 16 27.5 23.5 18", fill="none", stroke="#2a2000", stroke_width=1.8, stroke_linecap="round"),
    )
    return picture

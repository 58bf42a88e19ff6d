# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The deck's colours and the gradients that give its gold, steel, wood and silver some depth."""

from svg import linear_gradient, radial_gradient

INK = "#2a1d10"          # outlines of symbols and figures
CARD_EDGE = "#3a3a3a"    # the thin border of a face
RED = "#c0201c"
DARK_RED = "#7a1212"
GOLD = "#d4a017"
GOLD_DARK = "#8a5a00"
GOLD_LIGHT = "#f7dc6f"
BLUE = "#1f4fa8"
GREEN = "#2e7d32"
LEAF = "#3f9a3a"
SKIN = "#f3cfa6"

SHORT_NUMERAL = "#c8161d"  # Denari and Coppe
LONG_NUMERAL = "#14206b"   # Bastoni and Spade


def gold(picture):
    return picture.paint("gold", radial_gradient(
        "gold", [(0, "#fff1a8"), (0.45, "#f0c53a"), (0.8, GOLD), (1, "#a87a0c")], cx=0.38, cy=0.32, r=0.75))


def gold_bar(picture):
    """Gold for long thin parts (cups, hilts, crowns): lit from the left."""
    return picture.paint("goldbar", linear_gradient(
        "goldbar", [(0, "#fbe58a"), (0.45, "#e2b22a"), (1, "#a27408")], x2=1, y2=0))


def steel(picture):
    return picture.paint("steel", linear_gradient(
        "steel", [(0, "#f4f8fc"), (0.5, "#a9bccf"), (1, "#5d7590")], x2=1, y2=0))


def wood(picture):
    return picture.paint("wood", linear_gradient(
        "wood", [(0, "#c38a4c"), (0.5, "#94592a"), (1, "#5a3314")], x2=1, y2=0))


def silver(picture):
    return picture.paint("silver", linear_gradient(
        "silver", [(0, "#ffffff"), (0.35, "#c9d0d6"), (0.52, "#8d979f"), (0.56, "#e9edf0"), (1, "#9aa4ad")]))

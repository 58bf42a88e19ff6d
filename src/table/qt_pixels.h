// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The view's pixels and colours in Qt's types, and back.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include "game/table.h"
#include "view/pixels.h"

namespace morvane {

inline QRect toQRect(const Rect& r) { return r.isEmpty() ? QRect() : QRect(r.left, r.top, r.width, r.height); }
inline QRectF toQRectF(const RectF& r) { return {r.left, r.top, r.width, r.height}; }
inline Rect fromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
inline PointF fromQPointF(const QPointF& p) { return {p.x(), p.y()}; }
inline QColor toQColor(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

}  // namespace morvane

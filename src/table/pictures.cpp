// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures are rendered once at their size in device pixels and kept; the title picture is not kept.
#include "pictures.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>
#include <utility>

#include "fonts.h"
#include "game/geometry.h"
#include "qt_pixels.h"
#include "view/table_layers.h"

namespace morvane {
namespace {

QString picturePath(const QString& name) { return QStringLiteral(":/assets/pictures/%1.svg").arg(name); }

// The picture drawn over the whole of a device-pixel picture of `size`, stretched to it.
QPixmap renderSvg(const QString& name, QSize size)
{
    useFontFolder();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(picturePath(name));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

// Every card has one size at a zoom, wherever it lies; a new size lets the old renderings go.
void Pictures::useZoom(const TableZoom& zoom)
{
    const Rect card = zoom.toDevice(RectF{0.0, 0.0, geometry::kCardWidth, geometry::kCardHeight});
    const Rect back = zoom.toDevice(RectF{0.0, 0.0, geometry::kBackWidth, geometry::kBackHeight});
    const QSize cardSize(card.width, card.height);
    if (cardSize != cardSize_) {
        cardSize_ = cardSize;
        cards_.fill(QPixmap());
    }
    if (const QSize backSize(back.width, back.height); backSize != back_.size()) {
        back_ = renderSvg(QStringLiteral("back"), backSize);
    }
}

// Opaque, so that drawing a card is a plain copy: the face drawn on the card's white in its border, all
// in table pixels stretched to the card's device pixels.
const QPixmap& Pictures::card(int card)
{
    QPixmap& picture = cards_.at(static_cast<std::size_t>(card));
    if (picture.isNull()) {
        picture = QPixmap(cardSize_);
        QPainter painter(&picture);
        painter.scale(cardSize_.width() / qreal(geometry::kCardWidth), cardSize_.height() / qreal(geometry::kCardHeight));
        const QSize size(static_cast<int>(geometry::kCardWidth), static_cast<int>(geometry::kCardHeight));
        painter.fillRect(QRect(QPoint(0, 0), size), toQColor(kCardBorder));
        painter.fillRect(QRect(QPoint(1, 1), size - QSize(2, 2)), toQColor(kCardGround));
        QSvgRenderer face(picturePath(QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0'))));
        face.render(&painter, QRectF(1, 1, 62, 100));
    }
    return picture;
}

QPixmap Pictures::title(QSize size) { return renderSvg(QStringLiteral("title"), size); }

// Rendered here rather than through an icon plugin, which would be loaded before the window shows.
// Each size a task bar asks for has its own picture, drawn on that size's pixel grid.
QIcon Pictures::windowIcon()
{
    QIcon icon;
    for (const auto& [name, size] : {std::pair{"icon16", 16}, {"icon", 32}, {"icon48", 48}}) {
        icon.addPixmap(renderSvg(QString::fromLatin1(name), QSize(size, size)));
    }
    return icon;
}

QCursor Pictures::smileyPointer() { return QCursor(renderSvg(QStringLiteral("smiley"), QSize(32, 32)), 16, 16); }

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures are rendered once at the screen's pixel ratio and kept; the title picture is not kept.
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

QPixmap renderSvg(const QString& name, QSize size, qreal devicePixelRatio)
{
    useFontFolder();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(picturePath(name));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

}  // namespace

void Pictures::useRatio(qreal devicePixelRatio)
{
    if (devicePixelRatio != ratio_) {
        ratio_ = devicePixelRatio;
        cards_.fill(QPixmap());
        back_ = QPixmap();
    }
}

// Opaque, so that drawing a card is a plain copy.
const QPixmap& Pictures::card(int card)
{
    QPixmap& picture = cards_.at(static_cast<std::size_t>(card));
    if (picture.isNull()) {
        const QSize size(static_cast<int>(geometry::kCardWidth), static_cast<int>(geometry::kCardHeight));
        picture = QPixmap(size * ratio_);
        picture.setDevicePixelRatio(ratio_);
        QPainter painter(&picture);
        painter.fillRect(QRect(QPoint(0, 0), size), toQColor(kCardBorder));
        painter.fillRect(QRect(QPoint(1, 1), size - QSize(2, 2)), toQColor(kCardGround));
        painter.drawPixmap(QPointF(1, 1), renderSvg(QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0')),
                                                    QSize(62, 100), ratio_));
    }
    return picture;
}

const QPixmap& Pictures::cardBack()
{
    if (back_.isNull()) {
        back_ = renderSvg(QStringLiteral("back"), QSize(63, 100), ratio_);
    }
    return back_;
}

QPixmap Pictures::title() const
{
    return renderSvg(QStringLiteral("title"), QSize(geometry::kTableWidth, geometry::kTableHeight), ratio_);
}

// Rendered here rather than through an icon plugin, which would be loaded before the window shows.
// Each size a task bar asks for has its own picture, drawn on that size's pixel grid.
QIcon Pictures::windowIcon()
{
    QIcon icon;
    for (const auto& [name, size] : {std::pair{"icon16", 16}, {"icon", 32}, {"icon48", 48}}) {
        icon.addPixmap(renderSvg(QString::fromLatin1(name), QSize(size, size), 1.0));
    }
    return icon;
}

QCursor Pictures::smileyPointer() { return QCursor(renderSvg(QStringLiteral("smiley"), QSize(32, 32), 1.0), 16, 16); }

}  // namespace morvane

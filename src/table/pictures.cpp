// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures are rendered once at the screen's pixel ratio and kept; the title picture is not kept.
#include "pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QLoggingCategory>
#include <QPainter>
#include <QSvgRenderer>
#include <utility>

#include "game/geometry.h"

namespace morvane {
namespace {

const QColor kCardBorder(40, 40, 40);

QString picturePath(const QString& name) { return QStringLiteral(":/assets/pictures/%1.svg").arg(name); }

// Only messages more severe than a warning would be on by default, and a missing font sends none.
Q_LOGGING_CATEGORY(fontCategory, "morvane.fonts", QtCriticalMsg)

// Registers one font file with Qt; what went wrong, or nothing when it loaded.
const char* fontFault(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return "is missing";
    }
    return QFontDatabase::addApplicationFont(path) < 0 ? "does not load" : nullptr;
}

// The system's Liberation faces, registered from their files once before the first picture, label or menu is
// drawn: the serif, bold italic for the labels, regular and bold for the numerals and the title; the sans for
// the menus and panels. A face whose file is missing or does not load is left to Qt's nearest font, and named
// in morvane.fonts, which QT_LOGGING_RULES="morvane.*=true" turns on.
void registerFonts()
{
    static const bool registered = [] {
        for (const char* face : {"Serif-Regular", "Serif-Bold", "Serif-BoldItalic", "Sans-Regular"}) {
            const QString path = QStringLiteral(MORVANE_FONT_FOLDER "/Liberation%1.ttf").arg(QLatin1String(face));
            if (const char* fault = fontFault(path)) {
                qCWarning(fontCategory).noquote()
                    << QStringLiteral("font file %1 %2; Qt's fallback font draws in its place").arg(path, fault);
            }
        }
        return true;
    }();
    static_cast<void>(registered);
}

QFont systemFont(const char* family, int pixelSize)
{
    registerFonts();
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    return font;
}

QPixmap renderSvg(const QString& name, QSize size, qreal devicePixelRatio)
{
    registerFonts();
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
        painter.fillRect(QRect(QPoint(0, 0), size), kCardBorder);
        painter.fillRect(QRect(QPoint(1, 1), size - QSize(2, 2)), Qt::white);
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

QFont Pictures::tableFont(int pixelSize)
{
    QFont font = systemFont("Liberation Serif", pixelSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QFont Pictures::windowFont(int pixelSize) { return systemFont("Liberation Sans", pixelSize); }

QString Pictures::text(const QString& name)
{
    QFile file(QStringLiteral(":/assets/texts/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace morvane

// Pictures are rendered once per pixel ratio and kept.
#include "pictures.h"

#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include "game/geometry.h"

namespace morvane {
namespace {

QString picturePath(const QString& name) { return QStringLiteral(":/assets/pictures/%1.svg").arg(name); }

// The embedded fonts, registered once before the first picture, label or menu is drawn.
void registerFonts()
{
    static const bool registered = [] {
        for (const char* face : {"Serif-Regular", "Serif-Bold", "Serif-BoldItalic", "Sans-Regular"}) {
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Liberation%1.ttf").arg(face));
        }
        return true;
    }();
    static_cast<void>(registered);
}

QFont embeddedFont(const char* family, int pixelSize)
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

QPixmap Pictures::rendered(const QString& name, QSize size, qreal devicePixelRatio)
{
    const QString key = name + QLatin1Char('@') + QString::number(devicePixelRatio);
    auto found = cache_.constFind(key);
    if (found != cache_.constEnd()) {
        return *found;
    }
    return *cache_.insert(key, renderSvg(name, size, devicePixelRatio));
}

QPixmap Pictures::cardFace(int card, qreal devicePixelRatio)
{
    return rendered(QStringLiteral("card%1").arg(card, 2, 10, QLatin1Char('0')), QSize(62, 100), devicePixelRatio);
}

QPixmap Pictures::cardBack(qreal devicePixelRatio)
{
    return rendered(QStringLiteral("back"), QSize(63, 100), devicePixelRatio);
}

QPixmap Pictures::title(qreal devicePixelRatio)
{
    return rendered(QStringLiteral("title"), QSize(geometry::kTableWidth, geometry::kTableHeight), devicePixelRatio);
}

// Rendered here rather than through an icon plugin, which would be loaded before the window shows.
QIcon Pictures::windowIcon()
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(renderSvg(QStringLiteral("icon"), QSize(32, 32), ratio));
    }
    return icon;
}

QCursor Pictures::smileyPointer() { return QCursor(renderSvg(QStringLiteral("smiley"), QSize(32, 32), 1.0), 16, 16); }

QFont Pictures::tableFont(int pixelSize)
{
    QFont font = embeddedFont("Liberation Serif", pixelSize);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

QFont Pictures::windowFont(int pixelSize) { return embeddedFont("Liberation Sans", pixelSize); }

QString Pictures::text(const QString& name)
{
    QFile file(QStringLiteral(":/assets/texts/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace morvane

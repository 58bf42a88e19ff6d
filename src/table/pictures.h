// The game's pictures, compiled in as vector drawings and rendered crisp at the screen's pixel ratio.
#pragma once

#include <QCursor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace morvane {

class Pictures {
public:
    // The card face of card index 1..40, 62 x 100.
    QPixmap cardFace(int card, qreal devicePixelRatio);
    // The card back of the stock and the reserve, 63 x 100.
    QPixmap cardBack(qreal devicePixelRatio);
    // The title picture, 594 x 425.
    QPixmap title(qreal devicePixelRatio);
    static QIcon windowIcon();
    static QCursor smileyPointer();

    // The table's serif, embedded with the game: bold italic at a size in pixels.
    static QFont tableFont(int pixelSize);
    // The plain sans of the menus and panels.
    static QFont windowFont(int pixelSize);
    // The rules and about texts, with their CR LF line ends turned into plain new lines.
    static QString text(const QString& name);

private:
    QPixmap rendered(const QString& name, QSize size, qreal devicePixelRatio);
    QHash<QString, QPixmap> cache_;
};

}  // namespace morvane

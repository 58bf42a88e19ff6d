// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the 40 card faces, the card back, the title picture and every size of the icons into PNG review sheets.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>
#include <QTextStream>

#include <array>
#include <utility>
#include <vector>

namespace {

constexpr int kSuits = 4;
constexpr int kValues = 10;
constexpr QSizeF kFaceSize{62, 100};
constexpr QSizeF kCardSize{64, 102};  // the face inside the card control's one-pixel border
constexpr QSizeF kBackSize{63, 100};
constexpr QSizeF kTitleSize{594, 425};
constexpr QSizeF kIconSize{32, 32};
constexpr double kGap = 8;
const QColor kTable{0, 128, 0};
const QColor kCardBorder{32, 32, 32};
// The launcher icon's sizes in the desktop's icon theme, and a light and a dark desktop to see them on.
constexpr std::array kLauncherSizes{16, 22, 24, 32, 48, 64, 128, 256};
const std::array kDesktops{QColor(246, 245, 244), QColor(36, 36, 36)};

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

// The game renders its pictures with Liberation Serif registered from a file, so the sheet does too.
void registerFonts()
{
    const std::array styles{"Regular", "Bold", "Italic", "BoldItalic"};
    for (const char* style : styles) {
        const QString path = QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-%1.ttf").arg(style);
        if (QFontDatabase::addApplicationFont(path) < 0)
            err() << "warning: could not register " << path << Qt::endl;
    }
}

class Pictures {
public:
    explicit Pictures(const QDir& folder) : folder_(folder) {}

    // Loads one picture; a missing or broken file is reported and leaves the renderer invalid.
    QSvgRenderer& load(const QString& name)
    {
        renderer_.load(folder_.filePath(name));
        if (!renderer_.isValid()) {
            err() << "error: cannot read " << folder_.filePath(name) << Qt::endl;
            failed_ = true;
        }
        return renderer_;
    }

    bool failed() const { return failed_; }

    bool exists(const QString& name) const { return QFile::exists(folder_.filePath(name)); }

private:
    QDir folder_;
    QSvgRenderer renderer_;
    bool failed_ = false;
};

QString faceName(int suit, int value)
{
    return QStringLiteral("card%1.svg").arg(suit * kValues + value, 2, 10, QLatin1Char('0'));
}

// A card as the table shows it: the control's flat dark border around the 62 x 100 face.
void drawCard(QPainter& painter, QSvgRenderer& face, QPointF topLeft)
{
    const QRectF card(topLeft, kCardSize);
    painter.fillRect(card, kCardBorder);
    const QRectF inside = card.adjusted(1, 1, -1, -1);
    painter.fillRect(inside, Qt::white);
    face.render(&painter, QRectF(inside.topLeft(), kFaceSize));
}

QPointF slot(int row, int column)
{
    return {kGap + column * (kCardSize.width() + kGap), kGap + row * (kCardSize.height() + kGap)};
}

// Four rows by suit, on the table's green; the back ends the first row, the icon and the smiley the second.
QImage deckSheet(Pictures& pictures, double pixelRatio)
{
    const QSizeF size = QSizeF(slot(kSuits, kValues + 1).x(), slot(kSuits, kValues + 1).y()) * pixelRatio;
    QImage sheet(size.toSize(), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(pixelRatio);
    sheet.fill(kTable);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int suit = 0; suit < kSuits; ++suit)
        for (int value = 1; value <= kValues; ++value)
            drawCard(painter, pictures.load(faceName(suit, value)), slot(suit, value - 1));
    pictures.load(QStringLiteral("back.svg")).render(&painter, QRectF(slot(0, kValues), kBackSize));
    pictures.load(QStringLiteral("icon.svg")).render(&painter, QRectF(slot(1, kValues), kIconSize));
    const QPointF belowIcon = slot(1, kValues) + QPointF(0, kIconSize.height() + kGap);
    pictures.load(QStringLiteral("smiley.svg")).render(&painter, QRectF(belowIcon, kIconSize));
    return sheet;
}

QImage titleSheet(Pictures& pictures)
{
    QImage sheet(kTitleSize.toSize(), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    pictures.load(QStringLiteral("title.svg")).render(&painter, QRectF(QPointF(0, 0), kTitleSize));
    return sheet;
}

// A small size has its own picture, drawn on that size's pixel grid; the larger ones share the scalable picture.
QString launcherName(const Pictures& pictures, int size)
{
    const QString own = QStringLiteral("launcher/%1x%1.svg").arg(size);
    return pictures.exists(own) ? own : QStringLiteral("launcher/scalable.svg");
}

// One icon as a desktop gets it: rendered alone at its own size, then copied pixel for pixel.
QImage iconImage(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

struct SheetIcon {
    QString name;
    int size;
    QString label;
};

// Every size of the launcher icon, then every size of the window's own icon, marked w.
std::vector<SheetIcon> sheetIcons(const Pictures& pictures)
{
    std::vector<SheetIcon> icons;
    for (int size : kLauncherSizes)
        icons.push_back({launcherName(pictures, size), size, QString::number(size)});
    for (const auto& [name, size] : {std::pair{"icon16.svg", 16}, {"icon.svg", 32}, {"icon48.svg", 48}})
        icons.push_back({QString::fromLatin1(name), size, QStringLiteral("w%1").arg(size)});
    return icons;
}

// The icons side by side on a light and on a dark desktop, each over its size in pixels.
QImage iconSheet(Pictures& pictures)
{
    constexpr int kLabel = 20;
    const int gap = static_cast<int>(kGap);
    const std::vector<SheetIcon> icons = sheetIcons(pictures);
    int width = gap * 2;
    for (const SheetIcon& icon : icons)
        width += icon.size + gap * 2;
    const int bandHeight = kLauncherSizes.back() + gap * 3 + kLabel;
    QImage sheet(width, bandHeight * static_cast<int>(kDesktops.size()), QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), 9));
    int top = 0;
    for (const QColor& desktop : kDesktops) {
        painter.fillRect(0, top, width, bandHeight, desktop);
        painter.setPen(desktop.lightness() > 128 ? Qt::black : Qt::white);
        const int baseline = top + gap * 2 + kLauncherSizes.back();
        int x = gap * 2;
        for (const SheetIcon& icon : icons) {
            painter.drawImage(x, baseline - icon.size, iconImage(pictures.load(icon.name), icon.size));
            painter.drawText(QRect(x - gap, baseline, icon.size + gap * 2, kLabel), Qt::AlignCenter, icon.label);
            x += icon.size + gap * 2;
        }
        top += bandHeight;
    }
    return sheet;
}

bool save(const QImage& image, const QDir& docs, const QString& name)
{
    const QString path = docs.filePath(name);
    if (image.save(path))
        return true;
    err() << "error: cannot write " << path << Qt::endl;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        err() << "usage: contact_sheet <source folder of the game>" << Qt::endl;
        return 2;
    }
    const QDir source(QString::fromLocal8Bit(argv[1]));
    const QDir docs(source.filePath(QStringLiteral("docs")));
    if (!docs.exists()) {
        err() << "error: no docs folder in " << source.path() << Qt::endl;
        return 2;
    }
    registerFonts();
    Pictures pictures(QDir(source.filePath(QStringLiteral("src/assets/pictures"))));
    const bool saved = save(deckSheet(pictures, 1), docs, QStringLiteral("cards-1x.png")) &&
                       save(deckSheet(pictures, 2), docs, QStringLiteral("cards-2x.png")) &&
                       save(titleSheet(pictures), docs, QStringLiteral("title.png")) &&
                       save(iconSheet(pictures), docs, QStringLiteral("icons.png"));
    return saved && !pictures.failed() ? 0 : 1;
}

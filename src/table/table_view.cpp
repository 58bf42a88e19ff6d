// Painted bottom to top: the table and its decoration, the place marks, the piles and labels,
// then the cards in their drawing order, so that a card always lies over a label or an image.
// A paint draws only what meets the region it is given.
#include "table_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cassert>

#include "game/geometry.h"
#include "table_decoration.h"

namespace morvane {
namespace {

const QColor kTableGreen(0, 128, 0);
const QColor kLabelGround(0, 64, 0);
const QColor kFoundationMark(255, 255, 0);
const QColor kColumnMark(0, 0, 0);

QColor toQColor(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

// Point sizes are of a 96-dpi screen: 4/3 pixels a point.
int pixelsForPoints(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

// Qt hands a pattern fill of more than about a hundred rows to its thread pool, and the hand-over
// costs more than the fill: a hatch is filled in bands of fewer rows. The bands are the box's own,
// whatever part is painted, so that a piece lands on the device pixels of the whole at any ratio.
void hatch(QPainter& painter, const QRect& box, const QRect& part, const QColor& colour)
{
    constexpr int kBand = 16;
    const QBrush brush(colour, Qt::DiagCrossPattern);
    for (int top = box.top(); top <= box.bottom(); top += kBand) {
        const QRect band(box.left(), top, box.width(), std::min(kBand, box.bottom() + 1 - top));
        if (band.intersects(part)) {
            painter.fillRect(band, brush);
        }
    }
}

// Drawn on the table itself rather than kept in its background picture: Qt lines a hatch up with the
// window's corner, which a picture of the table alone would shift at some pixel ratios.
void paintPlaceMarks(QPainter& painter, const DrawnBackground& background, const QRect& part)
{
    for (int place = 1; place <= kPlaces; ++place) {
        const QRect& box = background.marks.at(static_cast<std::size_t>(place));
        if (box.isNull() || !part.intersects(areaOf(box))) {
            continue;
        }
        const QColor colour = place <= 4 ? kFoundationMark : kColumnMark;
        hatch(painter, box, part, colour);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(box).adjusted(0, 0, -1, -1));
    }
}

float tableX(const QMouseEvent* event) { return static_cast<float>(event->position().x()); }
float tableY(const QMouseEvent* event) { return static_cast<float>(event->position().y()); }

std::int16_t buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

}  // namespace

TableView::TableView(const Table& table, PointerRouter& router, std::function<void()> afterEvent, QWidget* parent)
    : QWidget(parent),
      table_(table),
      router_(router),
      afterEvent_(std::move(afterEvent)),
      labels_{{{&Table::Label1,
                {geometry::kLabel1Width, geometry::kLabel1Height},
                kLabelGround,
                48,
                Qt::AlignHCenter | Qt::AlignTop},
               {&Table::Label6,
                {geometry::kLabel6Width, geometry::kLabel6Height},
                kLabelGround,
                13.8,
                Qt::AlignHCenter | Qt::AlignTop},
               {&Table::Label5,
                {geometry::kLabel5Width, geometry::kLabel5Height},
                kTableGreen,
                19.8,
                Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap}}}
{
    setFixedSize(geometry::kTableWidth, geometry::kTableHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TableView::LabelLook::LabelLook(Label Table::*label, QSizeF size, QColor ground, double points, int flags)
    : label(label),
      size(size),
      ground(std::move(ground)),
      font(Pictures::tableFont(pixelsForPoints(points))),
      flags(flags)
{
}

QSize TableView::sizeHint() const { return {geometry::kTableWidth, geometry::kTableHeight}; }

void TableView::followTable()
{
    if (!isVisible()) {
        // Nothing to repaint: the first paint once the window shows draws the whole table, and renders
        // the pictures then rather than while the window is still being built.
        drawn_.reset();
        return;
    }
    prepare();
    DrawnTable now = drawnTable(table_, measuredLabels());
    if (!drawn_) {
        update();
    } else if (const QRegion changed = changedArea(*drawn_, now, rect()); !changed.isEmpty()) {
        // One rectangle: a paint clipped to a rectangle copies and fills whole rows, while a paint
        // clipped to a ragged region goes span by span.
        update(changed.boundingRect());
    }
    drawn_ = std::move(now);
}

// Renders and measures, ahead of the paint, what the paint will need: a paint only copies pictures.
void TableView::prepare()
{
    pictures_.useRatio(devicePixelRatioF());
    prepareBackground();
    for (LabelLook& look : labels_) {
        if (const Label& label = table_.*look.label; label.Visible) {  // a hidden label is neither drawn nor measured
            prepareLabel(look, label);
        }
    }
    if (table_.Mazzo.Visible || table_.Mazzo2.Visible) {
        pictures_.cardBack();
    }
    for (const CardIndex c : table_.drawingOrder) {
        const CardPicture& card = table_.card(c);
        if (rect().intersects(cardArea({card.Left, card.Top}))) {
            pictures_.card(c);
        }
    }
}

// The background stays drawn like a backing image, until a deal draws the table again or the ratio changes.
void TableView::prepareBackground()
{
    const qreal ratio = pictures_.ratio();
    const DrawnBackground wanted = drawnBackground(table_);
    if (!background_.isNull() && background_.devicePixelRatio() == ratio && wanted == backgroundDrawn_) {
        return;
    }
    background_ = QPixmap(size() * ratio);
    background_.setDevicePixelRatio(ratio);
    background_.fill(kTableGreen);
    QPainter painter(&background_);
    if (wanted.decorationDrawn) {
        drawDecoration(painter, height());
    }
    if (wanted.titlePictureShown) {
        painter.drawPixmap(0, 0, pictures_.title());
    }
    backgroundDrawn_ = wanted;
}

void TableView::prepareLabel(LabelLook& look, const Label& label)
{
    const QPointF at(label.Left, label.Top);
    if (look.measured && label.Caption == look.caption && at == look.at) {
        return;
    }
    look.measured = true;
    look.caption = label.Caption;
    look.at = at;
    look.text = QString::fromStdString(label.Caption);
    const QRectF box(at, look.size);
    // Italic letters may lean out of what the metrics measure: a quarter of the size to spare all round.
    const qreal spare = look.font.pixelSize() / 4.0;
    const QRectF text = QFontMetricsF(look.font).boundingRect(box, look.flags, look.text);
    look.extent = areaOf(box.united(text.adjusted(-spare, -spare, spare, spare)));
}

std::array<MeasuredLabel, 3> TableView::measuredLabels() const
{
    std::array<MeasuredLabel, 3> measured;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        measured.at(i) = {&(table_.*labels_.at(i).label), labels_.at(i).extent};
    }
    return measured;
}

// The frontmost card is opaque: only the table round it is painted, in rectangles, and then the card.
void TableView::paintEvent(QPaintEvent* event)
{
    prepare();  // nothing left to do, unless the ratio changed since the table was last followed
    assert(!table_.drawingOrder.empty());  // the 40 cards are always drawn
    const CardIndex front = table_.drawingOrder.back();
    const CardPicture& card = table_.card(front);
    QPainter painter(this);
    for (const QRect& part : event->region() - insideOf({card.Left, card.Top})) {
        painter.setClipRect(part);
        paintBackground(painter);
        paintPlaceMarks(painter, backgroundDrawn_, part);
        paintPiles(painter, part);
        paintLabels(painter, part);
        paintCardsBehind(painter, part, front);
    }
    painter.setClipping(false);
    if (event->region().intersects(cardArea({card.Left, card.Top}))) {
        painter.drawPixmap(QPointF(card.Left, card.Top), pictures_.card(front));
    }
}

// The whole picture under the part's clip: a piece copied from its own source rectangle would be
// rounded to device pixels on its own, a row or column off the whole where a table pixel is not a
// whole number of device pixels (ratio 1.5, or the table half a device pixel under the menu bar).
void TableView::paintBackground(QPainter& painter) { painter.drawPixmap(QPointF(0, 0), background_); }

void TableView::paintPiles(QPainter& painter, const QRect& part)
{
    for (const Image* pile : {&table_.Mazzo, &table_.Mazzo2}) {
        const QRectF box(pile->Left, pile->Top, geometry::kBackWidth, geometry::kBackHeight);
        if (pile->Visible && part.intersects(areaOf(box))) {
            painter.drawPixmap(box.topLeft(), pictures_.cardBack());
        }
    }
}

void TableView::paintLabels(QPainter& painter, const QRect& part)
{
    for (const LabelLook& look : labels_) {
        const Label& label = table_.*look.label;
        if (!label.Visible || !part.intersects(look.extent)) {
            continue;
        }
        const QRectF box(look.at, look.size);
        painter.fillRect(box, look.ground);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setFont(look.font);
        painter.setPen(toQColor(label.ForeColor));
        painter.drawText(box, look.flags, look.text);
    }
}

void TableView::paintCardsBehind(QPainter& painter, const QRect& part, CardIndex front)
{
    for (const CardIndex c : table_.drawingOrder) {
        const CardPicture& card = table_.card(c);
        if (c != front && part.intersects(cardArea({card.Left, card.Top}))) {
            painter.drawPixmap(QPointF(card.Left, card.Top), pictures_.card(c));
        }
    }
}

void TableView::followPointer(const QMouseEvent* event)
{
    const bool over = targetAt(table_, tableX(event), tableY(event)).control == Control::WinPrompt;
    if (over != overWinPrompt_) {
        overWinPrompt_ = over;
        if (over) {
            setCursor(Pictures::smileyPointer());
        } else {
            unsetCursor();
        }
    }
    afterEvent_();
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    if (const auto button = buttonNumber(event->button())) {
        router_.press(button, tableX(event), tableY(event));
    }
    followPointer(event);
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    router_.move(tableX(event), tableY(event));
    followPointer(event);
}

void TableView::mouseReleaseEvent(QMouseEvent* event)
{
    if (const auto button = buttonNumber(event->button())) {
        router_.release(button, tableX(event), tableY(event));
    }
    followPointer(event);
}

void TableView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const auto button = buttonNumber(event->button())) {
        router_.doubleClick(button, tableX(event), tableY(event));
    }
    followPointer(event);
}

}  // namespace morvane

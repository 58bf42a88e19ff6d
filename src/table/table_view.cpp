// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Half the table's size still shows every card and label whole enough to play.
    setMinimumSize(geometry::kTableWidth / 2, geometry::kTableHeight / 2);
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
    } else if (const QRegion changed = changedArea(*drawn_, now, zoom_.wholeTable()); !changed.isEmpty()) {
        // One rectangle: a paint clipped to a rectangle copies and fills whole rows, while a paint
        // clipped to a ragged region goes span by span.
        update(zoom_.toView(changed.boundingRect()));
    }
    drawn_ = std::move(now);
}

// Renders and measures, ahead of the paint, what the paint will need: a paint only copies pictures.
void TableView::prepare()
{
    // Pictures are rendered at the zoomed size, so that a zoomed table is as crisp as one at its own size.
    pictures_.useRatio(devicePixelRatioF() * zoom_.factor());
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
        if (zoom_.wholeTable().intersects(cardArea({card.Left, card.Top}))) {
            pictures_.card(c);
        }
    }
}

// The background covers the whole view, the green round a zoomed table too. It stays drawn like a
// backing image, until a deal draws the table again or the view's size or ratio changes.
void TableView::prepareBackground()
{
    const qreal ratio = devicePixelRatioF();
    const DrawnBackground wanted = drawnBackground(table_);
    if (background_.devicePixelRatio() == ratio && background_.size() == size() * ratio && wanted == backgroundDrawn_) {
        return;
    }
    background_ = QPixmap(size() * ratio);
    background_.setDevicePixelRatio(ratio);
    background_.fill(kTableGreen);
    QPainter painter(&background_);
    zoom_.apply(painter);
    if (wanted.decorationDrawn) {
        drawDecoration(painter, zoom_.wholeTable().height());
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
// Every picture is drawn whole under the part's clip: a piece copied from its own source rectangle
// would be rounded to device pixels on its own, a row or column off the whole where a table pixel is
// not a whole number of device pixels (ratio 1.5, a zoom of 1.37, or the table half a device pixel
// under the menu bar).
void TableView::paintEvent(QPaintEvent* event)
{
    prepare();  // nothing left to do, unless the ratio changed since the table was last followed
    assert(!table_.drawingOrder.empty());  // the 40 cards are always drawn
    const CardIndex front = table_.drawingOrder.back();
    const CardSpot spot{table_.card(front).Left, table_.card(front).Top};
    const QRectF frontBox = zoom_.toView(QRectF(spot.left, spot.top, geometry::kCardWidth, geometry::kCardHeight));
    QPainter painter(this);
    for (const QRect& part : event->region() - (insideOf(frontBox) & zoom_.tableArea())) {
        painter.setClipRect(part);
        painter.drawPixmap(QPointF(0, 0), background_);
        paintTable(painter, part & zoom_.tableArea(), front);
    }
    if (event->region().intersects(zoom_.toView(cardArea(spot)))) {
        painter.setClipRect(zoom_.tableArea());
        zoom_.apply(painter);
        painter.drawPixmap(QPointF(spot.left, spot.top), pictures_.card(front));
    }
}

// The layers over the background, in table pixels: only where the view shows the table, so that
// the cards parked beyond its right edge stay out of sight in the green round a zoomed table.
void TableView::paintTable(QPainter& painter, const QRect& part, CardIndex front)
{
    if (part.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(part);
    zoom_.apply(painter);
    const QRect tablePart = zoom_.toTable(part);
    paintPlaceMarks(painter, backgroundDrawn_, tablePart);
    paintPiles(painter, tablePart);
    paintLabels(painter, tablePart);
    paintCardsBehind(painter, tablePart, front);
    painter.restore();
}

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

void TableView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Qt repaints the whole view at its new size; what was drawn, in table pixels, stays as it was.
    if (!event->size().isEmpty()) {
        zoom_ = TableZoom(event->size());
        emit zoomed();
    }
}

// The pointer in table pixels, where the game looks for what it is over.
float TableView::tableX(const QMouseEvent* event) const
{
    return static_cast<float>(zoom_.toTable(event->position()).x());
}

float TableView::tableY(const QMouseEvent* event) const
{
    return static_cast<float>(zoom_.toTable(event->position()).y());
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

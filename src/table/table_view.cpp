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

#include "fonts.h"
#include "game/geometry.h"
#include "qt_pixels.h"
#include "view/table_decoration.h"

namespace morvane {
namespace {

// Qt hands a pattern fill of more than about a hundred rows to its thread pool, and the hand-over
// costs more than the fill: a hatch is filled in bands of fewer rows. The bands are the box's own,
// whatever part is painted, so that a piece lands on the device pixels of the whole at any ratio.
void hatch(QPainter& painter, const Rect& box, const Rect& part, const QColor& colour)
{
    constexpr int kBand = 16;
    const QBrush brush(colour, Qt::DiagCrossPattern);
    for (int top = box.top; top < box.bottom(); top += kBand) {
        const Rect band{box.left, top, box.width, std::min(kBand, box.bottom() - top)};
        if (band.intersects(part)) {
            painter.fillRect(toQRect(band), brush);
        }
    }
}

// Drawn on the table itself rather than kept in its background picture: Qt lines a hatch up with the
// window's corner, which a picture of the table alone would shift at some pixel ratios.
void paintPlaceMarks(QPainter& painter, const DrawnBackground& background, const Rect& part)
{
    for (const PlaceMark& mark : placeMarks(background)) {
        if (!part.intersects(areaOf(toRectF(mark.box)))) {
            continue;
        }
        const QColor colour = toQColor(mark.colour);
        hatch(painter, mark.box, part, colour);
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(toQRect(mark.box)).adjusted(0, 0, -1, -1));
    }
}

void drawDecoration(QPainter& painter, int bottom)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Decoration table = decoration(bottom);
    for (const Ink& ink : table.inks) {
        const QPoint from(ink.from.x, ink.from.y);
        const QPoint to(ink.to.x, ink.to.y);
        if (ink.kind == Ink::Kind::Box) {
            painter.fillRect(QRect(from, to), toQColor(ink.colour));
        } else {
            painter.setPen(QPen(toQColor(ink.colour), 1));
            painter.drawLine(from, to);
        }
    }
    const Ring& ring = table.ring;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(toQColor(ring.outline), ring.width));
    painter.setBrush(toQColor(ring.inside));
    painter.drawEllipse(QPointF(ring.centre.x, ring.centre.y), ring.radius, ring.radius);
    painter.restore();
}

// Makes the painter draw in table pixels.
void applyZoom(QPainter& painter, const TableZoom& zoom)
{
    painter.translate(zoom.left(), 0.0);
    painter.scale(zoom.factor(), zoom.factor());
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
      labels_{ShownLabel(labelLooks()[0]), ShownLabel(labelLooks()[1]), ShownLabel(labelLooks()[2])}
{
    // Half the table's size still shows every card and label whole enough to play.
    setMinimumSize(geometry::kTableWidth / 2, geometry::kTableHeight / 2);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TableView::ShownLabel::ShownLabel(const LabelLook& look)
    : look(&look),
      font(qtFont(look.font)),
      flags(Qt::AlignHCenter | Qt::AlignTop | (look.wrapped ? Qt::TextWordWrap : 0))
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
    } else if (const std::vector<Rect> changed = changedAreas(*drawn_, now, zoom_.wholeTable()); !changed.empty()) {
        // One rectangle: a paint clipped to a rectangle copies and fills whole rows, while a paint
        // clipped to a ragged region goes span by span.
        update(toQRect(zoom_.toView(boundingArea(changed))));
    }
    drawn_ = std::move(now);
}

// Renders and measures, ahead of the paint, what the paint will need: a paint only copies pictures.
void TableView::prepare()
{
    // Pictures are rendered at the zoomed size, so that a zoomed table is as crisp as one at its own size.
    pictures_.useRatio(devicePixelRatioF() * zoom_.factor());
    prepareBackground();
    for (ShownLabel& shown : labels_) {
        if (const Label& label = table_.*shown.look->label; label.Visible) {  // a hidden label is neither drawn nor measured
            prepareLabel(shown, label);
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
    background_.fill(toQColor(kTableGreen));
    QPainter painter(&background_);
    applyZoom(painter, zoom_);
    if (wanted.decorationDrawn) {
        drawDecoration(painter, zoom_.wholeTable().height);
    }
    if (wanted.titlePictureShown) {
        painter.drawPixmap(0, 0, pictures_.title());
    }
    backgroundDrawn_ = wanted;
}

void TableView::prepareLabel(ShownLabel& shown, const Label& label)
{
    const RectF box = labelBox(*shown.look, label);
    if (shown.measured && label.Caption == shown.caption && box == shown.box) {
        return;
    }
    shown.measured = true;
    shown.caption = label.Caption;
    shown.box = box;
    shown.text = QString::fromStdString(label.Caption);
    const QRectF text = QFontMetricsF(shown.font).boundingRect(toQRectF(box), shown.flags, shown.text);
    shown.extent = labelExtent(box, {text.x(), text.y(), text.width(), text.height()}, shown.font.pixelSize());
}

std::array<MeasuredLabel, 3> TableView::measuredLabels() const
{
    std::array<MeasuredLabel, 3> measured;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        measured.at(i) = {&(table_.*labels_.at(i).look->label), labels_.at(i).extent};
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
    const CardPicture& frontCard = table_.card(front);
    const QRect tableArea = toQRect(zoom_.tableArea());
    const QRect covered = toQRect(insideOf(zoom_.toView(cardBox(frontCard))) & zoom_.tableArea());
    QPainter painter(this);
    for (const QRect& part : event->region() - covered) {
        painter.setClipRect(part);
        painter.drawPixmap(QPointF(0, 0), background_);
        paintTable(painter, part & tableArea, front);
    }
    if (event->region().intersects(toQRect(zoom_.toView(cardArea({frontCard.Left, frontCard.Top}))))) {
        painter.setClipRect(tableArea);
        applyZoom(painter, zoom_);
        painter.drawPixmap(QPointF(frontCard.Left, frontCard.Top), pictures_.card(front));
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
    applyZoom(painter, zoom_);
    const Rect tablePart = zoom_.toTable(fromQRect(part));
    paintPlaceMarks(painter, backgroundDrawn_, tablePart);
    paintPiles(painter, tablePart);
    paintLabels(painter, tablePart);
    paintCardsBehind(painter, tablePart, front);
    painter.restore();
}

void TableView::paintPiles(QPainter& painter, const Rect& part)
{
    for (const RectF& box : shownBacks(table_)) {
        if (part.intersects(areaOf(box))) {
            painter.drawPixmap(QPointF(box.left, box.top), pictures_.cardBack());
        }
    }
}

void TableView::paintLabels(QPainter& painter, const Rect& part)
{
    for (const ShownLabel& shown : labels_) {
        const Label& label = table_.*shown.look->label;
        if (!label.Visible || !part.intersects(shown.extent)) {
            continue;
        }
        const QRectF box = toQRectF(shown.box);
        painter.fillRect(box, toQColor(shown.look->ground));
        painter.setPen(QPen(toQColor(kLabelBorder), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setFont(shown.font);
        painter.setPen(toQColor(label.ForeColor));
        painter.drawText(box, shown.flags, shown.text);
    }
}

void TableView::paintCardsBehind(QPainter& painter, const Rect& part, CardIndex front)
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
        zoom_ = TableZoom(event->size().width(), event->size().height());
        emit zoomed();
    }
}

// The pointer in table pixels, where the game looks for what it is over.
float TableView::tableX(const QMouseEvent* event) const
{
    return static_cast<float>(zoom_.toTable(fromQPointF(event->position())).x);
}

float TableView::tableY(const QMouseEvent* event) const
{
    return static_cast<float>(zoom_.toTable(fromQPointF(event->position())).y);
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

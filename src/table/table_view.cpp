// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Painted bottom to top: the table and its decoration, the place marks, the piles and labels,
// then the cards in their drawing order, so that a card always lies over a label or an image.
// Everything but the front card is kept drawn in a picture of the view, brought up to date where the
// table changed; a paint copies from it what it is asked for and draws the front card over it.
#include "table_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cassert>

#include "fonts.h"
#include "game/geometry.h"
#include "qt_pixels.h"
#include "table_raster.h"

namespace morvane {
namespace {

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
        underToDraw_ = {zoom_.wholeTable()};
        update();
    } else {
        const Repaint repaint = repaintAreas(*drawn_, now, zoom_.wholeTable());
        underToDraw_.insert(underToDraw_.end(), repaint.under.begin(), repaint.under.end());
        // One rectangle: a paint clipped to a rectangle copies whole rows and is sent to the screen in
        // one piece, while a paint clipped to a ragged region goes span by span and piece by piece.
        if (!repaint.shown.empty()) {
            update(toQRect(zoom_.toView(boundingArea(repaint.shown))));
        }
    }
    drawn_ = std::move(now);
}

// Renders and measures, ahead of the paint, what the paint will need: a paint copies pictures, and
// renders only a label's caption in a colour it has not yet shown at this zoom.
void TableView::prepare()
{
    if (const qreal ratio = devicePixelRatioF(); ratio != zoom_.ratio()) {
        zoom_ = TableZoom(width(), height(), ratio);
    }
    // Pictures are rendered at the zoomed size, so that a zoomed table is as crisp as one at its own size.
    pictures_.useZoom(zoom_);
    prepareBackground();
    for (ShownLabel& shown : labels_) {
        if (const Label& label = table_.*shown.look->label; label.Visible) {  // a hidden label is neither drawn nor measured
            prepareLabel(shown, label);
        }
    }
    for (const CardIndex c : table_.drawingOrder) {
        const CardPicture& card = table_.card(c);
        if (zoom_.wholeTable().intersects(cardArea({card.Left, card.Top}))) {
            pictures_.card(c);
        }
    }
}

// The background covers the whole view, the green round a zoomed table too: the title picture, kept
// only while it shows, or the table with its decoration, drawn again wherever the table over it is.
// When a deal draws the table again or the view's size or ratio changes, the whole view is drawn
// again, and the labels' pictures at a new zoom.
void TableView::prepareBackground()
{
    const QSize size = this->size() * zoom_.ratio();
    const DrawnBackground wanted = drawnBackground(table_);
    if (under_.size() == size && wanted == backgroundDrawn_) {
        return;
    }
    if (under_.size() != size) {
        for (ShownLabel& shown : labels_) {
            shown.pictures.clear();
        }
    }
    backgroundDrawn_ = wanted;
    title_ = QPixmap();
    if (wanted.titlePictureShown) {
        const Rect title = zoom_.toDevice(RectF{0.0, 0.0, geometry::kTableWidth, geometry::kTableHeight});
        title_ = Pictures::title(QSize(title.width, title.height));
    }
    under_ = QPixmap(size);
    QPainter painter(&under_);
    paintBackground(painter, under_.rect());
    underToDraw_ = {zoom_.wholeTable()};
}

void TableView::paintBackground(QPainter& painter, const QRect& part)
{
    painter.setClipRect(part);
    painter.fillRect(part, toQColor(kTableGreen));
    if (backgroundDrawn_.decorationDrawn) {
        drawDecoration(painter, zoom_, zoom_.wholeTable().height);
    }
    if (!title_.isNull()) {
        const Rect title = zoom_.toDevice(RectF{0.0, 0.0, geometry::kTableWidth, geometry::kTableHeight});
        painter.drawPixmap(title.left, title.top, title_);
    }
}

void TableView::prepareLabel(ShownLabel& shown, const Label& label)
{
    const RectF box = labelBox(*shown.look, label);
    if (shown.measured && label.Caption == shown.caption && box == shown.box) {
        return;
    }
    shown.pictures.clear();  // the caption's pictures in each colour it blinks in, and no older ones
    shown.measured = true;
    shown.caption = label.Caption;
    shown.box = box;
    shown.text = QString::fromStdString(label.Caption);
    const QRectF text = QFontMetricsF(shown.font).boundingRect(toQRectF(box), shown.flags, shown.text);
    shown.extent = labelExtent(box, {text.x(), text.y(), text.width(), text.height()}, shown.font.pixelSize());
}

// The caption in each colour is rendered once at a zoom, so that every paint of it, the first
// included, shows the same pixels.
const QPixmap& TableView::labelPicture(ShownLabel& shown, const Label& label)
{
    const Rgb colour = label.ForeColor;
    const std::string key = label.Caption + '#' + std::to_string(colour.r) + ',' + std::to_string(colour.g) + ',' +
                            std::to_string(colour.b);
    QPixmap& picture = shown.pictures[key];
    if (picture.isNull()) {
        picture = renderLabel(shown.box, shown.extent, shown.font, shown.flags, shown.text,
                              shown.look->ground, colour, zoom_);
    }
    return picture;
}

std::array<MeasuredLabel, 3> TableView::measuredLabels() const
{
    std::array<MeasuredLabel, 3> measured;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        measured.at(i) = {&(table_.*labels_.at(i).look->label), labels_.at(i).extent};
    }
    return measured;
}

// The frontmost card is drawn over the table kept drawn under it: a carried card costs a copy of the
// places it left and reached, and one card. Every piece lies on the device pixels of the whole.
void TableView::paintEvent(QPaintEvent* event)
{
    if (!drawn_ || devicePixelRatioF() != zoom_.ratio() || under_.size() != size() * zoom_.ratio()) {
        prepare();  // shown or resized since the table was last followed, or moved to a screen of another ratio
    }
    assert(!table_.drawingOrder.empty());  // the 40 cards are always drawn
    const CardIndex front = table_.drawingOrder.back();
    drawUnder(std::exchange(underToDraw_, {}));
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setWorldTransform(QTransform::fromScale(1.0 / zoom_.ratio(), 1.0 / zoom_.ratio()));
    for (const QRect& part : event->region()) {
        const QRect device = toQRect(zoom_.toDevice(fromQRect(part)));
        painter.drawPixmap(device.topLeft(), under_, device);
    }
    const CardPicture& card = table_.card(front);
    if (event->region().intersects(toQRect(zoom_.toView(cardArea({card.Left, card.Top}))))) {
        painter.setClipRect(toQRect(zoom_.toDevice(zoom_.tableArea())), Qt::IntersectClip);
        const Rect box = zoom_.toDevice(cardBox(card));
        painter.drawPixmap(box.left, box.top, pictures_.card(front));
    }
}

// Brings the table under the front card up to date in these areas of table pixels.
void TableView::drawUnder(const std::vector<Rect>& areas)
{
    if (areas.empty()) {
        return;
    }
    const CardIndex front = table_.drawingOrder.back();
    QPainter painter(&under_);
    for (const Rect& area : areas) {
        const QRect device = toQRect(zoom_.toDevice(zoom_.toView(area))) & under_.rect();
        if (!device.isEmpty()) {
            paintUnder(painter, device, front);
        }
    }
}

// The layers over the background, in device pixels: only where the view shows the table, so that
// the cards parked beyond its right edge stay out of sight in the green round a zoomed table.
void TableView::paintUnder(QPainter& painter, const QRect& part, CardIndex front)
{
    paintBackground(painter, part);
    const QRect inside = part & toQRect(zoom_.toDevice(zoom_.tableArea()));
    if (inside.isEmpty()) {
        return;
    }
    painter.setClipRect(inside);
    const auto meets = [&](const RectF& table) {
        const QRect box = toQRect(zoom_.toDevice(table));
        return inside.intersects(box) ? box : QRect();
    };
    for (const PlaceMark& mark : placeMarks(backgroundDrawn_)) {
        if (const QRect box = meets(toRectF(mark.box)); !box.isNull()) {
            drawPlaceMark(painter, fromQRect(box), mark, zoom_);
        }
    }
    for (const RectF& back : shownBacks(table_)) {
        if (const QRect box = meets(back); !box.isNull()) {
            painter.drawPixmap(box.topLeft(), pictures_.cardBack());
        }
    }
    for (ShownLabel& shown : labels_) {
        const Label& label = table_.*shown.look->label;
        if (const QRect box = meets(toRectF(shown.extent)); label.Visible && !box.isNull()) {
            painter.drawPixmap(box.topLeft(), labelPicture(shown, label));
        }
    }
    for (const CardIndex c : table_.drawingOrder) {
        if (const QRect box = meets(cardBox(table_.card(c))); c != front && !box.isNull()) {
            painter.drawPixmap(box.topLeft(), pictures_.card(c));
        }
    }
}

void TableView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Qt repaints the whole view at its new size; what was drawn, in table pixels, stays as it was.
    if (!event->size().isEmpty()) {
        zoom_ = TableZoom(event->size().width(), event->size().height(), devicePixelRatioF());
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

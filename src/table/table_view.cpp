// Painted bottom to top: the table and its decoration, the place marks, the piles and labels,
// then the cards in their drawing order, so that a card always lies over a label or an image.
#include "table_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "game/geometry.h"
#include "table_decoration.h"

namespace morvane {
namespace {

const QColor kTableGreen(0, 128, 0);
const QColor kLabelGround(0, 64, 0);
const QColor kFoundationMark(255, 255, 0);
const QColor kColumnMark(0, 0, 0);
const QColor kCardBorder(40, 40, 40);

QColor toQColor(Rgb rgb) { return {rgb.r, rgb.g, rgb.b}; }

QRectF labelBox(const Label& label, float width, float height) { return {label.Left, label.Top, width, height}; }

// Point sizes are of a 96-dpi screen: 4/3 pixels a point.
int pixelsForPoints(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

void paintLabel(QPainter& painter, const Label& label, const QRectF& box, const QColor& ground, int fontPixels,
                int flags)
{
    if (!label.Visible) {
        return;
    }
    painter.fillRect(box, ground);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(Pictures::tableFont(fontPixels));
    painter.setPen(toQColor(label.ForeColor));
    painter.drawText(box, flags, QString::fromStdString(label.Caption));
}

float tableX(const QMouseEvent* event) { return static_cast<float>(event->position().x()); }
float tableY(const QMouseEvent* event) { return static_cast<float>(event->position().y()); }

std::int16_t buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

}  // namespace

TableView::TableView(const Table& table, PointerRouter& router, std::function<void()> afterEvent, QWidget* parent)
    : QWidget(parent), table_(table), router_(router), afterEvent_(std::move(afterEvent))
{
    setFixedSize(geometry::kTableWidth, geometry::kTableHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TableView::sizeHint() const { return {geometry::kTableWidth, geometry::kTableHeight}; }

void TableView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintBackground(painter);
    paintPlaceMarks(painter);
    paintPiles(painter);
    paintLabels(painter);
    paintCards(painter);
}

// The decoration stays drawn like a backing image; it is redrawn only when the ratio changes.
const QPixmap& TableView::backdrop()
{
    const qreal ratio = devicePixelRatioF();
    if (backdrop_.isNull() || backdrop_.devicePixelRatio() != ratio ||
        backdropHasDecoration_ != table_.decorationDrawn) {
        backdrop_ = QPixmap(size() * ratio);
        backdrop_.setDevicePixelRatio(ratio);
        backdrop_.fill(kTableGreen);
        if (table_.decorationDrawn) {
            QPainter painter(&backdrop_);
            drawDecoration(painter, height());
        }
        backdropHasDecoration_ = table_.decorationDrawn;
    }
    return backdrop_;
}

void TableView::paintBackground(QPainter& painter)
{
    painter.drawPixmap(0, 0, backdrop());
    if (table_.titlePictureShown) {
        painter.drawPixmap(0, 0, pictures_.title(devicePixelRatioF()));
    }
}

void TableView::paintPlaceMarks(QPainter& painter)
{
    for (int place = 1; place <= kPlaces; ++place) {
        const Shape& mark = table_.Shape1.at(static_cast<std::size_t>(place));
        if (!mark.Visible) {
            continue;
        }
        const QColor colour = place <= 4 ? kFoundationMark : kColumnMark;
        const QRectF box(mark.Left, mark.Top, mark.Width, mark.Height);
        painter.fillRect(box, QBrush(colour, Qt::DiagCrossPattern));
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
}

void TableView::paintPiles(QPainter& painter)
{
    const QPixmap back = pictures_.cardBack(devicePixelRatioF());
    for (const Image* pile : {&table_.Mazzo, &table_.Mazzo2}) {
        if (pile->Visible) {
            painter.drawPixmap(QPointF(pile->Left, pile->Top), back);
        }
    }
}

void TableView::paintLabels(QPainter& painter)
{
    paintLabel(painter, table_.Label1, labelBox(table_.Label1, geometry::kLabel1Width, geometry::kLabel1Height),
               kLabelGround, pixelsForPoints(48), Qt::AlignHCenter | Qt::AlignTop);
    paintLabel(painter, table_.Label6, labelBox(table_.Label6, geometry::kLabel6Width, geometry::kLabel6Height),
               kLabelGround, pixelsForPoints(13.8), Qt::AlignHCenter | Qt::AlignTop);
    paintLabel(painter, table_.Label5, labelBox(table_.Label5, geometry::kLabel5Width, geometry::kLabel5Height),
               kTableGreen, pixelsForPoints(19.8), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
}

void TableView::paintCards(QPainter& painter)
{
    const QRectF visible = rect();
    for (const CardIndex c : table_.drawingOrder) {
        const CardPicture& card = table_.card(c);
        const QRectF box(card.Left, card.Top, geometry::kCardWidth, geometry::kCardHeight);
        if (!visible.intersects(box)) {
            continue;
        }
        // A flat one-pixel border around the face, on the card control's own white ground.
        painter.fillRect(box, kCardBorder);
        painter.fillRect(box.adjusted(1, 1, -1, -1), Qt::white);
        painter.drawPixmap(box.topLeft() + QPointF(1, 1), pictures_.cardFace(c, devicePixelRatioF()));
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

// The table decoration, drawn once per deal like ink on the table: boxes include both corners.
#include "table_decoration.h"

#include <QPainter>

namespace morvane {
namespace {

const QColor kDarkGreen(0, 64, 0);
const QColor kSilver(192, 192, 192);
const QColor kShadow(128, 128, 128);

void line(QPainter& painter, QPoint from, QPoint to, const QColor& colour)
{
    painter.setPen(QPen(colour, 1));
    painter.drawLine(from, to);
}

void filledBox(QPainter& painter, QPoint from, QPoint to) { painter.fillRect(QRect(from, to), kDarkGreen); }

}  // namespace

void drawDecoration(QPainter& painter, int bottom)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    filledBox(painter, {85, 115}, {370, bottom});
    line(painter, {84, 116}, {84, bottom}, Qt::black);
    line(painter, {84, 116}, {370, 116}, Qt::black);
    line(painter, {370, 116}, {370, bottom}, kSilver);
    filledBox(painter, {500, 10}, {563, 110});
    line(painter, {499, 9}, {564, 9}, Qt::black);
    line(painter, {499, 9}, {499, 111}, Qt::black);
    line(painter, {499, 111}, {564, 111}, kShadow);
    line(painter, {564, 9}, {564, 111}, kShadow);
    // The empty-stock ring: white, three pixels wide, filled like every closed figure on the table.
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(kDarkGreen);
    painter.drawEllipse(QPointF(531, 60), 20, 20);
    painter.restore();
}

}  // namespace morvane

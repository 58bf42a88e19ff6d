// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The panels are built on first showing, so that nothing slow runs before the window appears.
#include "text_panels.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "qt_pixels.h"
#include "table_view.h"
#include "texts.h"
#include "view/panel_layout.h"

namespace morvane {
namespace {

const QColor kPanelGround(255, 255, 192);

// The panel's font at the table's zoom, measured against the room its lines have beside the scroll bar.
void fitFontToWidth(QPlainTextEdit& panel, double zoom)
{
    const QStringList lines = panel.toPlainText().split(QLatin1Char('\n'));
    const int room = panel.width() - panel.verticalScrollBar()->sizeHint().width() -
                     2 * (panel.frameWidth() + static_cast<int>(panel.document()->documentMargin()));
    QFont font = panel.font();
    const auto widestLine = [&](int pixelSize) {
        font.setPixelSize(pixelSize);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        return widest;
    };
    font.setPixelSize(panelFontPixels(zoom, room, widestLine));
    panel.setFont(font);
}

}  // namespace

TextPanels::TextPanels(TableView& table, std::function<void()> onClick)
    : QObject(&table), table_(table), onClick_(std::move(onClick))
{
    connect(&table_, &TableView::zoomed, this, [this] {
        for (std::size_t i = 0; i < panels_.size(); ++i) {
            if (panels_[i] != nullptr) {
                layOut(i);
            }
        }
    });
}

void TextPanels::build(std::size_t which)
{
    const PanelLayout& layout = panelLayouts().at(which);
    auto* panel = new QPlainTextEdit(&table_);
    panels_.at(which) = panel;
    panel->setObjectName(QString::fromLatin1(layout.name));
    panel->setReadOnly(true);
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->setPlainText(gameText(QString::fromLatin1(layout.text)));
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Base, kPanelGround);
    palette.setColor(QPalette::Text, Qt::black);
    panel->setPalette(palette);
    if (layout.centred) {
        QTextOption option = panel->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        panel->document()->setDefaultTextOption(option);
    }
    panel->setVerticalScrollBarPolicy(layout.centred ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    layOut(which);
    panel->viewport()->installEventFilter(this);
}

// The panel over its place on the zoomed table, its text zoomed with it.
void TextPanels::layOut(std::size_t which)
{
    QPlainTextEdit& panel = *panels_.at(which);
    const TableZoom& zoom = table_.zoom();
    panel.setGeometry(toQRectF(zoom.toView(toRectF(tableBox(panelLayouts().at(which))))).toRect());
    fitFontToWidth(panel, zoom.factor());
}

void TextPanels::follow(const Table& table)
{
    const std::array<bool, 3> shown{table.Text2.Visible, table.Text3.Visible, table.Text4.Visible};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (shown[i] && panels_[i] == nullptr) {
            build(i);
        }
        if (panels_[i] != nullptr && panels_[i]->isVisible() != shown[i]) {
            panels_[i]->setVisible(shown[i]);
            if (shown[i]) {
                panels_[i]->raise();
            }
        }
    }
}

bool TextPanels::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        onClick_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace morvane

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

#include "game/geometry.h"
#include "pictures.h"
#include "table_view.h"

namespace morvane {
namespace {

const QColor kPanelGround(255, 255, 192);
constexpr int kLargestPanelFont = 13;
constexpr int kSmallestPanelFont = 9;

// Where each panel lies on the table: the rules are 0.6 times the table's height wide, the about text
// starts 0.3 times it from the left; heights in twips.
struct PanelLayout {
    const char* name;
    const char* text;
    double leftPerHeight;
    double widthPerHeight;
    float widthTwips;
    float heightTwips;
    bool centred;
};

const std::array<PanelLayout, 3> kLayouts{{{"Text2", "rules_en", 0.0, 0.6, 0.0F, 3015.0F, false},
                                           {"Text3", "rules_it", 0.0, 0.6, 0.0F, 3015.0F, false},
                                           {"Text4", "about", 0.3, 0.0, 2772.0F, 1092.0F, true}}};

// The panel's place in table pixels, as it lies on the table at its own size.
QRect tableBox(const PanelLayout& layout)
{
    const double height = geometry::kTableHeight;
    const double width =
        layout.widthTwips > 0 ? geometry::fromTwips(layout.widthTwips) : layout.widthPerHeight * height;
    return {static_cast<int>(layout.leftPerHeight * height), 0, static_cast<int>(width),
            static_cast<int>(geometry::fromTwips(layout.heightTwips))};
}

// The texts are broken by hand; the panel's font is the largest that shows every line whole, of the
// sizes the table's zoom makes of the panel's own.
void fitFontToWidth(QPlainTextEdit& panel, qreal zoom)
{
    const QStringList lines = panel.toPlainText().split(QLatin1Char('\n'));
    const int room = panel.width() - panel.verticalScrollBar()->sizeHint().width() -
                     2 * (panel.frameWidth() + static_cast<int>(panel.document()->documentMargin()));
    QFont font = panel.font();
    const int smallest = static_cast<int>(kSmallestPanelFont * zoom);
    for (int pixels = static_cast<int>(kLargestPanelFont * zoom); pixels > smallest; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(lines.begin(), lines.end(),
                                      [&](const QString& line) { return metrics.horizontalAdvance(line) <= room; });
        if (fits) {
            break;
        }
    }
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
    const PanelLayout& layout = kLayouts.at(which);
    auto* panel = new QPlainTextEdit(&table_);
    panels_.at(which) = panel;
    panel->setObjectName(QString::fromLatin1(layout.name));
    panel->setReadOnly(true);
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->setPlainText(Pictures::text(QString::fromLatin1(layout.text)));
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
    panel.setGeometry(zoom.toView(QRectF(tableBox(kLayouts.at(which)))).toRect());
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

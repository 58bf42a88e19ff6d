// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The card table: paints every layer from the table state and passes the pointer to the router.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "game/table.h"
#include "interaction/pointer_router.h"
#include "pictures.h"
#include "view/drawn_table.h"
#include "view/table_layers.h"
#include "view/table_zoom.h"

namespace morvane {

class TableView : public QWidget {
    Q_OBJECT
public:
    // `afterEvent` runs after each pointer event has reached the game, so the window can follow it.
    TableView(const Table& table, PointerRouter& router, std::function<void()> afterEvent, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    const TableZoom& zoom() const { return zoom_; }
    // Asks for a repaint of only what differs from what was last drawn; nothing when nothing does.
    void followTable();

signals:
    // The view's size changed, and with it the zoom.
    void zoomed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A label of the table, its look fixed at load, its text measured whenever its caption or place
    // changes, and its caption's pictures at the zoom, one for each colour it has shown in.
    struct ShownLabel {
        explicit ShownLabel(const LabelLook& look);
        const LabelLook* look;
        QFont font;
        int flags = 0;
        bool measured = false;
        std::string caption;
        RectF box;
        QString text;
        Rect extent;
        std::map<std::string, QPixmap> pictures;
    };

    void prepare();
    void prepareBackground();
    void paintBackground(QPainter& painter, const QRect& part);
    void prepareLabel(ShownLabel& shown, const Label& label);
    const QPixmap& labelPicture(ShownLabel& shown, const Label& label);
    std::array<MeasuredLabel, 3> measuredLabels() const;
    void drawUnder(const std::vector<Rect>& areas);
    void paintUnder(QPainter& painter, const QRect& part, CardIndex front);
    float tableX(const QMouseEvent* event) const;
    float tableY(const QMouseEvent* event) const;
    void followPointer(const QMouseEvent* event);

    const Table& table_;
    PointerRouter& router_;
    std::function<void()> afterEvent_;
    TableZoom zoom_;
    Pictures pictures_;
    std::array<ShownLabel, 3> labels_;
    // In device pixels of the view: the table under its front card, drawn where it changes, over the
    // background of this deal.
    DrawnBackground backgroundDrawn_;
    QPixmap title_;  // while the title picture shows
    QPixmap under_;
    std::vector<Rect> underToDraw_;  // table pixels
    std::optional<DrawnTable> drawn_;
    bool overWinPrompt_ = false;
};

}  // namespace morvane

// The card table: paints every layer from the table state and passes the pointer to the router.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "game/table.h"
#include "interaction/pointer_router.h"
#include "pictures.h"

namespace morvane {

class TableView : public QWidget {
    Q_OBJECT
public:
    // `afterEvent` runs after each pointer event has reached the game, so the window can follow it.
    TableView(const Table& table, PointerRouter& router, std::function<void()> afterEvent, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void paintBackground(QPainter& painter);
    void paintPlaceMarks(QPainter& painter);
    void paintPiles(QPainter& painter);
    void paintLabels(QPainter& painter);
    void paintCards(QPainter& painter);
    const QPixmap& backdrop();
    void followPointer(const QMouseEvent* event);

    const Table& table_;
    PointerRouter& router_;
    std::function<void()> afterEvent_;
    Pictures pictures_;
    QPixmap backdrop_;
    bool backdropHasDecoration_ = false;
    bool overWinPrompt_ = false;
};

}  // namespace morvane

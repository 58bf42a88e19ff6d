// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table window: menus, panels and the blink timer around the table view. It keeps no game state:
// after every event it hands to the game, it brings the screen up to date from the table state.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <optional>

#include "game/game.h"
#include "interaction/pointer_router.h"

class QAction;

namespace morvane {

class TableView;
class TextPanels;

class TableWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TableWindow(Ports ports);
    ~TableWindow() override;

    const Table& table() const { return game_.table; }
    // Brings menus, panels, timer and picture up to date with the table state, touching only what differs.
    void followTable();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void buildMenus();
    void wirePlayerNotifications();
    // Runs a handler of the game, then lets the screen follow.
    template <typename Handler>
    void run(Handler handler);
    void placeOnScreen();
    QPoint centredFrame(QSize frame) const;

    Game game_;
    PointerRouter router_{game_};
    TableView* view_ = nullptr;
    QTimer timer1_{this};
    QAction* nuova_ = nullptr;
    QAction* cardRustle_ = nullptr;
    QAction* music_ = nullptr;
    TextPanels* panels_ = nullptr;
    bool activated_ = false;
    std::optional<QPoint> placedAt_;  // where the frame was put, until the window manager has framed it
};

}  // namespace morvane

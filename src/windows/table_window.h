// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table window: menus, panels, the blink timer and the table picture around the game. It keeps no
// game state: after every event it hands to the game, it brings the screen up to date from the table.
#pragma once

#include <windows.h>

#include <memory>

#include "game/game.h"
#include "interaction/pointer_router.h"
#include "mci_player.h"
#include "table_picture.h"
#include "text_panels.h"

namespace morvane {

class TableWindow {
public:
    // `music` is the music player of `ports`, given again for its notifications from MCI.
    TableWindow(Ports ports, MciPlayer& music);
    TableWindow(const TableWindow&) = delete;
    TableWindow& operator=(const TableWindow&) = delete;
    ~TableWindow();

    // Creates the window at the table's own size, centred on the screen, and shows it.
    void show(int how);
    HWND handle() const { return window_; }
    const Table& table() const { return game_.table; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs a handler of the game, then lets the screen follow.
    template <typename Handler>
    void run(Handler handler);
    void followTable();
    void followMenus();
    void buildMenus();
    void command(WORD item);
    void menuOpened(HMENU menu);
    void pointer(UINT message, WPARAM wParam, LPARAM lParam);
    bool pointerOverWinPrompt() const;
    void resized(int width, int height);
    void paint();
    POINT smallestFrame() const;
    void placeOnScreen();
    void playerNotice(WPARAM flags, LPARAM device);
    RECT frameFor(int clientWidth, int clientHeight, UINT dpi) const;

    Game game_;
    PointerRouter router_{game_};
    MciPlayer& music_;
    HWND window_ = nullptr;
    HMENU menuBar_ = nullptr;
    HMENU partita_ = nullptr;
    HMENU opzioni_ = nullptr;
    HMENU help_ = nullptr;
    HCURSOR smiley_ = nullptr;
    TablePicture picture_{game_.table};
    std::unique_ptr<TextPanels> panels_;
    bool timerRunning_ = false;
    bool activated_ = false;
    // What the menus last showed, so that only what changed is touched.
    bool nuovaEnabled_ = true;
    bool rustleChecked_ = false;
    bool musicChecked_ = false;
};

}  // namespace morvane

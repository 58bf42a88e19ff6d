// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and about panels: read-only multi-line edit controls over the table, built when first shown.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "fonts.h"
#include "game/table.h"
#include "view/table_zoom.h"

namespace morvane {

class TextPanels {
public:
    // `onClick` runs when the player presses the mouse inside a panel.
    TextPanels(HWND table, std::function<void()> onClick);
    TextPanels(const TextPanels&) = delete;
    TextPanels& operator=(const TextPanels&) = delete;

    // Shows and hides the panels as the table says, the one shown in front of the cards.
    void follow(const Table& table);
    // Over their places on the zoomed table, their text zoomed with it.
    void layOut(const TableZoom& zoom);
    // The panels' light-yellow ground, for the window's WM_CTLCOLORSTATIC.
    HBRUSH ground(HWND control, HDC dc) const;

private:
    void build(std::size_t which);
    void layOut(std::size_t which);
    static LRESULT CALLBACK panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self);

    HWND table_;
    std::function<void()> onClick_;
    TableZoom zoom_;
    std::array<HWND, 3> panels_{};
    std::array<Font, 3> fonts_;
    std::array<std::wstring, 3> texts_;
    HBRUSH ground_;
};

// The text of a panel, as the game's resources hold it, with its line breaks.
std::wstring panelText(int which);

}  // namespace morvane

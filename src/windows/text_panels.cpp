// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The panels are built on first showing, so that nothing slow runs before the window appears.
#include "text_panels.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "view/panel_layout.h"
#include "view/table_layers.h"
#include "wide_text.h"

namespace morvane {
namespace {

constexpr COLORREF kPanelGround = RGB(255, 255, 192);
// Resource numbers of the texts, in the order of the panels.
constexpr int kFirstText = 100;

// The widest line of the text in this font, in window pixels.
int widestLine(const std::wstring& text, HFONT font)
{
    HDC dc = GetDC(nullptr);
    const HGDIOBJ before = SelectObject(dc, font);
    int widest = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(L"\r\n", start);
        end = end == std::wstring::npos ? text.size() : end;
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str() + start, static_cast<int>(end - start), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
        start = end + 2;
    }
    SelectObject(dc, before);
    ReleaseDC(nullptr, dc);
    return widest;
}

}  // namespace

std::wstring panelText(int which)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(kFirstText + which), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (found == nullptr) {
        return {};
    }
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return widen(std::string_view(bytes, SizeofResource(nullptr, found)));
}

TextPanels::TextPanels(HWND table, std::function<void()> onClick)
    : table_(table), onClick_(std::move(onClick)), ground_(CreateSolidBrush(kPanelGround))
{
}

void TextPanels::build(std::size_t which)
{
    const PanelLayout& layout = panelLayouts().at(which);
    const DWORD style = WS_CHILD | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL |
                        (layout.centred ? ES_CENTER : WS_VSCROLL | ES_AUTOVSCROLL);
    texts_.at(which) = panelText(static_cast<int>(which));
    HWND panel = CreateWindowExW(0, L"EDIT", texts_.at(which).c_str(), style, 0, 0, 0, 0, table_,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    panels_.at(which) = panel;
    SetWindowSubclass(panel, panelProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    layOut(which);
}

void TextPanels::layOut(const TableZoom& zoom)
{
    zoom_ = zoom;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (panels_[i] != nullptr) {
            layOut(i);
        }
    }
}

// The font is the largest, of the sizes the zoom makes of the panel's own, that shows every line whole.
void TextPanels::layOut(std::size_t which)
{
    HWND panel = panels_.at(which);
    const Rect box = zoom_.toView(tableBox(panelLayouts().at(which)));
    MoveWindow(panel, box.left, box.top, box.width, box.height, TRUE);
    RECT inside{};
    GetClientRect(panel, &inside);
    const FontAsked asked = windowFont(kWindowFontPixels);
    const auto margins = static_cast<DWORD>(SendMessageW(panel, EM_GETMARGINS, 0, 0));
    const int room = inside.right - inside.left - LOWORD(margins) - HIWORD(margins);
    const int pixels = panelFontPixels(zoom_.factor(), room, [&](int size) {
        const Font font(asked, size);
        return widestLine(texts_.at(which), font.handle());
    });
    fonts_.at(which) = Font(asked, pixels);
    SendMessageW(panel, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.at(which).handle()), TRUE);
}

void TextPanels::follow(const Table& table)
{
    const std::array<bool, 3> shown{table.Text2.Visible, table.Text3.Visible, table.Text4.Visible};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        if (shown[i] && panels_[i] == nullptr) {
            build(i);
        }
        if (panels_[i] != nullptr && (IsWindowVisible(panels_[i]) != FALSE) != shown[i]) {
            if (shown[i]) {
                SetWindowPos(panels_[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            } else {
                ShowWindow(panels_[i], SW_HIDE);
            }
        }
    }
}

HBRUSH TextPanels::ground(HWND control, HDC dc) const
{
    if (std::find(panels_.begin(), panels_.end(), control) == panels_.end()) {
        return nullptr;
    }
    SetBkColor(dc, kPanelGround);
    SetTextColor(dc, RGB(0, 0, 0));
    return ground_;
}

// A press inside a panel closes it, as any press on the table does.
LRESULT CALLBACK TextPanels::panelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self)
{
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        reinterpret_cast<TextPanels*>(self)->onClick_();
        return 0;
    }
    // A panel its scroll bar gave the keyboard to still lets F2 deal anew.
    if (message == WM_KEYDOWN && wParam == VK_F2) {
        return SendMessageW(GetParent(panel), message, wParam, lParam);
    }
    return DefSubclassProc(panel, message, wParam, lParam);
}

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table window around the game: one window procedure handing each message to a small handler.
#include "table_window.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "game/geometry.h"
#include "game/lifecycle.h"
#include "game/panels.h"
#include "game/sound_cues.h"
#include "interaction/table_events.h"
#include "pictures.h"
#include "system_mci.h"
#include "view/window_placement.h"

namespace morvane {
namespace {

constexpr wchar_t kWindowClass[] = L"MorvaneTable";
constexpr UINT kTimer1Interval = 300;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kActivate = WM_APP + 1;      // the window's first activation, once it shows
constexpr UINT kStopCompleted = WM_APP + 2;  // the music player's stop has completed
constexpr UINT kStandardDpi = 96;

enum MenuItem : WORD { kNuova = 101, kEsci, kCardRustle, kMusic, kEnglish, kItaliano, kAbout };

std::int16_t buttonOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return kRightButton;
    default:
        return kMiddleButton;
    }
}

Rect workArea(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace

TableWindow::TableWindow(Ports ports, MciPlayer& music) : game_{Table{}, Hand{}, std::move(ports)}, music_(music)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    smiley_ = Pictures::smileyPointer();
    // The music's notices reach the game as messages of the window, between its other events.
    game_.ports.MMC1.setNotifications({[this] { run([this] { MMC1_Done(game_); }); },
                                       [this] { run([this] { MMC1_StopCompleted(game_); }); }});
}

TableWindow::~TableWindow()
{
    game_.ports.MMC1.setNotifications({});
}

void TableWindow::show(int how)
{
    buildMenus();
    window_ = CreateWindowExW(0, kWindowClass, L"Vandrel - Morvane", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menuBar_,
                              GetModuleHandleW(nullptr), this);
    panels_ = std::make_unique<TextPanels>(window_, [this] { run([this] { Text_Click(game_.table); }); });
    Form_Load(game_);
    placeOnScreen();
    followTable();
    ShowWindow(window_, how);
    UpdateWindow(window_);
    PostMessageW(window_, kActivate, 0, 0);
}

void TableWindow::buildMenus()
{
    partita_ = CreatePopupMenu();
    AppendMenuW(partita_, MF_STRING, kNuova, L"Shuffle cards\tF2");
    AppendMenuW(partita_, MF_STRING, kEsci, L"Quit");
    opzioni_ = CreatePopupMenu();
    AppendMenuW(opzioni_, MF_STRING, kCardRustle, L"Card rustle");
    AppendMenuW(opzioni_, MF_STRING, kMusic, L"Music");
    help_ = CreatePopupMenu();
    AppendMenuW(help_, MF_STRING, kEnglish, L"English");
    AppendMenuW(help_, MF_STRING, kItaliano, L"Italiano");
    menuBar_ = CreateMenu();
    AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(partita_), L"&Game");
    AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(opzioni_), L"&Options");
    AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(help_), L"&Help");
    AppendMenuW(menuBar_, MF_STRING, kAbout, L"&Info");
}

template <typename Handler>
void TableWindow::run(Handler handler)
{
    handler();
    if (music_.stopPending()) {
        PostMessageW(window_, kStopCompleted, 0, 0);
    }
    followTable();
}

void TableWindow::followTable()
{
    if (!panels_ || !IsWindow(window_)) {  // not yet built, or closed
        return;
    }
    const Table& table = game_.table;
    followMenus();
    panels_->follow(table);
    if (table.Timer1.Enabled != timerRunning_) {
        timerRunning_ = table.Timer1.Enabled;
        if (timerRunning_) {
            SetTimer(window_, kTimer1, kTimer1Interval, nullptr);
        } else {
            KillTimer(window_, kTimer1);
        }
    }
    for (const Rect& area : picture_.follow()) {
        const RECT changed{area.left, area.top, area.right(), area.bottom()};
        InvalidateRect(window_, &changed, FALSE);
    }
}

void TableWindow::followMenus()
{
    const Table& table = game_.table;
    if (table.Nuova.Enabled != nuovaEnabled_) {
        nuovaEnabled_ = table.Nuova.Enabled;
        EnableMenuItem(partita_, kNuova, MF_BYCOMMAND | (nuovaEnabled_ ? MF_ENABLED : MF_GRAYED));
    }
    if (table.Option_card_rustle.Checked != rustleChecked_) {
        rustleChecked_ = table.Option_card_rustle.Checked;
        CheckMenuItem(opzioni_, kCardRustle, MF_BYCOMMAND | (rustleChecked_ ? MF_CHECKED : MF_UNCHECKED));
    }
    if (table.Option_music.Checked != musicChecked_) {
        musicChecked_ = table.Option_music.Checked;
        CheckMenuItem(opzioni_, kMusic, MF_BYCOMMAND | (musicChecked_ ? MF_CHECKED : MF_UNCHECKED));
    }
}

// The frame round a client area of this size, menu bar included, at a screen's dots per inch.
RECT TableWindow::frameFor(int clientWidth, int clientHeight, UINT dpi) const
{
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), TRUE,
                             static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)), dpi);
    return frame;
}

// The window opens with the table at its own size at the screen's scale, centred on the screen's free
// area; smaller only where that cannot hold it.
void TableWindow::placeOnScreen()
{
    const UINT dpi = GetDpiForWindow(window_);
    const double scale = static_cast<double>(dpi) / kStandardDpi;
    const RECT chrome = frameFor(0, 0, dpi);
    const int chromeWidth = chrome.right - chrome.left;
    const int chromeHeight = chrome.bottom - chrome.top;
    const Rect area = workArea(window_);
    const Rect areaAtStandard{0, 0, static_cast<int>(area.width / scale), static_cast<int>(area.height / scale)};
    const double zoom = scale * openingZoom(areaAtStandard, static_cast<int>(std::ceil(chromeWidth / scale)),
                                            static_cast<int>(std::ceil(chromeHeight / scale)));
    const RECT frame = frameFor(static_cast<int>(std::lround(geometry::kTableWidth * zoom)),
                                static_cast<int>(std::lround(geometry::kTableHeight * zoom)), dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const Point corner = centredFrame(area, width, height);
    SetWindowPos(window_, nullptr, corner.x, corner.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TableWindow::resized(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;  // minimised
    }
    picture_.resize(width, height);
    if (panels_) {
        panels_->layOut(picture_.zoom());
    }
    followTable();
}

void TableWindow::paint()
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    picture_.copyTo(dc, paint.rcPaint);
    EndPaint(window_, &paint);
}

// Half the table's size still shows every card and label whole enough to play.
POINT TableWindow::smallestFrame() const
{
    const UINT dpi = GetDpiForWindow(window_);
    const RECT frame = frameFor(MulDiv(geometry::kTableWidth / 2, static_cast<int>(dpi), kStandardDpi),
                                MulDiv(geometry::kTableHeight / 2, static_cast<int>(dpi), kStandardDpi), dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

bool TableWindow::pointerOverWinPrompt() const
{
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(window_, &at);
    const PointF onTable = picture_.zoom().toTable(PointF{double(at.x), double(at.y)});
    return targetAt(game_.table, static_cast<float>(onTable.x), static_cast<float>(onTable.y)).control ==
           Control::WinPrompt;
}

// The pressed control keeps the pointer until the last button is let go, wherever the pointer goes.
void TableWindow::pointer(UINT message, WPARAM wParam, LPARAM lParam)
{
    const PointF at = picture_.zoom().toTable(PointF{double(GET_X_LPARAM(lParam)), double(GET_Y_LPARAM(lParam))});
    const auto x = static_cast<float>(at.x);
    const auto y = static_cast<float>(at.y);
    switch (message) {
    case WM_MOUSEMOVE:
        run([&] { router_.move(x, y); });
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window_);
        run([&] { router_.press(buttonOf(message), x, y); });
        return;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        SetCapture(window_);
        run([&] { router_.doubleClick(buttonOf(message), x, y); });
        return;
    default:
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
            ReleaseCapture();
        }
        run([&] { router_.release(buttonOf(message), x, y); });
    }
}

void TableWindow::command(WORD item)
{
    switch (item) {
    case kNuova:
        run([this] { Nuova_Click(game_); });
        break;
    case kEsci:
        run([this] { esci_Click(game_); });
        break;
    case kCardRustle:
        run([this] { Option_card_rustle_Click(game_); });
        break;
    case kMusic:
        run([this] { Option_music_Click(game_); });
        break;
    case kEnglish:
        run([this] { Help_english_Click(game_.table); });
        break;
    case kItaliano:
        run([this] { Help_italiano_Click(game_.table); });
        break;
    case kAbout:
        run([this] { about_Click(game_.table); });
        break;
    default:
        break;
    }
}

// A menu-bar entry's handler runs as it opens, before any of its items is chosen.
void TableWindow::menuOpened(HMENU menu)
{
    if (menu == partita_) {
        run([this] { partita_Click(game_.table); });
    } else if (menu == opzioni_) {
        run([this] { opzioni_Click(game_.table); });
    } else if (menu == help_) {
        run([this] { help_Click(game_.table); });
    }
}

// MCI names the device whose play ended; only the music's notices reach the game.
void TableWindow::playerNotice(WPARAM, LPARAM device)
{
    if (static_cast<unsigned>(device) == SystemMci::deviceOf(music_.alias())) {
        music_.playFinished();
    }
}

LRESULT CALLBACK TableWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TableWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TableWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TableWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        resized(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = smallestFrame();
        return 0;
    case WM_DPICHANGED: {
        // The window takes the size Windows suggests for the new scale; its WM_SIZE then zooms the table.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        pointer(message, wParam, lParam);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && pointerOverWinPrompt()) {
            SetCursor(smiley_);
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wParam == kTimer1) {
            run([this] { Timer1_Timer(game_); });
        }
        return 0;
    case WM_KEYDOWN:
        // F2 is read here rather than through an accelerator table: Windows translates no accelerator
        // while the mouse is captured, and a player may deal anew in the middle of a carry.
        if (wParam == VK_F2) {
            command(kNuova);
            return 0;
        }
        break;
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        if (HIWORD(lParam) == FALSE) {
            menuOpened(reinterpret_cast<HMENU>(wParam));
        }
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (panels_) {
            if (HBRUSH ground = panels_->ground(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(ground);
            }
        }
        break;
    case MM_MCINOTIFY:
        playerNotice(wParam, lParam);
        return 0;
    case kStopCompleted:
        if (music_.stopPending()) {
            music_.stopFinished();
        }
        return 0;
    case kActivate:
        if (!activated_) {
            activated_ = true;
            run([this] { Form_Activate(game_); });
        }
        return 0;
    case WM_CLOSE:
        if (!game_.table.closed) {
            Form_Unload(game_);
        }
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        KillTimer(window_, kTimer1);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table window around the game.
#include "table_window.h"

#include <QCloseEvent>
#include <QMoveEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "game/lifecycle.h"
#include "game/panels.h"
#include "game/sound_cues.h"
#include "interaction/table_events.h"
#include "fonts.h"
#include "game/ports.h"
#include "pictures.h"
#include "qt_pixels.h"
#include "table_view.h"
#include "text_panels.h"
#include "view/window_placement.h"

namespace morvane {
namespace {

constexpr int kTimer1Interval = 300;
// The caption and border a window manager puts round the window: the outer 600 x 470 of a classic
// desktop less its 594 x 425 table and a 19-pixel menu bar.
const QSize kFrame(6, 26);

}  // namespace

TableWindow::TableWindow(Ports ports) : game_{Table{}, Hand{}, std::move(ports)}
{
    setWindowTitle(QStringLiteral("Vandrel - Morvane"));
    setFont(qtFont(windowFont(kWindowFontPixels)));
    setWindowIcon(Pictures::windowIcon());
    view_ = new TableView(
        game_.table, router_, [this] { followTable(); }, this);
    setCentralWidget(view_);
    buildMenus();
    panels_ = new TextPanels(*view_, [this] { run([this] { Text_Click(game_.table); }); });
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kTimer1Interval);
    connect(&timer1_, &QTimer::timeout, this, [this] { run([this] { Timer1_Timer(game_); }); });
    wirePlayerNotifications();
    Form_Load(game_);
    placeOnScreen();
    followTable();
}

TableWindow::~TableWindow() { game_.ports.MMC1.setNotifications({}); }

template <typename Handler>
void TableWindow::run(Handler handler)
{
    handler();
    followTable();
}

void TableWindow::buildMenus()
{
    QMenu* partita = menuBar()->addMenu(QStringLiteral("&Game"));
    connect(partita, &QMenu::aboutToShow, this, [this] { run([this] { partita_Click(game_.table); }); });
    nuova_ = partita->addAction(QStringLiteral("Shuffle cards"), this, [this] { run([this] { Nuova_Click(game_); }); });
    nuova_->setShortcut(Qt::Key_F2);
    partita->addAction(QStringLiteral("Quit"), this, [this] { run([this] { esci_Click(game_); }); });

    QMenu* opzioni = menuBar()->addMenu(QStringLiteral("&Options"));
    connect(opzioni, &QMenu::aboutToShow, this, [this] { run([this] { opzioni_Click(game_.table); }); });
    cardRustle_ = opzioni->addAction(QStringLiteral("Card rustle"), this,
                                     [this] { run([this] { Option_card_rustle_Click(game_); }); });
    music_ = opzioni->addAction(QStringLiteral("Music"), this, [this] { run([this] { Option_music_Click(game_); }); });
    cardRustle_->setCheckable(true);
    music_->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(help, &QMenu::aboutToShow, this, [this] { run([this] { help_Click(game_.table); }); });
    help->addAction(QStringLiteral("English"), this, [this] { run([this] { Help_english_Click(game_.table); }); });
    help->addAction(QStringLiteral("Italiano"), this, [this] { run([this] { Help_italiano_Click(game_.table); }); });

    menuBar()->addAction(QStringLiteral("&Info"), this, [this] { run([this] { about_Click(game_.table); }); });
}

void TableWindow::wirePlayerNotifications()
{
    // The players report from their own thread; the game hears them between the window's events.
    game_.ports.MMC1.setNotifications(
        {[this] {
             QMetaObject::invokeMethod(
                 this, [this] { run([this] { MMC1_Done(game_); }); }, Qt::QueuedConnection);
         },
         [this] {
             QMetaObject::invokeMethod(
                 this, [this] { run([this] { MMC1_StopCompleted(game_); }); }, Qt::QueuedConnection);
         }});
}

// The window opens with the table at its own size, its frame centred on the screen's free area. Where
// that cannot hold it, the table opens at the largest zoom at which the window fits, caption and border
// allowed for, and the window lies wholly in the free area. The player may then resize it at will.
void TableWindow::placeOnScreen()
{
    const QSize table = view_->sizeHint();
    const QSize menus = sizeHint() - table;
    resize(sizeHint());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const double zoom = openingZoom(fromQRect(screen->availableGeometry()), menus.width() + kFrame.width(),
                                    menus.height() + kFrame.height());
    if (zoom < 1.0) {
        resize(menus + table * zoom);
    }
    placedAt_ = centredFrame(size() + kFrame);
    move(*placedAt_);
}

// The frame's top-left corner, centred on the screen's free area.
QPoint TableWindow::centredFrame(QSize frame) const
{
    const QScreen* shownOn = screen();
    const Rect available = fromQRect(shownOn != nullptr ? shownOn->availableGeometry() : QRect(QPoint(), frame));
    const Point corner = morvane::centredFrame(available, frame.width(), frame.height());
    return {corner.x, corner.y};
}

// The window opened centred with a frame of the usual size; once the window manager has framed it,
// the frame's own size is known, and a window still where it was put is centred again with it. Where
// the window system places windows itself, nothing is framed and nothing moves.
void TableWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (!placedAt_ || frameGeometry().size() == size()) {
        return;
    }
    const QPoint asked = *std::exchange(placedAt_, std::nullopt);
    if (pos() == asked || geometry().topLeft() == asked) {
        if (const QPoint centred = centredFrame(frameGeometry().size()); centred != pos()) {
            move(centred);
        }
    }
}

void TableWindow::followTable()
{
    const Table& table = game_.table;
    if (nuova_->isEnabled() != table.Nuova.Enabled) {
        nuova_->setEnabled(table.Nuova.Enabled);
    }
    if (cardRustle_->isChecked() != table.Option_card_rustle.Checked) {
        cardRustle_->setChecked(table.Option_card_rustle.Checked);
    }
    if (music_->isChecked() != table.Option_music.Checked) {
        music_->setChecked(table.Option_music.Checked);
    }
    panels_->follow(table);
    if (table.Timer1.Enabled && !timer1_.isActive()) {
        timer1_.start();
    } else if (!table.Timer1.Enabled && timer1_.isActive()) {
        timer1_.stop();
    }
    view_->followTable();
}

// The first activation shows the title picture for its pause, then deals.
void TableWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, [this] { run([this] { Form_Activate(game_); }); });
    }
}

void TableWindow::closeEvent(QCloseEvent* event)
{
    if (!game_.table.closed) {
        Form_Unload(game_);
    }
    event->accept();
}

}  // namespace morvane

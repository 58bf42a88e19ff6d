// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt window with the same menu bar and table size as the game.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("Shuffle cards"))->setShortcut(Qt::Key_F2);
    game->addAction(QStringLiteral("Quit"));
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(QStringLiteral("Card rustle"))->setCheckable(true);
    options->addAction(QStringLiteral("Music"))->setCheckable(true);
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("English"));
    help->addAction(QStringLiteral("Italiano"));
    window.menuBar()->addAction(QStringLiteral("&Info"));
    // Opens at the table's size and, like the game, may be resized.
    window.setCentralWidget(new QWidget);
    window.resize(594, 425 + window.menuBar()->sizeHint().height());
    window.show();
    return QApplication::exec();
}

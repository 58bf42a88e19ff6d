// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Morvane: a patience game with the 40-card Neapolitan deck.
#include <QApplication>
#include <QTimer>

#include "command_line.h"
#include "qt_ports.h"
#include "sound/audio_system.h"
#include "sound_folder.h"
#include "sound_log.h"
#include "table_window.h"

int main(int argc, char* argv[])
{
    morvane::answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    // Names the installed launcher, so that a Wayland desktop matches the window to it (its app_id).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vandrel.morvane"));
    morvane::SoundLog soundLog;
    morvane::AudioSystem audio({.diagnostics = &soundLog});
    morvane::QtClock clock;
    morvane::QtEventPump events;
    morvane::QtRandom random;
    morvane::QtBeeper beeper;
    morvane::QtWindowControl windowControl;
    morvane::TableWindow window({clock, events, random, beeper, windowControl, audio.music(), audio.rustle(),
                                 morvane::soundFolder(QCoreApplication::applicationDirPath().toStdString())});
    window.show();
    // The sound loads in the background once the window has shown.
    QTimer::singleShot(0, &window, [&audio] { audio.start(); });
    return QApplication::exec();
}

// Morvane: a patience game with the 40-card Neapolitan deck.
#include <QApplication>

#include "qt_ports.h"
#include "sound/audio_system.h"
#include "table_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    morvane::AudioSystem audio;  // opens the device and loads the soundfont in the background
    morvane::QtClock clock;
    morvane::QtEventPump events;
    morvane::QtRandom random;
    morvane::QtBeeper beeper;
    morvane::TableWindow window({clock, events, random, beeper, audio.music(), audio.rustle(),
                                 QCoreApplication::applicationDirPath().toStdString()});
    window.show();
    return QApplication::exec();
}

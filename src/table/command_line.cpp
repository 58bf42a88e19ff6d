// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's answers to --help and --version; any other argument leaves it to start as always.
#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace morvane {
namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

}  // namespace

void answerHelpOrVersion(int argc, char* argv[])
{
    QCoreApplication::setApplicationVersion(QStringLiteral(MORVANE_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Morvane, a patience game with the 40-card Neapolitan deck.\n"
        "Run it without options to play: it takes none but these two.\n"
        "The manual: man morvane"));
    // Read one dash as one word, so that Qt's own options (-platform, -stylesheet) are not taken for -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and ends."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Unknown options and stray words are no fault: the game starts with them, as it always has.
    parser.parse(argumentsOf(argc, argv));
    if (!parser.isSet(help) && !parser.isSet(version)) {
        return;
    }
    // A core application, which needs no display, names the program in the usage and the version.
    const QCoreApplication application(argc, argv);
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    parser.showVersion();
}

}  // namespace morvane

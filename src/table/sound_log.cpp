// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's log of why its sound stays silent: the category morvane.sound, off unless the player turns it on.
#include "sound_log.h"

#include <QLoggingCategory>
#include <QString>

namespace morvane {
namespace {

// Only messages more severe than a warning would be on by default, and the sound sends none.
Q_LOGGING_CATEGORY(soundCategory, "morvane.sound", QtCriticalMsg)

}  // namespace

void SoundLog::report(const std::string& reason)
{
    qCWarning(soundCategory).noquote() << QString::fromStdString(reason);
}

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The fonts the game asks for, found by family through the system's font configuration.
#pragma once

#include <QFont>

#include "view/table_layers.h"

namespace morvane {

// The font asked for, or its metric twin where the system lacks it; a family that is not what the system
// gives is named once in the log category morvane.fonts.
QFont qtFont(const FontAsked& asked);

// Where MORVANE_FONT_FOLDER names a folder, the Liberation faces are read from their files there before
// the first picture, label or menu is drawn, over whatever the system has. Does its work once.
void useFontFolder();

}  // namespace morvane

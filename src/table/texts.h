// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and about texts, compiled into the program.
#pragma once

#include <QString>

namespace morvane {

// The text of this name, its CR LF line ends turned into plain new lines; empty if there is none.
QString gameText(const QString& name);

}  // namespace morvane

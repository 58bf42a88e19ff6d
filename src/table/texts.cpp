// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts are read from the program's resources as they were written, for a classic desktop.
#include "texts.h"

#include <QFile>

namespace morvane {

QString gameText(const QString& name)
{
    QFile file(QStringLiteral(":/assets/texts/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Fonts by family, with a folder of font files as an override and a log of what stood in for what.
#include "fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLoggingCategory>
#include <QSet>

namespace morvane {
namespace {

// Only messages more severe than a warning would be on by default, and a missing font sends none.
// QT_LOGGING_RULES="morvane.*=true" turns them on.
Q_LOGGING_CATEGORY(fontCategory, "morvane.fonts", QtCriticalMsg)

// Registers one font file with Qt; what went wrong, or nothing when it loaded.
const char* fontFault(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        return "is missing";
    }
    return QFontDatabase::addApplicationFont(path) < 0 ? "does not load" : nullptr;
}

// Names a family the system gave something else for, once.
void noteStandIn(const QString& asked, const QString& given)
{
    static QSet<QString> named;
    if (given != asked && !named.contains(asked)) {
        named.insert(asked);
        qCWarning(fontCategory).noquote()
            << QStringLiteral("font family %1 is not installed; %2 draws in its place").arg(asked, given);
    }
}

}  // namespace

// The serif, bold italic for the labels, regular and bold for the numerals and the title; the sans for the
// menus and panels.
void useFontFolder()
{
    static const bool used = [] {
        const QString folder = qEnvironmentVariable("MORVANE_FONT_FOLDER");
        if (folder.isEmpty()) {
            return false;
        }
        for (const char* face : {"Serif-Regular", "Serif-Bold", "Serif-BoldItalic", "Sans-Regular"}) {
            const QString path = QStringLiteral("%1/Liberation%2.ttf").arg(folder, QLatin1String(face));
            if (const char* fault = fontFault(path)) {
                qCWarning(fontCategory).noquote()
                    << QStringLiteral("font file %1 %2; the system's font draws in its place").arg(path, fault);
            }
        }
        return true;
    }();
    static_cast<void>(used);
}

QFont qtFont(const FontAsked& asked)
{
    useFontFolder();
    const QString family = QString::fromLatin1(asked.family);
    QFont font(family);
    font.setFamilies({family, QString::fromLatin1(asked.twin)});
    font.setPixelSize(asked.pixelSize);
    font.setBold(asked.bold);
    font.setItalic(asked.italic);
    noteStandIn(family, QFontInfo(font).family());
    return font;
}

}  // namespace morvane

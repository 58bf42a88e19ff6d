// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and about panels over the table: read-only texts, built the first time they are shown,
// zoomed with the table.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "game/table.h"

class QPlainTextEdit;

namespace morvane {

class TableView;

class TextPanels : public QObject {
    Q_OBJECT
public:
    // `onClick` runs when the player clicks inside a shown panel.
    TextPanels(TableView& table, std::function<void()> onClick);

    // Shows the panel that the table state shows and hides the others.
    void follow(const Table& table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build(std::size_t which);
    void layOut(std::size_t which);

    TableView& table_;
    std::function<void()> onClick_;
    std::array<QPlainTextEdit*, 3> panels_{};
};

}  // namespace morvane

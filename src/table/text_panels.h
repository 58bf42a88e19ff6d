// The rules and about panels over the table: read-only texts, built the first time they are shown.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "game/table.h"

class QPlainTextEdit;
class QWidget;

namespace morvane {

class TextPanels : public QObject {
    Q_OBJECT
public:
    // `onClick` runs when the player clicks inside a shown panel.
    TextPanels(QWidget& table, std::function<void()> onClick);

    // Shows the panel that the table state shows and hides the others.
    void follow(const Table& table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PanelLayout;
    QPlainTextEdit* build(const PanelLayout& layout);

    QWidget& table_;
    std::function<void()> onClick_;
    std::array<QPlainTextEdit*, 3> panels_{};
};

}  // namespace morvane

// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine as Qt offers it.
#include "qt_ports.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

namespace morvane {

double QtClock::secondsOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

QtEventPump::QtEventPump()
{
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [this] { closed_ = true; });
}

bool QtEventPump::processEvents(double maxSeconds)
{
    if (closed_) {
        return false;
    }
    QEventLoop loop;
    QTimer wake;
    wake.setSingleShot(true);
    QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, &loop, &QEventLoop::quit);
    // A few milliseconds past the deadline, so that one wait normally ends the pause.
    wake.start(std::max(1, static_cast<int>(maxSeconds * 1000.0) + 5));
    loop.exec();
    return !closed_;
}

// Each deal draws from a generator seeded afresh from the clock and the system's entropy.
void QtRandom::reseedFromClock()
{
    std::random_device entropy;
    const auto now = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    std::seed_seq seed{static_cast<std::uint64_t>(entropy()), now, now >> 32};
    engine_.seed(seed);
}

double QtRandom::next() { return uniform_(engine_); }

void QtBeeper::beep() { QApplication::beep(); }

void QtWindowControl::closeWindow() { QApplication::closeAllWindows(); }

}  // namespace morvane

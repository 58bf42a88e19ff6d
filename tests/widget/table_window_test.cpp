// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The real table window on the offscreen platform: menus, F2, panels, painting, timer and pointer wiring.
#include <QAction>
#include <QBackingStore>
#include <QApplication>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QPainter>
#include <QSignalSpy>
#include <QScreen>
#include <QSvgRenderer>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <random>

#include "support/fake_ports.h"
#include "table/qt_ports.h"
#include "table/table_window.h"

using morvane::Table;
using morvane::TableWindow;

namespace {

QAction* findAction(QWidget* window, const QString& text)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

QPlainTextEdit* panel(TableWindow& window, const char* name) { return window.findChild<QPlainTextEdit*>(name); }

QColor pixelAt(TableWindow& window, int x, int y) { return window.centralWidget()->grab().toImage().pixelColor(x, y); }

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuTreeHasItsCaptionsAndChecks();
    void shuffleIsDisabledUntilThePauseEnds();
    void f2DealsAgain();
    void panelsOpenCloseAndHaveTheirSizes();
    void clickInsidePanelClosesIt();
    void paintsTheTableDecorationAndMarks();
    void emptyStockShowsTheRing();
    void stockClickReachesTheGame();
    void blinkTimerFollowsTheTable();
    void quitClosesTheWindowAndThePlayers();
    void cardsAreDraggedWithTheMouse();
    void winPromptShowsTheSmileyAndDealsAnew();
    void partialRepaintsMatchAFullRepaint_data();
    void partialRepaintsMatchAFullRepaint();
    void picturesAreWholeAndCoverTheirPlaces_data();
    void picturesAreWholeAndCoverTheirPlaces();

private:
    void activate();
    struct Hand {
        bool carrying = false;
        QPointF at;
    };
    void playRandomly(std::mt19937& chance, Hand& hand);
    QImage shownTable();
    qsizetype pixelsUnlikeAWholeRepaint();
    QWidget* view() { return window_->centralWidget(); }
    QPoint onScreen(QPointF table);
    QRect onDevice(QRectF table, qreal ratio);
    void resizeView(QSize size);
    // A move of the pointer, with no button held unless told.
    void hover(QPointF at, Qt::MouseButtons held = Qt::NoButton)
    {
        QMouseEvent move(QEvent::MouseMove, at, view()->mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(view(), &move);
    }

    morvane::QtWindowControl closer_;
    std::unique_ptr<morvane::testing::FakeMachine> machine_;
    std::unique_ptr<TableWindow> window_;
};

void TableWindowTest::init()
{
    machine_ = std::make_unique<morvane::testing::FakeMachine>();
    auto& m = *machine_;
    window_ = std::make_unique<TableWindow>(
        morvane::Ports{m.clock, m.events, m.random, m.beeper, closer_, m.music, m.rustle, "/game"});
}

void TableWindowTest::cleanup()
{
    window_.reset();
    machine_.reset();
}

void TableWindowTest::activate()
{
    window_->show();
    QTRY_COMPARE(window_->table().dealNumber, 1U);
}

// Where a point of the table shows in the view: the tests' own reading of the zoom, the largest at
// which the table's 594 x 425 fits, the table at the top and centred across in whole pixels.
QPoint TableWindowTest::onScreen(QPointF table)
{
    const qreal zoom = std::min(view()->width() / 594.0, view()->height() / 425.0);
    const qreal left = std::floor((view()->width() - 594 * zoom) / 2);
    return QPointF(left + table.x() * zoom, table.y() * zoom).toPoint();
}

// The whole device pixels a picture lying at these table pixels is drawn on: its corner at the nearest
// device pixel, its size the zoomed size rounded, wherever it lies.
QRect TableWindowTest::onDevice(QRectF table, qreal ratio)
{
    const qreal zoom = std::min(view()->width() / 594.0, view()->height() / 425.0);
    const qreal left = std::floor((view()->width() - 594 * zoom) / 2);
    const auto whole = [](qreal v) { return static_cast<int>(std::lround(v)); };
    return {whole((left + table.x() * zoom) * ratio), whole(table.y() * zoom * ratio),
            whole(table.width() * zoom * ratio), whole(table.height() * zoom * ratio)};
}

// The window made as large as a view of this size needs under its menu bar.
void TableWindowTest::resizeView(QSize size)
{
    window_->setFixedSize(size + QSize(0, window_->menuBar()->height()));
    QTRY_COMPARE(view()->size(), size);
}

void TableWindowTest::menuTreeHasItsCaptionsAndChecks()
{
    QStringList titles;
    for (QAction* entry : window_->menuBar()->actions()) {
        titles << entry->text();
    }
    QCOMPARE(titles, (QStringList{"&Game", "&Options", "&Help", "&Info"}));
    QCOMPARE(findAction(window_.get(), "Shuffle cards")->shortcut(), QKeySequence(Qt::Key_F2));
    QVERIFY(findAction(window_.get(), "Quit"));
    QVERIFY(findAction(window_.get(), "English"));
    QVERIFY(findAction(window_.get(), "Italiano"));
    QVERIFY(findAction(window_.get(), "Card rustle")->isChecked());
    QVERIFY(findAction(window_.get(), "Music")->isChecked());

    findAction(window_.get(), "Music")->trigger();
    QVERIFY(!findAction(window_.get(), "Music")->isChecked());
    QVERIFY(!window_->table().Option_music.Checked);
    QCOMPARE(window_->windowTitle(), QString("Vandrel - Morvane"));
}

void TableWindowTest::shuffleIsDisabledUntilThePauseEnds()
{
    QAction* shuffle = findAction(window_.get(), "Shuffle cards");
    QVERIFY(!shuffle->isEnabled());
    bool sawDisabledDuringPause = false;
    machine_->events.onEvents = [&] { sawDisabledDuringPause = !shuffle->isEnabled(); };
    activate();
    QVERIFY(sawDisabledDuringPause);
    QVERIFY(shuffle->isEnabled());
    QVERIFY(!window_->table().titlePictureShown);
}

void TableWindowTest::f2DealsAgain()
{
    activate();
    QTest::keyClick(window_.get(), Qt::Key_F2);
    QCOMPARE(window_->table().dealNumber, 2U);
    QCOMPARE(window_->table().StockCards.size(), 28U);
}

void TableWindowTest::panelsOpenCloseAndHaveTheirSizes()
{
    activate();
    findAction(window_.get(), "English")->trigger();
    const auto shown = [&] {
        QStringList names;
        for (QPlainTextEdit* shownPanel : window_->findChildren<QPlainTextEdit*>()) {
            if (shownPanel->isVisible()) {
                names << shownPanel->toPlainText().left(12);
            }
        }
        return names;
    };
    QCOMPARE(shown(), QStringList{"Do you know "});
    QCOMPARE(panel(*window_, "Text2")->size(), QSize(255, 201));
    QCOMPARE(panel(*window_, "Text2")->horizontalScrollBar()->maximum(), 0);  // every hand-broken line shows whole
    findAction(window_.get(), "Italiano")->trigger();
    QCOMPARE(shown(), QStringList{"Il tavolo da"});
    findAction(window_.get(), "&Info")->trigger();
    QCOMPARE(shown().size(), 1);
    QCOMPARE(panel(*window_, "Text4")->geometry(), QRect(127, 0, 184, 72));
    findAction(window_.get(), "&Info")->trigger();
    QVERIFY(shown().isEmpty());

    findAction(window_.get(), "English")->trigger();
    QTest::mousePress(view(), Qt::RightButton, {}, QPoint(450, 300));
    QVERIFY(shown().isEmpty());

    // On a table at zoom 2, shown or not while it grew, a panel is twice its size at twice its place,
    // its text larger and every line still whole.
    findAction(window_.get(), "&Info")->trigger();
    resizeView({1188 + 100, 850});
    QCOMPARE(panel(*window_, "Text4")->geometry(), QRect(50 + 254, 0, 368, 144));
    findAction(window_.get(), "English")->trigger();
    QCOMPARE(panel(*window_, "Text2")->geometry(), QRect(50, 0, 510, 402));
    QCOMPARE(panel(*window_, "Text2")->horizontalScrollBar()->maximum(), 0);
    QVERIFY(panel(*window_, "Text2")->font().pixelSize() > 13);
}

void TableWindowTest::clickInsidePanelClosesIt()
{
    activate();
    findAction(window_.get(), "English")->trigger();
    QPlainTextEdit* english = panel(*window_, "Text2");
    QTest::mouseClick(english->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!english->isVisible());
    QVERIFY(!window_->table().Text2.Visible);
}

void TableWindowTest::paintsTheTableDecorationAndMarks()
{
    activate();
    QCOMPARE(pixelAt(*window_, 200, 400), QColor(0, 64, 0));  // column area
    QCOMPARE(pixelAt(*window_, 84, 300), QColor(0, 0, 0));    // its left edge
    QCOMPARE(pixelAt(*window_, 370, 300), QColor(192, 192, 192));
    QCOMPARE(pixelAt(*window_, 450, 300), QColor(0, 128, 0));  // bare table
    QCOMPARE(pixelAt(*window_, 499, 60), QColor(0, 0, 0));     // stock frame
    QCOMPARE(pixelAt(*window_, 564, 60), QColor(128, 128, 128));
    QCOMPARE(pixelAt(*window_, 230, 10), QColor(255, 255, 0));  // foundation 3's mark
    QCOMPARE(pixelAt(*window_, 390, 125), QColor(0, 64, 0));    // base-value label ground
    QCOMPARE(pixelAt(*window_, 23, 141), QColor(0, 64, 0));     // reserve counter
}

void TableWindowTest::emptyStockShowsTheRing()
{
    activate();
    for (int turn = 0; turn < 10; ++turn) {
        QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(530, 60));
    }
    QVERIFY(!window_->table().Mazzo.Visible);
    QCOMPARE(pixelAt(*window_, 531, 40), QColor(255, 255, 255));
    QCOMPARE(pixelAt(*window_, 531, 60), QColor(0, 64, 0));
}

void TableWindowTest::stockClickReachesTheGame()
{
    activate();
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(530, 60));
    QCOMPARE(window_->table().StockCards.size(), 25U);
    const morvane::CardIndex first = window_->table().DealOrder[13];
    QCOMPARE(window_->table().card(first).Left, 380.0F);
    QVERIFY(!machine_->rustle.commands.empty());
}

void TableWindowTest::blinkTimerFollowsTheTable()
{
    activate();
    auto* timer = window_->findChild<QTimer*>("Timer1");
    QVERIFY(timer != nullptr);
    QVERIFY(!timer->isActive());
    const_cast<Table&>(window_->table()).Timer1.Enabled = true;
    window_->followTable();
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 300);
    QTRY_COMPARE(window_->table().Label1.ForeColor, morvane::kLabelRed);
    QTRY_COMPARE(window_->table().Label1.ForeColor, morvane::kLabelGreen);
}

void TableWindowTest::quitClosesTheWindowAndThePlayers()
{
    activate();
    findAction(window_.get(), "Quit")->trigger();
    QVERIFY(!window_->isVisible());
    QVERIFY(window_->table().closed);
    QCOMPARE(machine_->music.commands.back(), std::string("close"));
    QCOMPARE(machine_->rustle.commands.back(), std::string("close"));
}

// Base card the 3 of Denari; columns the 6 of Denari, the 7 of Spade, the 4 of Denari, the 8 of Spade.
void TableWindowTest::cardsAreDraggedWithTheMouse()
{
    machine_->random.scriptCards({6, 37, 4, 38, 3});
    activate();
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view(), (from + to) / 2);
        QTest::mouseMove(view(), to);
        QTest::mouseRelease(view(), Qt::LeftButton, {}, to);
    };
    drag({262, 170}, {127, 65});  // the 4 of Denari onto the 3 on the first foundation
    QCOMPARE(window_->table().card(4).Left, 90.0F);
    QCOMPARE(window_->table().card(4).Top, 10.0F);
    drag({122, 170}, {197, 205});  // the 6 of Denari under the 7 of Spade
    QCOMPARE(window_->table().card(6).Left, 160.0F);
    QCOMPARE(window_->table().card(6).Top, 150.0F);
    drag({332, 170}, {450, 330});  // the 8 of Spade fits nowhere and goes home
    QCOMPARE(window_->table().card(38).Left, 300.0F);
    QCOMPARE(window_->table().card(38).Top, 120.0F);

    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(40, 60));  // the reserve into column 1
    QCOMPARE(window_->table().card(window_->table().DealOrder[6]).Left, 90.0F);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(530, 60));
    window_->grab().save(QStringLiteral("game-in-progress.png"));
}

void TableWindowTest::winPromptShowsTheSmileyAndDealsAnew()
{
    activate();
    const_cast<Table&>(window_->table()).Label5.Visible = true;
    window_->followTable();
    QCOMPARE(pixelAt(*window_, 74, 186), QColor(0, 128, 0));  // the prompt's own green
    hover(QPoint(450, 330));
    QCOMPARE(view()->cursor().shape(), Qt::ArrowCursor);
    hover(QPoint(180, 250));  // below the column cards, on the prompt
    QCOMPARE(view()->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(180, 250));
    QCOMPARE(window_->table().dealNumber, 2U);
    QVERIFY(!window_->table().Label5.Visible);
}

// One random event of play. While a card is carried: a step of the hand, now and then a leap, or
// the release. Otherwise: a hover, a press on a card, a double-click, the stock, the reserve, a
// panel, or now and then a deal.
void TableWindowTest::playRandomly(std::mt19937& chance, Hand& hand)
{
    const auto below = [&chance](int n) { return std::uniform_int_distribution<int>(0, n - 1)(chance); };
    // Half pixels too: a pointer on a screen of pixel ratio 2 lies between the table's pixels.
    const auto anywhere = [&] { return QPointF(below(2 * view()->width()) / 2.0, below(2 * view()->height()) / 2.0); };
    const auto onACard = [&] {
        std::vector<QPoint> tops;
        for (int c = 1; c <= morvane::kCardCount; ++c) {
            const auto& card = window_->table().card(c);
            const QPoint top = onScreen(
                {card.Left + 10.0F + static_cast<float>(below(44)), card.Top + 5.0F + static_cast<float>(below(20))});
            if (card.Left < 594 && top.y() < view()->height()) {
                tops.push_back(top);
            }
        }
        return tops.at(static_cast<std::size_t>(below(static_cast<int>(tops.size()))));
    };
    if (hand.carrying) {
        if (below(5) == 0) {
            QTest::mouseRelease(view(), Qt::LeftButton, {}, hand.at.toPoint());
            hand.carrying = false;
        } else {
            hand.at = below(8) == 0 ? anywhere() : hand.at + QPointF(below(41) - 20, below(41) - 20) / 2.0;
            hover(hand.at, Qt::LeftButton);
        }
        return;
    }
    const int roll = below(100);
    if (roll < 1) {
        QTest::keyClick(window_.get(), Qt::Key_F2);
    } else if (roll < 4) {
        findAction(window_.get(), QStringList{"English", "Italiano", "&Info"}.at(below(3)))->trigger();
    } else if (roll < 8) {
        QTest::mouseDClick(view(), Qt::LeftButton, {}, onACard());
    } else if (roll < 38) {
        QTest::mouseClick(view(), Qt::LeftButton, {}, onScreen({530, 60}));
    } else if (roll < 45) {
        QTest::mouseClick(view(), Qt::LeftButton, {}, onScreen({40, 60}));
    } else if (roll < 75) {
        hover(anywhere());
    } else {
        hand = {true, onACard()};
        QTest::mousePress(view(), Qt::LeftButton, {}, hand.at.toPoint());
    }
}

// The table as the screen shows it: pieces repainted event by event into the window's backing store,
// which on the offscreen platform is an image.
QImage TableWindowTest::shownTable()
{
    const auto* window = dynamic_cast<const QImage*>(window_->backingStore()->paintDevice());
    const qreal ratio = window->devicePixelRatio();
    const QRect table(view()->mapTo(window_.get(), QPoint(0, 0)), view()->size());
    return window->copy(QRectF(table.topLeft() * ratio, table.size() * ratio).toRect())
        .convertToFormat(QImage::Format_RGB32);
}

// The view lies under the menu bar, as high as the menu's font makes it; a view lower by a pixel or
// three moves the table's pixels against the screen's by a fraction at pixel ratios 1.25 to 1.75.
// A grown window zooms the table by an odd factor, with room left below it or either side of it; a
// window on a small screen zooms it below 1.
void TableWindowTest::partialRepaintsMatchAFullRepaint_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<QSize>("table");
    for (const int lower : {0, 1, 2, 3}) {
        QTest::addRow("view %d px lower", lower) << lower << QSize(594, 425);
    }
    QTest::addRow("zoom 1.37, room below") << 0 << QSize(814, 640);
    QTest::addRow("zoom 1.6, room either side") << 1 << QSize(1100, 680);
    QTest::addRow("zoom 0.7, on a small screen") << 0 << QSize(416, 300);
    QTest::addRow("zoom 0.5, the smallest window") << 0 << QSize(297, 213);
    QTest::addRow("zoom 2.45, maximised") << 1 << QSize(1900, 1042);
}

// Four hundred random events; after each ten of them, which may end with a card in the hand, the
// table on screen, repainted piece by piece, must be exactly what a repaint of the whole table draws.
// Run at pixel ratios 1, 1.25, 1.5, 1.75 and 2.
void TableWindowTest::partialRepaintsMatchAFullRepaint()
{
    QFETCH(int, lower);
    QFETCH(QSize, table);
    QMenuBar* bar = window_->menuBar();
    bar->setFixedHeight(bar->sizeHint().height() + lower);
    machine_->random.scriptCards({6, 37, 4, 38, 7});  // base value 7: the 7 of Spade refuses the 6 of Denari
    activate();
    resizeView(table);
    QCOMPARE(view()->y(), bar->sizeHint().height() + lower);
    QTest::mousePress(view(), Qt::LeftButton, {}, onScreen({122, 170}));
    QTest::mouseMove(view(), onScreen({197, 205}));
    QTest::mouseRelease(view(), Qt::LeftButton, {}, onScreen({197, 205}));
    QTRY_COMPARE(window_->table().Label1.ForeColor, morvane::kLabelRed);
    QCOMPARE(pixelsUnlikeAWholeRepaint(), 0);
    // The green reaches every edge, the parked cards out of sight, and the columns reach the bottom.
    const QImage shown = shownTable();
    const qreal ratio = shown.devicePixelRatio();
    const auto at = [&](QPoint point) { return shown.pixelColor((QPointF(point) * ratio).toPoint()); };
    QCOMPARE(at({view()->width() - 2, 60}), QColor(0, 128, 0));
    QCOMPARE(at({onScreen({200, 0}).x(), view()->height() - 1}), QColor(0, 64, 0));
    std::mt19937 chance(8);
    Hand hand;
    for (int batch = 0; batch < 40; ++batch) {
        for (int step = 0; step < 10; ++step) {
            playRandomly(chance, hand);
        }
        const qsizetype unlike = pixelsUnlikeAWholeRepaint();
        QVERIFY2(unlike == 0, qPrintable(QStringLiteral("%1 pixels unlike after batch %2").arg(unlike).arg(batch)));
    }
}

// Views of zoom 0.5, 0.7, 1.37 and 2.45.
void TableWindowTest::picturesAreWholeAndCoverTheirPlaces_data()
{
    QTest::addColumn<QSize>("table");
    QTest::addRow("zoom 0.5") << QSize(297, 213);
    QTest::addRow("zoom 0.7") << QSize(416, 298);
    QTest::addRow("zoom 1.37") << QSize(814, 583);
    QTest::addRow("zoom 2.45") << QSize(1456, 1042);
}

namespace {

// A picture drawn straight from its drawing at `size` device pixels, on `ground`; `inside`, in its own
// pixels, gives where the drawing lies in it, on white (a card's face inside its grey border).
QImage drawnFromItsSvg(const QString& name, QSize size, const QColor& ground, QRectF inside = {})
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(ground);
    QPainter painter(&picture);
    painter.fillRect(inside, Qt::white);
    QSvgRenderer svg(QStringLiteral(":/assets/pictures/%1.svg").arg(name));
    svg.render(&painter, inside.isNull() ? QRectF(QPointF(0, 0), QSizeF(size)) : inside);
    return picture;
}

// How many pixels of `picture` differ from the view's at `at` by more than filtering explains, leaving
// out a ring two device pixels wide round its edge, where a pixel may mix with its neighbour.
qsizetype unlikePixels(const QImage& shown, QPoint at, const QImage& picture)
{
    qsizetype unlike = 0;
    for (int y = 2; y < picture.height() - 2; ++y) {
        for (int x = 2; x < picture.width() - 2; ++x) {
            const QColor a = shown.pixelColor(at + QPoint(x, y));
            const QColor b = picture.pixelColor(x, y);
            const int apart = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                        std::abs(a.blue() - b.blue())});
            unlike += apart > 24 ? 1 : 0;
        }
    }
    return unlike;
}

}  // namespace

// At every zoom, down to the smallest window, the title picture, a card back and a card face are
// drawn whole at their zoomed size, as their own drawings give them; and a card on a place covers
// its mark: none of the mark's colour shows in the ring of device pixels round the card.
void TableWindowTest::picturesAreWholeAndCoverTheirPlaces()
{
    QFETCH(QSize, table);
    machine_->random.scriptCards({6, 37, 4, 38, 3});  // the 6 of Denari in column 1, the 3 on foundation 1
    window_->setFixedSize(table + QSize(0, window_->menuBar()->sizeHint().height()));
    QImage title;
    machine_->events.onEvents = [&] {
        if (title.isNull() && view()->size() == table) {
            title = view()->grab().toImage();
        }
    };
    activate();
    QCOMPARE(view()->size(), table);
    QVERIFY(!title.isNull());
    const qreal ratio = title.devicePixelRatio();
    const QColor green(0, 128, 0);
    const QRect titleBox = onDevice({0, 0, 594, 425}, ratio);
    QCOMPARE(unlikePixels(title, titleBox.topLeft(), drawnFromItsSvg("title", titleBox.size(), green)), 0);

    const QImage shown = view()->grab().toImage();
    const QRect back = onDevice({10, 10, 63, 100}, ratio);
    QCOMPARE(unlikePixels(shown, back.topLeft(), drawnFromItsSvg("back", back.size(), green)), 0);
    const QRect card = onDevice({90, 120, 64, 102}, ratio);
    const qreal across = card.width() / 64.0;
    const qreal down = card.height() / 102.0;
    QImage face = drawnFromItsSvg("card06", card.size(), QColor(40, 40, 40), {across, down, 62 * across, 100 * down});
    QCOMPARE(unlikePixels(shown, card.topLeft(), face), 0);

    for (const QRectF& lying : {QRectF(90, 120, 64, 102), QRectF(90, 10, 64, 102)}) {
        const QRect ring = onDevice(lying, ratio).adjusted(-1, -1, 1, 1);
        for (int x = ring.left(); x <= ring.right(); ++x) {
            for (int y = ring.top(); y <= ring.bottom(); ++y) {
                const bool edge = x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom();
                const QColor pixel = shown.pixelColor(x, y);
                QVERIFY2(!edge || (pixel != QColor(255, 255, 0) && pixel != QColor(0, 0, 0)),
                         qPrintable(QStringLiteral("mark colour beside a card at %1,%2").arg(x).arg(y)));
            }
        }
    }
}

qsizetype TableWindowTest::pixelsUnlikeAWholeRepaint()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();  // the repaints asked for by a blink tick just now
    const QImage shown = shownTable();
    view()->repaint();
    const QImage whole = shownTable();
    qsizetype unlike = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            unlike += shown.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
        }
    }
    return unlike;
}

QTEST_MAIN(TableWindowTest)
#include "table_window_test.moc"

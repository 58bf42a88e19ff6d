// The table window around the game.
#include "table_window.h"

#include <QCloseEvent>
#include <algorithm>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>

#include "game/lifecycle.h"
#include "game/panels.h"
#include "interaction/reserve.h"
#include "pictures.h"
#include "sound/media_player.h"
#include "sound/sound_cues.h"
#include "table_view.h"

namespace morvane {
namespace {

constexpr int kTimer1Interval = 300;
constexpr double kPixelsPerTwip = 1.0 / 15.0;
const QColor kPanelGround(255, 255, 192);
constexpr int kLargestPanelFont = 13;
constexpr int kSmallestPanelFont = 9;

}  // namespace

TableWindow::TableWindow(WindowPorts ports)
    : game_{Table{}, Ports{ports.clock, ports.events, ports.random, ports.beeper, *this, ports.music, ports.rustle,
                           ports.programFolder}}
{
    setWindowTitle(QStringLiteral("Vandrel - Morvane"));
    setWindowIcon(Pictures::windowIcon());
    view_ = new TableView(game_.table, router_, [this] { followTable(); }, this);
    setCentralWidget(view_);
    buildMenus();
    text2_ = addPanel(Pictures::text(QStringLiteral("rules_en")), Qt::AlignLeft);
    text3_ = addPanel(Pictures::text(QStringLiteral("rules_it")), Qt::AlignLeft);
    text4_ = addPanel(Pictures::text(QStringLiteral("about")), Qt::AlignHCenter);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(kTimer1Interval);
    connect(&timer1_, &QTimer::timeout, this, [this] { run([this] { Timer1_Timer(game_); }); });
    wirePlayerNotifications();
    Form_Load(game_);
    placePanels();
    setFixedSize(sizeHint());
    centreOnScreen();
    followTable();
}

TableWindow::~TableWindow()
{
    game_.ports.MMC1.setNotifications({});
}

template <typename Handler>
void TableWindow::run(Handler handler)
{
    handler();
    followTable();
}

void TableWindow::buildMenus()
{
    QMenu* partita = menuBar()->addMenu(QStringLiteral("&Game"));
    connect(partita, &QMenu::aboutToShow, this, [this] { run([this] { partita_Click(game_.table); }); });
    nuova_ = partita->addAction(QStringLiteral("Shuffle cards"), this, [this] { run([this] { Nuova_Click(game_); }); });
    nuova_->setShortcut(Qt::Key_F2);
    partita->addAction(QStringLiteral("Quit"), this, [this] { run([this] { esci_Click(game_); }); });

    QMenu* opzioni = menuBar()->addMenu(QStringLiteral("&Options"));
    connect(opzioni, &QMenu::aboutToShow, this, [this] { run([this] { opzioni_Click(game_.table); }); });
    cardRustle_ = opzioni->addAction(QStringLiteral("Card rustle"), this,
                                     [this] { run([this] { Option_card_rustle_Click(game_); }); });
    music_ = opzioni->addAction(QStringLiteral("Music"), this, [this] { run([this] { Option_music_Click(game_); }); });
    cardRustle_->setCheckable(true);
    music_->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    connect(help, &QMenu::aboutToShow, this, [this] { run([this] { help_Click(game_.table); }); });
    help->addAction(QStringLiteral("English"), this, [this] { run([this] { Help_english_Click(game_.table); }); });
    help->addAction(QStringLiteral("Italiano"), this, [this] { run([this] { Help_italiano_Click(game_.table); }); });

    menuBar()->addAction(QStringLiteral("&Info"), this, [this] { run([this] { about_Click(game_.table); }); });
}

QPlainTextEdit* TableWindow::addPanel(const QString& text, Qt::Alignment alignment)
{
    auto* panel = new QPlainTextEdit(view_);
    panel->setReadOnly(true);
    panel->setPlainText(text);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Base, kPanelGround);
    palette.setColor(QPalette::Text, Qt::black);
    panel->setPalette(palette);
    if (alignment == Qt::AlignHCenter) {
        QTextOption option = panel->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        panel->document()->setDefaultTextOption(option);
        panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->viewport()->installEventFilter(this);
    panel->hide();
    return panel;
}

// The rules panels are 0.6 times the table's height wide; the about panel starts 0.3 times it from the left.
void TableWindow::placePanels()
{
    const int scaleHeight = view_->height();
    const auto rulesWidth = static_cast<int>(0.6 * scaleHeight);
    const auto rulesHeight = static_cast<int>(3015 * kPixelsPerTwip);
    text2_->setGeometry(0, 0, rulesWidth, rulesHeight);
    text3_->setGeometry(0, 0, rulesWidth, rulesHeight);
    text4_->setGeometry(static_cast<int>(0.3 * scaleHeight), 0, static_cast<int>(2772 * kPixelsPerTwip),
                        static_cast<int>(1092 * kPixelsPerTwip));
    for (QPlainTextEdit* panel : {text2_, text3_, text4_}) {
        fitFontToWidth(*panel);
    }
}

// The texts are broken by hand; the panel's font is the largest that shows every line whole.
void TableWindow::fitFontToWidth(QPlainTextEdit& panel)
{
    const QStringList lines = panel.toPlainText().split(QLatin1Char('\n'));
    const int room = panel.width() - panel.verticalScrollBar()->sizeHint().width() -
                     2 * (panel.frameWidth() + static_cast<int>(panel.document()->documentMargin()));
    QFont font = panel.font();
    for (int pixels = kLargestPanelFont; pixels > kSmallestPanelFont; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(lines.begin(), lines.end(),
                                      [&](const QString& line) { return metrics.horizontalAdvance(line) <= room; });
        if (fits) {
            break;
        }
    }
    panel.setFont(font);
}

void TableWindow::wirePlayerNotifications()
{
    // The players report from their own thread; the game hears them between the window's events.
    game_.ports.MMC1.setNotifications(
        {[this] { QMetaObject::invokeMethod(this, [this] { run([this] { MMC1_Done(game_); }); }, Qt::QueuedConnection); },
         [this] {
             QMetaObject::invokeMethod(this, [this] { run([this] { MMC1_StopCompleted(game_); }); },
                                       Qt::QueuedConnection);
         }});
}

void TableWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->geometry();
    move(available.x() + (available.width() - width()) / 2, available.y() + (available.height() - height()) / 2);
}

void TableWindow::followTable()
{
    const Table& table = game_.table;
    nuova_->setEnabled(table.Nuova.Enabled);
    cardRustle_->setChecked(table.Option_card_rustle.Checked);
    music_->setChecked(table.Option_music.Checked);
    const std::pair<QPlainTextEdit*, bool> panels[] = {
        {text2_, table.Text2.Visible}, {text3_, table.Text3.Visible}, {text4_, table.Text4.Visible}};
    for (const auto& [panel, visible] : panels) {
        if (panel->isVisible() != visible) {
            panel->setVisible(visible);
            if (visible) {
                panel->raise();
            }
        }
    }
    if (table.Timer1.Enabled && !timer1_.isActive()) {
        timer1_.start();
    } else if (!table.Timer1.Enabled && timer1_.isActive()) {
        timer1_.stop();
    }
    view_->update();
}

// The first activation shows the title picture for its pause, then deals.
void TableWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, [this] { run([this] { Form_Activate(game_); }); });
    }
}

void TableWindow::closeEvent(QCloseEvent* event)
{
    if (!game_.table.closed) {
        Form_Unload(game_);
    }
    event->accept();
}

void TableWindow::closeWindow() { close(); }

// A click inside a panel closes the panels.
bool TableWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        run([this] { Text_Click(game_.table); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace morvane

// What the open Almanac window adds to an arrow click (next day), measured in one process:
//   almanac-click-timing [CLICKS] [ROUNDS] [closed|open]
// The main window is built as the program builds it (without the user's settings, as the
// driver does), on the offscreen platform, showing 21 June 2026 at the start-up place, and
// control 1012 is pressed through the window as the windowing system delivers a click; after
// each press the events it posted are processed, so the repaints and the flush of the backing
// stores are counted. The presses alternate between the Almanac closed and open in ROUNDS blocks
// (CLICKS presses each way in all), so a change in the machine's load falls on both alike.
// Prints median and 99th percentile per click of each, the difference of the medians against
// the target of 0.3 ms, and how many widgets one click repaints.
//
// For instruction counts, run one side alone under callgrind, collecting only the timed presses
// (not the warm-up ones nor those that count paints):
//   valgrind --tool=callgrind --toggle-collect='*TimedPress*'
//            build/bench/almanac-click-timing 200 1 open
// and divide the "Collected" figure by the number of presses.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/core/today.h"
#include "app/ui/calendar_app.h"
#include "app/ui/calendar_dlg.h"
#include "astro/ui/almanac_dlg.h"
#include "platform/ui/resources.h"
#include "process_timing.h"

using chronel::bench::Median;
using chronel::bench::Percentile;

namespace {

constexpr int kNextDayArrow = 1012;
constexpr double kTargetMs = 0.3;

// One press and release of the arrow and everything it posted.
void PressAndSettle(QWindow* window, QPoint at) {
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
}

// Kept out of line, so that callgrind's --toggle-collect can count the timed presses alone.
__attribute__((noinline)) double TimedPress(QWindow* window, QPoint at) {
    const auto start = std::chrono::steady_clock::now();
    PressAndSettle(window, at);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Counts the paint events that widgets of one window receive.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : window_(window) {}
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            ++count;
        return false;
    }

private:
    QWidget* window_;
};

// The offscreen platform says at every opening that it cannot raise a window; not a figure.
QtMessageHandler g_defaultHandler = nullptr;
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (g_defaultHandler) g_defaultHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const char* only = argc > 3 ? argv[3] : "";
    const bool runClosed = std::strcmp(only, "open") != 0;
    const bool runOpen = std::strcmp(only, "closed") != 0;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    InitChronelResources();
    g_defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);
    chronel::FixToday(chronel::CalendarDate{21, 6, 2026});
    QApplication app(argc, argv);
    chronel::PrepareApplication();
    chronel::CCalendarDlg main;
    main.show();
    QCoreApplication::processEvents();

    QWidget* arrow = main.Control(kNextDayArrow);
    QWindow* window = main.windowHandle();
    const QPoint at = arrow->mapTo(&main, arrow->rect().center());

    // The first opening builds the window; later ones only show it.
    main.OnOpenAlmanac();
    QCoreApplication::processEvents();
    chronel::AlmanacDlg* almanac = main.AlmanacWindow();
    auto setOpen = [&](bool open) {
        if (open) {
            main.OnOpenAlmanac();
        } else {
            almanac->hide();
        }
        QCoreApplication::processEvents();
        main.activateWindow();
        QCoreApplication::processEvents();
        for (int i = 0; i < 20; ++i) PressAndSettle(window, at);  // warm the caches of this state
    };

    std::vector<double> closed, open;
    const int perRound = std::max(1, clicks / rounds);
    for (int r = 0; r < rounds; ++r) {
        for (const bool isOpen : {false, true}) {
            if (isOpen ? !runOpen : !runClosed) continue;
            setOpen(isOpen);
            std::vector<double>& into = isOpen ? open : closed;
            for (int i = 0; i < perRound; ++i) into.push_back(TimedPress(window, at));
        }
    }

    // Widgets repainted by one click, counted apart from the timing (the filter costs time).
    double paintsPerClick = -1;
    if (runOpen) {
        setOpen(true);
        PaintCounter counter(almanac);
        app.installEventFilter(&counter);
        constexpr int kCounted = 20;
        for (int i = 0; i < kCounted; ++i) PressAndSettle(window, at);
        app.removeEventFilter(&counter);
        paintsPerClick = double(counter.count) / kCounted;
    }

    auto print = [](const char* what, const std::vector<double>& v) {
        if (v.empty()) return;
        std::printf("arrow click, Almanac %-6s (%zu clicks): median %.3f ms, 99th percentile %.3f ms\n", what,
                    v.size(), Median(v), Percentile(v, 0.99));
    };
    print("closed", closed);
    print("open", open);
    if (!closed.empty() && !open.empty()) {
        const double added = Median(open) - Median(closed);
        const double addedP99 = Percentile(open, 0.99) - Percentile(closed, 0.99);
        std::printf("open Almanac adds: median %+.3f ms, 99th percentile %+.3f ms (target median <= %.1f ms: %s)\n",
                    added, addedP99, kTargetMs, added <= kTargetMs ? "met" : "NOT met");
    }
    if (paintsPerClick >= 0) std::printf("widgets of the Almanac repainted per click: %.1f\n", paintsPerClick);
    return 0;
}

// The Almanac window and its Moon picture on the offscreen platform.
#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "astro/core/almanac.h"
#include "astro/core/almanac_texts.h"
#include "astro/core/almanac_year.h"
#include "astro/ui/almanac_dlg.h"
#include "astro/ui/moon_disc.h"
#include "calendar/day_numbers.h"

using namespace chronel;

namespace {

QImage Render(double percent, bool waxing, bool southern, int size) {
    MoonDisc disc;
    disc.resize(size, size);
    disc.SetPhase(percent, waxing, southern);
    return disc.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Brightness summed over the left and the right half of a picture.
std::pair<long, long> HalfBrightness(const QImage& image) {
    long left = 0, right = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const long v = qGray(image.pixel(x, y));
            (x < image.width() / 2 ? left : right) += v;
        }
    }
    return {left, right};
}

AlmanacTexts LondonMidsummer(int day = 21) {
    return FormatAlmanacTexts(
        ComputeAlmanac(2026, 6, day, 51.5072, -0.1276, 1.0, FixedUtcOffset(1.0)));
}

// The widget that shows the value of a row, found as a screen reader finds it: the row's
// label names it as its buddy, and the value's accessible relations give that label back.
QWidget* ValueWidget(QWidget& window, const QString& label) {
    for (QLabel* l : window.findChildren<QLabel*>()) {
        if (l->text() != label || !l->buddy()) continue;
        QAccessibleInterface* value = QAccessible::queryAccessibleInterface(l->buddy());
        for (const auto& [other, relation] : value->relations(QAccessible::Label)) {
            if (other->object() == l && relation == QAccessible::Label) return l->buddy();
        }
    }
    return nullptr;
}

// What a screen reader reads for a value: the accessible name of a static text.
QString ReadValue(QWidget& window, const QString& label) {
    QWidget* w = ValueWidget(window, label);
    if (!w) return QStringLiteral("<no value labelled %1>").arg(label);
    QAccessibleInterface* value = QAccessible::queryAccessibleInterface(w);
    if (value->role() != QAccessible::StaticText) return QStringLiteral("<%1 is not static text>").arg(label);
    return value->text(QAccessible::Name);
}

// The names of the static texts of a window, in the order a screen reader walks them.
void CollectTexts(QAccessibleInterface* node, QStringList* into) {
    if (node->role() == QAccessible::StaticText && !node->text(QAccessible::Name).isEmpty())
        *into << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) CollectTexts(node->child(i), into);
}

// Counts the layout requests any widget of a window receives.
class LayoutRequestCounter : public QObject {
public:
    explicit LayoutRequestCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~LayoutRequestCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            ++count;
        return false;
    }

private:
    QWidget* window_;
};

// Drags the mouse across a widget from x0 to x1 at mid-height.
void Drag(QWidget* w, int x0, int x1) {
    const int y = w->height() / 2;
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(x0, y));
    QTest::mouseMove(w, QPoint((x0 + x1) / 2, y));
    QTest::mouseMove(w, QPoint(x1, y));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(x1, y));
}

// With CHRONEL_SCREENSHOT_DIR set, the window is saved there as almanac-NAME.png to look at.
void SaveScreenshot(QWidget& window, const char* name) {
    const QByteArray dir = qgetenv("CHRONEL_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    window.adjustSize();
    window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/almanac-%1.png").arg(QString::fromUtf8(name)));
}

}  // namespace

class AlmanacWindowTest : public QObject {
    Q_OBJECT
private slots:
    void southernMoonIsTheMirrorOfTheNorthernOne() {
        struct Case {
            double percent;
            bool waxing;
        };
        for (const Case c : {Case{23.4, true}, Case{50.0, true}, Case{81.0, false}, Case{7.0, false}}) {
            for (int size : {31, 96, 200}) {
                const QImage north = Render(c.percent, c.waxing, false, size);
                const QImage south = Render(c.percent, c.waxing, true, size);
                const QImage mirrored = north.mirrored(true, false);
                int worst = 0;
                for (int y = 0; y < size; ++y) {
                    for (int x = 0; x < size; ++x) {
                        worst = std::max(worst, std::abs(qGray(south.pixel(x, y)) -
                                                         qGray(mirrored.pixel(x, y))));
                    }
                }
                // Antialiased edges may round differently by a few levels, never more.
                QVERIFY2(worst <= 8, qPrintable(QStringLiteral("size %1 percent %2: %3")
                                                    .arg(size).arg(c.percent).arg(worst)));
                // A waxing Moon seen from the north is lit on the right, a waning one on the left.
                const auto [left, right] = HalfBrightness(north);
                QVERIFY(c.waxing ? right > left : left > right);
            }
        }
        // More light, more bright pixels: a crescent is darker than a gibbous Moon.
        const auto crescent = HalfBrightness(Render(20, true, false, 96));
        const auto gibbous = HalfBrightness(Render(80, true, false, 96));
        QVERIFY(crescent.first + crescent.second < gibbous.first + gibbous.second);
    }

    void moonPictureHasAnAccessibleName() {
        MoonDisc disc;
        disc.SetPhase(23.4, true, true);
        QCOMPARE(disc.accessibleName(), QStringLiteral("Waxing crescent, 23.4 % lit"));
    }

    void showsTheDayAndHidesOnClose() {
        AlmanacDlg dlg;
        dlg.ShowDay(LondonMidsummer(), false, QStringLiteral("London"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Almanac - London"));
        QVERIFY(!dlg.isModal());
        // 45.4 % lit and waxing, a day before the first quarter.
        QCOMPARE(dlg.moonDisc()->accessibleName(), QStringLiteral("First quarter, 45.4 % lit"));
        SaveScreenshot(dlg, "london");
        dlg.ShowDay(FormatAlmanacTexts(ComputeAlmanac(2026, 6, 21, -33.8688, 151.2093, 10.0,
                                                      FixedUtcOffset(10.0))),
                    true, QStringLiteral("Sydney"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Almanac - Sydney"));
        SaveScreenshot(dlg, "sydney");
        dlg.close();
        QVERIFY(dlg.isHidden());
        dlg.show();  // still there to show again
        QVERIFY(dlg.isVisible());
    }

    // Every value is read with its label, and a new day is shown without a new layout of the
    // window: the values keep their places.
    void followsTheDayEachValueReadWithItsLabel() {
        AlmanacDlg dlg;
        dlg.ShowDay(LondonMidsummer(21), false, QStringLiteral("London"));  // kept while hidden
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(ReadValue(dlg, QStringLiteral("Illuminated")), QStringLiteral("45.4 %"));

        const AlmanacTexts t = LondonMidsummer(22);
        LayoutRequestCounter layouts(&dlg);
        dlg.ShowDay(t, false, QStringLiteral("London"));
        QCoreApplication::processEvents();
        QCOMPARE(layouts.count, 0);

        auto text = [](const std::string& s) { return QString::fromStdString(s); };
        const std::pair<const char*, QString> rows[] = {
            {"Astronomical dawn", text(t.astronomicalDawn)},  // "always above" at midsummer
            {"Nautical dawn", text(t.nauticalDawn)},
            {"Civil dawn", text(t.civilDawn)},
            {"Sunrise", text(t.sunrise)},
            {"Solar noon", text(t.solarNoon)},
            {"Sunset", text(t.sunset)},
            {"Civil dusk", text(t.civilDusk)},
            {"Nautical dusk", text(t.nauticalDusk)},
            {"Astronomical dusk", text(t.astronomicalDusk)},
            {"Noon altitude", QString::number(*t.solarNoonAltitude, 'f', 1) + QString::fromUtf8("\u00b0")},
            {"Day length", text(t.dayLength)},
            {"Moonrise", text(t.moonrise)},
            {"Moon's transit", text(t.moonTransit)},
            {"Moonset", text(t.moonset)},
            {"Illuminated", QString::number(t.moonIllumination, 'f', 1) + QStringLiteral(" %")},
            {"Age", QString::number(t.moonAge, 'f', 1) + QStringLiteral(" d waxing")},
            // The USNO's table of seasons: the September equinox of 2026 at 00:05 UT on the 23rd.
            {"Next season", QStringLiteral("September equinox  2026-09-23T00:05Z")},
            {"\u0394T (TT \u2212 UT)", QString::number(t.deltaT, 'f', 1) + QStringLiteral(" s")},
        };
        for (const auto& [label, expected] : rows) QCOMPARE(ReadValue(dlg, QString::fromUtf8(label)), expected);

        // The phases are read row by row: name, Universal Time, clock time.
        QStringList texts;
        CollectTexts(QAccessible::queryAccessibleInterface(&dlg), &texts);
        QVERIFY(!t.phases.empty());
        for (const AlmanacPhaseTexts& p : t.phases) {
            const qsizetype at = texts.indexOf(text(p.phase));
            QVERIFY2(at >= 0 && texts.mid(at, 3) == QStringList({text(p.phase), text(p.ut), text(p.local)}),
                     qPrintable(texts.join(QStringLiteral(" | "))));
        }
    }

    // Day after day only what changed is repainted; what is on screen then is what painting
    // the window afresh for the last day gives.
    void theWindowOnScreenIsTheLastDayPaintedWhole() {
        AlmanacDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto show = [&dlg](const AlmanacTexts& t, bool southern) {
            dlg.ShowDay(t, southern);
            QCoreApplication::processEvents();
        };
        QWidget* sunrise = ValueWidget(dlg, QStringLiteral("Sunrise"));
        QVERIFY(sunrise);
        // June 2026: a phase a week, rows of "none", values growing and shrinking; halfway, a
        // selection in one value, which the next day's value replaces.
        for (int day = 1; day <= 30; ++day) {
            show(LondonMidsummer(day), false);
            if (day == 15) Drag(sunrise, 1, 40);
        }
        for (int day = 1; day <= 3; ++day) {
            show(FormatAlmanacTexts(ComputeAlmanac(2026, 7, day, -33.8688, 151.2093, 10.0, FixedUtcOffset(10.0))), true);
        }
        const QImage onScreen = dlg.screen()->grabWindow(dlg.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage afresh = dlg.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.size(), afresh.size());
        int differing = 0;
        for (int y = 0; y < afresh.height(); ++y) {
            for (int x = 0; x < afresh.width(); ++x) differing += onScreen.pixel(x, y) != afresh.pixel(x, y);
        }
        QCOMPARE(differing, 0);
    }

    // A value is selected with the mouse, character by character, and copied.
    void aValueIsSelectedWithTheMouseAndCopied() {
        AlmanacDlg dlg;
        const AlmanacTexts t = LondonMidsummer();
        dlg.ShowDay(t, false);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QWidget* sunrise = ValueWidget(dlg, QStringLiteral("Sunrise"));
        QVERIFY(sunrise);
        const QString time = QString::fromStdString(t.sunrise);  // "HH:MM", flush right
        QCOMPARE(time.size(), 5);
        const QFontMetrics fm(sunrise->font());
        const int start = sunrise->width() - 1 - fm.horizontalAdvance(time);
        QClipboard* clipboard = QGuiApplication::clipboard();

        Drag(sunrise, 1, start + fm.horizontalAdvance(time.left(2)));  // from before the text to the colon
        QTest::keyClick(sunrise, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), time.left(2));

        Drag(sunrise, sunrise->width() - 1, start + fm.horizontalAdvance(time.left(3)));  // backwards
        QTest::keyClick(sunrise, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), time.mid(3));
    }

    void exportWritesTheChosenFileOrSaysWhyNot() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        AlmanacDlg dlg;
        dlg.ShowDay(LondonMidsummer(), false);
        int askedYear = 0;
        dlg.SetYearExport([&askedYear](int year, YearFileFormat format) {
            askedYear = year;
            return format == YearFileFormat::kICalendar ? AlmanacYearIcs(year, 2461041.5)
                                                        : std::string("date\n");
        });
        QString target = dir.filePath(QStringLiteral("moon.ics"));
        dlg.SetFileChooser([&target](QWidget*, const QString& suggested) {
            if (!suggested.endsWith(QStringLiteral(".csv"))) return AlmanacDlg::ChosenFile{};
            return AlmanacDlg::ChosenFile{target, target.endsWith(QStringLiteral(".ics"))
                                                      ? YearFileFormat::kICalendar
                                                      : YearFileFormat::kCsv};
        });
        QPushButton* button = nullptr;
        for (QPushButton* b : dlg.findChildren<QPushButton*>()) {
            if (b->text() == QStringLiteral("Export year...")) button = b;
        }
        QVERIFY(button);

        QFile(target).open(QIODevice::WriteOnly);  // an old file is replaced whole
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(askedYear, 2026);
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray ics = written.readAll();
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QVERIFY(ics.contains("SUMMARY:June solstice\r\n"));
        QVERIFY(dlg.statusText().startsWith(QStringLiteral("Wrote ")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("moon.ics")});

        target = dir.filePath(QStringLiteral("no/such/folder/year.csv"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(dlg.statusText().startsWith(QStringLiteral("Could not write")),
                 qPrintable(dlg.statusText()));
        QVERIFY(dlg.statusText().size() > QStringLiteral("Could not write ").size() + target.size() + 2);
    }
};

QTEST_MAIN(AlmanacWindowTest)
#include "almanac_window_uitest.moc"

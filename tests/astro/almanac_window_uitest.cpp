// The Almanac window and its Moon picture on the offscreen platform.
#include <QFile>
#include <QImage>
#include <QPushButton>
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

AlmanacTexts LondonMidsummer() {
    return FormatAlmanacTexts(
        ComputeAlmanac(2026, 6, 21, 51.5072, -0.1276, 1.0, FixedUtcOffset(1.0)));
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

// The main window through real input events on the offscreen platform.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <sstream>

#include "app/cli/csv_sink.h"
#include "app/cli/day_fields.h"
#include "app/core/day_engine.h"
#include "app/core/day_text.h"
#include "app/core/today.h"
#include "app/ui/calendar_app.h"
#include "app/ui/calendar_dlg.h"
#include "app/ui/quick_button.h"
#include "app/ui/user_settings.h"
#include "astro/ui/almanac_dlg.h"
#include "platform/ui/message_box.h"
#include "platform/ui/resources.h"

using namespace chronel;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InitChronelResources();
        PrepareApplication();
        FixToday(CalendarDate{1, 1, 2000});
    }

    void enterNeverClosesEscapeDoes() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        for (int id : {1000, 1007, 1023, 1006, 1052}) {
            dlg.Control(id)->setFocus();
            QTest::keyClick(dlg.Control(id), Qt::Key_Return);
            QVERIFY2(dlg.isVisible(), qPrintable(QString("Enter in %1 closed the window").arg(id)));
        }
        QTest::keyClick(dlg.Control(1000), Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void aboutBoxFromTheContextMenu() {
        CCalendarDlg dlg;
        const QList<QAction*> actions = dlg.SystemMenu()->actions();
        QCOMPARE(actions.size(), 5);
        QVERIFY(actions[0]->isSeparator());
        QCOMPARE(actions[1]->text(), QString("Clock time (daylight saving)"));
        QVERIFY(actions[1]->isCheckable() && !actions[1]->isChecked());
        QCOMPARE(actions[2]->text(), QString::fromUtf8("Phase time in Universal Time (\u0394T)"));
        QVERIFY(actions[2]->isCheckable() && !actions[2]->isChecked());
        QCOMPARE(actions[3]->text(), QString("Almanac"));
        QCOMPARE(actions[4]->text(), QString("&About Orvik..."));
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            caption = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        actions[4]->trigger();
        QCOMPARE(caption, QString("Calendar"));
        QCOMPARE(dlg.GetText(1000), std::string("1"));  // unchanged
    }

    void arrowShowsPressedPictureWhileHeld() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto* up = qobject_cast<CQuickButton*>(dlg.Control(1016));
        QVERIFY(up);
        QTest::mousePress(up, Qt::LeftButton);
        QVERIFY(up->ShowsPressedPicture());
        QTest::mouseRelease(up, Qt::LeftButton);
        QVERIFY(!up->ShowsPressedPicture());
        QCOMPARE(dlg.GetText(1002), std::string("2001"));
    }

    void moonPictureFollowsTheDay() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const struct {
            const char* jd;
            int picture;
        } days[] = {{"2451544.5", 143}, {"2451550.5", 133}, {"2451557.5", 140}, {"2451564.5", 136}, {"1538798.5", 141}};
        for (const auto& d : days) {
            dlg.SetText(1007, d.jd);
            dlg.Control(1007)->setFocus();
            QTest::keyClick(dlg.Control(1007), Qt::Key_Return);
            QCOMPARE(dlg.MoonPictureShown(), std::optional<int>(d.picture));
        }
    }

    // A typed Julian Day of -1 is a day like any other: the Moon keeps following the day shown.
    void moonFollowsTheDayAfterJulianDayMinusOne() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        for (const char* jd : {"-1", "2451557.5"}) {
            dlg.SetText(1007, jd);
            dlg.Control(1007)->setFocus();
            QTest::keyClick(dlg.Control(1007), Qt::Key_Return);
        }
        QCOMPARE(dlg.GetText(1038), std::string("Full Moon"));
        QCOMPARE(dlg.GetText(1064), std::string("1/21/2000"));
        QCOMPARE(dlg.MoonPictureShown(), std::optional<int>(140));
    }

    // The window shows the engine's report: every field named by the command line's columns
    // holds the column's text, for days across the range and after each kind of change.
    void windowShowsTheEnginesReport_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("text");
        QTest::newRow("today") << "today" << "";
        QTest::newRow("44 BC") << "jd" << "1705426.5";
        QTest::newRow("reform") << "jd" << "2299160.5";
        QTest::newRow("fraction") << "jd" << "2451545.25";
        QTest::newRow("first day") << "jd" << "-1e9";
        QTest::newRow("last day") << "jd" << "1e12";
        QTest::newRow("month arrow") << "arrow" << "1014";
        QTest::newRow("Julian century arrow") << "arrow" << "1068";
        QTest::newRow("region") << "region" << "United Kingdom";
    }
    void windowShowsTheEnginesReport() {
        QFETCH(QString, action);
        QFETCH(QString, text);
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        if (action == "jd") {
            dlg.SetText(1007, text.toStdString());
            dlg.Control(1007)->setFocus();
            QTest::keyClick(dlg.Control(1007), Qt::Key_Return);
        } else if (action == "arrow") {
            QTest::mouseClick(dlg.Control(text.toInt()), Qt::LeftButton);
        } else if (action == "region") {
            dlg.SelectItem(1052, dlg.ItemCount(1052) - 1);
            for (int i = 0; i < dlg.ItemCount(1052); ++i)
                if (dlg.ItemText(1052, i) == text.toStdString()) dlg.SelectItem(1052, i);
            dlg.OnSelchangeRegionA();
        }
        const DayReport report = ComputeDay(dlg.CurrentQuery(), dlg.Tables());
        CsvSink fields;
        fields.BeginRecord();
        WriteDayFields(report, fields);
        // Column of the command line's output and the control that shows it.
        const std::pair<const char*, int> shown[] = {
            {"gregorian.day", 1000}, {"gregorian.month", 1001}, {"gregorian.year", 1002}, {"gregorian.era", 1021},
            {"gregorian.leapYear", 1072}, {"gregorian.dayOfYear", 1023}, {"gregorian.weekOfYear", 1024},
            {"julian.day", 1003}, {"julian.month", 1004}, {"julian.year", 1005}, {"julian.era", 1022},
            {"julian.leapYear", 1073}, {"julian.dayOfYear", 1025}, {"julian.weekOfYear", 1026}, {"weekday", 1006},
            {"julianDay", 1007}, {"modifiedJulianDay", 1008}, {"place.name", 1092}, {"sunrise", 1033},
            {"sunset", 1034}, {"dayLength", 1035}, {"moonrise", 1036}, {"moonset", 1037}, {"moon.phase", 1038},
            {"moon.phaseDate", 1064}, {"moon.phaseTime", 1065}, {"localDates.0.region", 1052},
            {"localDates.0.day", 1053}, {"localDates.0.month", 1054}, {"localDates.0.year", 1055},
            {"localDates.0.era", 1056}, {"localDates.0.style", 1080}, {"localDates.1.region", 1057},
            {"localDates.1.day", 1058}, {"localDates.1.month", 1059}, {"localDates.1.year", 1060},
            {"localDates.1.era", 1061}, {"localDates.1.style", 1081},
        };
        const std::vector<std::string> values = fields.Values();
        const std::vector<std::string>& names = fields.ColumnNames();
        for (const auto& [column, id] : shown) {
            const auto at = std::find(names.begin(), names.end(), column);
            QVERIFY2(at != names.end(), column);
            const bool list = dlg.ItemCount(id) > 0;
            const std::string onScreen = list ? dlg.ItemText(id, dlg.SelectedItem(id)) : dlg.GetText(id);
            QCOMPARE(onScreen, values[static_cast<std::size_t>(at - names.begin())]);
        }
        QCOMPARE(dlg.MoonPictureShown(), std::optional<int>(report.moon.pictureResource));
    }

    void keyboardShortcutsStepTheDay_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("date");  // Gregorian day month year after the key, from 1 January 2000
        QTest::newRow("Page Down: next day") << int(Qt::Key_PageDown) << 0 << "2 1 2000";
        QTest::newRow("Page Up: previous day") << int(Qt::Key_PageUp) << 0 << "31 12 1999";
        QTest::newRow("Ctrl+Page Down: next month") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << "1 2 2000";
        QTest::newRow("Ctrl+Page Up: previous month") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << "1 12 1999";
    }
    void keyboardShortcutsStepTheDay() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, date);
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // From a text field and from a list: neither takes the keys for itself.
        for (int focus : {1000, 1001}) {
            dlg.OnToday();
            dlg.Control(focus)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            const DateState& d = dlg.Dates();
            QCOMPARE(QString("%1 %2 %3").arg(d.m_gregDay).arg(d.m_gregMonth).arg(d.m_gregYear), date);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(dlg.GetText(1007), std::string("2451544.50"));  // today again
    }

    void ctrlCCopiesTheDayOrTheSelection() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QApplication::setActiveWindow(&dlg);
        auto* field = dlg.ControlAs<QLineEdit>(1007);
        field->setFocus();
        field->deselect();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(FormatDayText(dlg.Report())));
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("Gregorian Date:"));
        field->setSelection(0, 4);
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("2451"));
    }

    void f1OpensTheAboutBox() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QString caption;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                caption = box->windowTitle();
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        dlg.Control(1000)->setFocus();
        QTest::keyClick(dlg.Control(1000), Qt::Key_F1);
        QCOMPARE(caption, QString("Calendar"));
    }

    // A screen reader names every field, list and arrow by its label, and hears the value.
    void everyControlHasAnAccessibleName() {
        CCalendarDlg dlg;
        dlg.show();
        dlg.OnOpenLocations();
        dlg.OnOpenComputus();
        for (TemplateDialog* window : {static_cast<TemplateDialog*>(&dlg), dlg.LocationsWindow(), dlg.ComputusWindow()}) {
            for (const ControlTemplate& c : window->Template().controls) {
                const bool needsName = c.kind == ControlKind::Edit || c.kind == ControlKind::DropDownCombo ||
                                       c.kind == ControlKind::ListBox || c.kind == ControlKind::OwnerDrawButton;
                if (!needsName) continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window->Control(c.id));
                QVERIFY(a);
                QVERIFY2(!a->text(QAccessible::Name).isEmpty(), qPrintable(QString("control %1").arg(c.id)));
            }
        }
        QAccessibleInterface* day = QAccessible::queryAccessibleInterface(dlg.Control(1000));
        QCOMPARE(day->text(QAccessible::Name), QString("Gregorian Date, day"));
        QCOMPARE(day->text(QAccessible::Value), QString("1"));
        QCOMPARE(QAccessible::queryAccessibleInterface(dlg.Control(1017))->text(QAccessible::Name),
                 QString("Gregorian Date, previous century"));
        QVERIFY(QAccessible::queryAccessibleInterface(dlg.Control(1092))->text(QAccessible::Description).contains("Locations"));
    }

    // Each main window has its own tables: a second one finds them as the first left them.
    void aSecondWindowLeavesTheTablesAsTheyWere() {
        CCalendarDlg first;
        CCalendarDlg second;
        for (const CCalendarDlg* w : {&first, &second}) {
            QCOMPARE(w->Tables().regions.size(), std::size_t(76));
            QCOMPARE(w->Tables().eras.size(), std::size_t(7));
            QCOMPARE(w->Tables().cities.size(), first.Tables().cities.size());
        }
        QCOMPARE(second.GetText(1053), first.GetText(1053));
    }

    // With clock time London's summer day reads as its clocks did (BST, one hour later); a
    // winter day and a day of 1750 (local mean time, -0:01:15) read as with the fixed offset
    // to the minute, except where the minute rounds across.
    void clockTimeFollowsTheZonesRules_data() {
        QTest::addColumn<QString>("jd");
        QTest::addColumn<int>("shiftMinutes");  // of sunrise and sunset with clock time on
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("1 July 2025") << "2460857.5" << 60 << "Europe/London, +01:00";
        QTest::newRow("15 January 2025") << "2460690.5" << 0 << "Europe/London, +00:00";
        QTest::newRow("1 June 1750") << "2360385.5" << -1 << "Europe/London, -00:01:15";
    }
    void clockTimeFollowsTheZonesRules() {
        QFETCH(QString, jd);
        QFETCH(int, shiftMinutes);
        QFETCH(QString, tooltip);
        CCalendarDlg dlg;
        QCOMPARE(dlg.Place().zoneId, std::string("Europe/London"));
        dlg.SetText(1007, jd.toStdString());
        dlg.Control(1007)->setFocus();
        QTest::keyClick(dlg.Control(1007), Qt::Key_Return);
        const auto minutes = [&](int id) {
            const std::string t = dlg.GetText(id);
            return std::stoi(t.substr(0, 2)) * 60 + std::stoi(t.substr(3, 2));
        };
        const int rise = minutes(1033), set = minutes(1034);
        QVERIFY(dlg.Control(1033)->toolTip().isEmpty());
        dlg.SetClockTime(true);
        QVERIFY(std::abs(minutes(1033) - rise - shiftMinutes) <= (shiftMinutes < 0 ? 1 : 0));
        QVERIFY(std::abs(minutes(1034) - set - shiftMinutes) <= (shiftMinutes < 0 ? 1 : 0));
        QCOMPARE(dlg.Control(1033)->toolTip(), tooltip);
        QVERIFY(dlg.Control(1092)->toolTip().startsWith(tooltip));
        dlg.SetClockTime(false);
        QCOMPARE(minutes(1033), rise);
        QVERIFY(dlg.Control(1033)->toolTip().isEmpty());
    }

    // The setting is kept between runs; a broken settings file is reported and ignored.
    void clockTimeSettingSurvivesARestart() {
        QTemporaryDir folder;
        const QString path = folder.filePath("chronel.conf");
        {
            CCalendarDlg first;
            first.AttachSettings(std::make_unique<QSettings>(path, QSettings::IniFormat));
            QVERIFY(!first.Options().clockTime);
            first.SystemMenu()->actions()[1]->trigger();
            QVERIFY(first.Options().clockTime);
        }
        CCalendarDlg second;
        second.AttachSettings(std::make_unique<QSettings>(path, QSettings::IniFormat));
        QVERIFY(second.Options().clockTime);
        QVERIFY(second.SystemMenu()->actions()[1]->isChecked());

        qputenv("XDG_CONFIG_HOME", folder.path().toUtf8());
        QDir(folder.path()).mkpath("chronel/chronel.conf");  // a folder where the file should be
        std::ostringstream errors;
        QVERIFY(!OpenUserSettings(errors));
        QVERIFY(errors.str().find("chronel.conf: cannot be read; using the default settings") != std::string::npos);
        qunsetenv("XDG_CONFIG_HOME");
    }

    // A date typed into a row as the region wrote it moves the window to that day; no match
    // leaves the day and says why; several matches go to the first and name the others.
    void typedWrittenDateGoesToItsDay_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<int>("field");  // the field Enter is pressed in
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("julianDay");  // shown afterwards; empty: unchanged
        QTest::addColumn<QString>("note");       // the start of the line under the rows
        QTest::newRow("England 1750") << "United Kingdom" << 1053 << "10" << "Feb" << "1750" << "2360650.50" << "";
        QTest::newRow("dual year") << "United Kingdom" << 1055 << "10" << "2" << "1750/51" << "2360650.50" << "";
        QTest::newRow("reform gap") << "Italy" << 1054 << "10" << "October" << "1582" << ""
                                    << "In Italy the day after 4 October 1582 was 15 October 1582.";
        QTest::newRow("two days") << "Russia" << 1055 << "1" << "september" << "7208" << "2341860.50"
                                  << "Also written so on Monday 1 September 7208 (JD 4353971.50).";
        QTest::newRow("no date") << "Russia" << 1053 << "x" << "May" << "1900" << "" << "\"x\" is not a day of the month";
    }
    void typedWrittenDateGoesToItsDay() {
        QFETCH(QString, region);
        QFETCH(int, field);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, julianDay);
        QFETCH(QString, note);
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        for (int i = 0; i < dlg.ItemCount(1052); ++i)
            if (dlg.ItemText(1052, i) == region.toStdString()) dlg.SelectItem(1052, i);
        dlg.OnSelchangeRegionA();
        const std::string before = dlg.GetText(1007);
        for (const auto& [id, text] : {std::pair{1053, day}, std::pair{1054, month}, std::pair{1055, year}}) {
            auto* edit = dlg.ControlAs<QLineEdit>(id);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        QTest::keyClick(dlg.Control(field), Qt::Key_Return);
        QCOMPARE(dlg.GetText(1007), julianDay.isEmpty() ? before : julianDay.toStdString());
        QVERIFY2(QString::fromStdString(dlg.AsWrittenNote()).startsWith(note), dlg.AsWrittenNote().c_str());
        if (note.isEmpty()) QCOMPARE(dlg.AsWrittenNote(), std::string());
        // Any other change of the day clears the line.
        QTest::mouseClick(dlg.Control(1012), Qt::LeftButton);
        QCOMPARE(dlg.AsWrittenNote(), std::string());
    }

    // Ctrl+L opens the Almanac, which then follows the day; the phase time in Universal Time
    // is the dynamical instant less ΔT (about 64 s in 2000: 18:14 becomes 18:13).
    void almanacFollowsTheDayAndPhaseTimeTakesDeltaT() {
        CCalendarDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QApplication::setActiveWindow(&dlg);
        dlg.Control(1000)->setFocus();
        QTest::keyClick(dlg.Control(1000), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(dlg.AlmanacWindow() && dlg.AlmanacWindow()->isVisible());
        QVERIFY(dlg.Report().almanacTexts);
        QCOMPARE(dlg.Report().almanacTexts->date, std::string("2000-01-01"));
        QTest::mouseClick(dlg.Control(1012), Qt::LeftButton);
        QCOMPARE(dlg.Report().almanacTexts->date, std::string("2000-01-02"));
        dlg.AlmanacWindow()->close();
        QTest::mouseClick(dlg.Control(1012), Qt::LeftButton);
        QVERIFY(!dlg.Report().almanacTexts);  // a closed almanac costs a click nothing

        dlg.SetText(1007, "2451548.5");  // 4 January 2000: next phase the new moon of 6 January, 18:14 TT
        dlg.Control(1007)->setFocus();
        QTest::keyClick(dlg.Control(1007), Qt::Key_Return);
        QCOMPARE(dlg.GetText(1065), std::string("18:14"));
        dlg.SetPhaseInUniversalTime(true);
        QCOMPARE(dlg.GetText(1065), std::string("18:13"));
        dlg.SetPhaseInUniversalTime(false);
        QCOMPARE(dlg.GetText(1065), std::string("18:14"));
    }

    void sideWindowCreationFailureIsReportedAndRetried() {
        QStringList messages;
        SetMessageBoxHandler([&](const QString& text) { messages << text; });
        CCalendarDlg dlg;
        dlg.FailNextWindowCreation();
        dlg.OnOpenComputus();
        QCOMPARE(messages, QStringList{"Error creating Dialog"});
        QVERIFY(!dlg.ComputusWindow());
        // The refresh of a window that does not exist changes nothing.
        QTest::mouseClick(dlg.Control(1016), Qt::LeftButton);
        dlg.OnOpenComputus();
        QVERIFY(dlg.ComputusWindow());
        QCOMPARE(dlg.ComputusWindow()->GetText(1027), std::string("15"));  // Easter 2001: 15 April
        TemplateDialog* first = dlg.ComputusWindow();
        dlg.OnOpenComputus();
        QCOMPARE(dlg.ComputusWindow(), first);
        QCOMPARE(messages.size(), 1);
        SetMessageBoxHandler({});
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_uitest.moc"

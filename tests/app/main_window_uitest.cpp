// The main window through real input events on the offscreen platform.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "app/cli/csv_sink.h"
#include "app/cli/day_fields.h"
#include "app/core/day_engine.h"
#include "app/core/today.h"
#include "app/ui/calendar_app.h"
#include "app/ui/calendar_dlg.h"
#include "app/ui/quick_button.h"
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
        QCOMPARE(actions.size(), 2);
        QVERIFY(actions[0]->isSeparator());
        QCOMPARE(actions[1]->text(), QString("&About Orvik..."));
        QString caption;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            caption = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        actions[1]->trigger();
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

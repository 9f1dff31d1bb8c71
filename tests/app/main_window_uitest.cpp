// The main window through real input events on the offscreen platform.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

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
            QCOMPARE(dlg.MoonPictureShown(), d.picture);
        }
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

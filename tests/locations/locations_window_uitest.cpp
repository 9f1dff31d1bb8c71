// The Locations window through real input events on the offscreen platform, over a small city
// table in a temporary Data folder (the repository's Data/DefaultLoc.txt is never touched).
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include "app/core/today.h"
#include "app/ui/calendar_app.h"
#include "app/ui/calendar_dlg.h"
#include "astro/core/rise_set.h"
#include "astro/core/rise_set_texts.h"
#include "locations/temp_folder.h"
#include "locations/ui/locations_dlg.h"
#include "platform/core/data_dir.h"
#include "platform/ui/message_box.h"
#include "platform/ui/resources.h"
#include "platform/ui/up_down.h"

using namespace chronel;
using chronel::testing_support::ReadFile;
using chronel::testing_support::TempFolder;
using chronel::testing_support::WriteFile;

namespace {

// Rows 1 and 3 share a name; row 5 is spelt in lower case and has a zone beyond +12.
const char* const kCities =
    "Rome\t41 54 N 12 29 E 1\n"
    "Twin\t10 0 N 20 0 E 2\n"
    "Quito\t0 14 S 78 31 W -5\n"
    "Twin\t30 0 S 40 0 W -3\n"
    "Kolkata\t22 34 N 88 22 E 5.5\n"
    "apia\t13 50 S 171 45 W 13\n";
constexpr int kYear = 2008, kMonth = 4, kDay = 27;

bool Near(double a, double b) { return std::fabs(a - b) < 1e-9; }

// The five rise and set fields of the main window, and what they must read, as one text.
QString MainRiseSet(const CCalendarDlg& main) {
    QStringList texts;
    for (int id : {1033, 1034, 1035, 1036, 1037}) texts << QString::fromStdString(main.GetText(id));
    return texts.join('|');
}
QString ExpectedRiseSet(int year, double latitude, double longitude, double timeZone) {
    const RiseSetTexts t = FormatRiseSetTexts(ComputeRiseSet(year, kMonth, kDay, longitude, latitude, timeZone));
    return QStringList{QString::fromStdString(t.sunrise), QString::fromStdString(t.sunset),
                       QString::fromStdString(t.dayLength), QString::fromStdString(t.moonrise),
                       QString::fromStdString(t.moonset)}
        .join('|');
}

void Focus(QWidget* w) {
    w->window()->activateWindow();
    QApplication::setActiveWindow(w->window());
    w->setFocus(Qt::OtherFocusReason);
}

// What a user does: clear the field and type.
void Type(TemplateDialog& dlg, int id, const QString& text) {
    auto* edit = dlg.ControlAs<QLineEdit>(id);
    Focus(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void PickListItem(TemplateDialog& dlg, int position) {
    auto* list = dlg.ControlAs<QListWidget>(1067);
    QListWidgetItem* item = list->item(position);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

}  // namespace

class LocationsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<CCalendarDlg> m_main;

    std::filesystem::path DataFolder() const { return m_folder->path() / "Data"; }
    std::string StoredDefault() const { return ReadFile(DataFolder() / "DefaultLoc.txt"); }

    // A program start over the temporary Data folder, as the main window starts.
    void Start() {
        m_main.reset();
        m_main = std::make_unique<CCalendarDlg>();
        m_main->show();
    }

    CLocationsDlg* Open(int button = 1089) {
        QTest::mouseClick(m_main->Control(button), Qt::LeftButton);
        auto* dlg = qobject_cast<CLocationsDlg*>(m_main->LocationsWindow());
        if (dlg) QApplication::setActiveWindow(dlg);
        return dlg;
    }

private slots:
    void initTestCase() {
        InitChronelResources();
        PrepareApplication();
        FixToday(CalendarDate{kDay, kMonth, kYear});
    }

    void init() {
        m_folder = std::make_unique<TempFolder>();
        std::filesystem::create_directory(DataFolder());
        std::filesystem::copy_file(std::filesystem::path(CHRONEL_SOURCE_DIR) / "Data" / "Transitions.txt",
                                   DataFolder() / "Transitions.txt");
        WriteFile(DataFolder() / "CitiesDMS.txt", kCities);
        WriteFile(DataFolder() / "DefaultLoc.txt", "2");  // Quito
        OverrideDataDir(DataFolder());
        Start();
    }

    void cleanup() {
        m_main.reset();
        OverrideDataDir({});
        SetMessageBoxHandler({});
        m_folder.reset();
    }

    void cleanupTestCase() { FixToday(std::nullopt); }

    void opensOnTheDefaultCityWithoutApplyingIt() {
        m_main->SetPlace({0, 0, 7.0}, std::nullopt);  // not the default city's: shows that nothing is applied on opening
        CLocationsDlg* dlg = Open();
        QVERIFY(dlg);
        QVERIFY(dlg->isVisible());

        QStringList items;
        for (int i = 0; i < dlg->ItemCount(1067); ++i) items << QString::fromStdString(dlg->ItemText(1067, i));
        QCOMPARE(items, (QStringList{"apia", "Kolkata", "Quito", "Rome", "Twin", "Twin"}));
        QCOMPARE(dlg->SelectedItem(1067), -1);

        const struct {
            int id;
            const char* text;
        } fields[] = {{1039, "0"}, {1042, "14"}, {1045, "0"}, {1077, "S"}, {1040, "78"},
                      {1047, "31"}, {1049, "0"}, {1078, "W"}, {1062, "-5.00"}};
        for (const auto& f : fields) QCOMPARE(dlg->GetText(f.id), std::string(f.text));
        QCOMPARE(dlg->SelectedItem(1077), 1);
        QCOMPARE(dlg->SelectedItem(1078), 1);

        const struct {
            int upDown, buddy, upper;
        } spinners[] = {{1041, 1039, 90}, {1044, 1042, 60}, {1046, 1045, 60},
                        {1043, 1040, 180}, {1048, 1047, 60}, {1050, 1049, 60}};
        for (const auto& s : spinners) {
            auto* upDown = dlg->ControlAs<UpDown>(s.upDown);
            QCOMPARE(upDown->Buddy(), dlg->ControlAs<QLineEdit>(s.buddy));
            QCOMPARE(upDown->Lower(), 0);
            QCOMPARE(upDown->Upper(), s.upper);
            QCOMPARE(upDown->Position(), 0);
        }

        QCOMPARE(m_main->Place().position.timeZone, 7.0);
        QCOMPARE(dlg->SelectedCity(), 2);
        QCOMPARE(m_main->GetText(1092), std::string("Quito"));
    }

    void pickingACityKeepsTypedSecondsAndRecomputes() {
        CLocationsDlg* dlg = Open();
        const QString before = MainRiseSet(*m_main);
        Type(*dlg, 1045, "30");
        Type(*dlg, 1049, "15");
        PickListItem(*dlg, 3);  // Rome

        QCOMPARE(dlg->SelectedItem(1067), 3);
        const struct {
            int id;
            const char* text;
        } fields[] = {{1039, "41"}, {1042, "54"}, {1045, "30"}, {1077, "N"}, {1040, "12"},
                      {1047, "29"}, {1049, "15"}, {1078, "E"}, {1062, " 1.00"}};
        for (const auto& f : fields) QCOMPARE(dlg->GetText(f.id), std::string(f.text));
        QCOMPARE(dlg->SelectedItem(1077), 0);
        QCOMPARE(dlg->SelectedItem(1078), 0);

        QVERIFY(Near(m_main->Place().position.latitude, 41.9 + 30 / 3600.0));
        QVERIFY(Near(m_main->Place().position.longitude, 12 + 29 / 60.0 + 15 / 3600.0));
        QCOMPARE(m_main->Place().position.timeZone, 1.0);
        QCOMPARE(dlg->SelectedCity(), 0);
        QCOMPARE(m_main->GetText(1092), std::string("Rome"));
        QCOMPARE(MainRiseSet(*m_main), ExpectedRiseSet(kYear, m_main->Place().position.latitude, m_main->Place().position.longitude, 1.0));
        QVERIFY(MainRiseSet(*m_main) != before);
    }

    void aNameTwiceInTheTablePicksItsFirstRow() {
        CLocationsDlg* dlg = Open();
        PickListItem(*dlg, 5);  // the second "Twin" of the list
        QCOMPARE(dlg->SelectedCity(), 1);
        QCOMPARE(dlg->GetText(1039), std::string("10"));
        QCOMPARE(dlg->GetText(1040), std::string("20"));
        QCOMPARE(dlg->GetText(1062), std::string(" 2.00"));
        QCOMPARE(m_main->Place().position.latitude, 10.0);
        QCOMPARE(m_main->Place().position.longitude, 20.0);
        QCOMPARE(m_main->Place().position.timeZone, 2.0);
    }

    void goAppliesTypedPlace_data() {
        QTest::addColumn<QStringList>("latitude");   // degrees, minutes, seconds as typed
        QTest::addColumn<int>("north");              // item of 1077: 0 N, 1 S, -1 none
        QTest::addColumn<QStringList>("longitude");
        QTest::addColumn<int>("east");               // item of 1078: 0 E, 1 W, -1 none
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("latDegShown");
        QTest::addColumn<double>("wantLatitude");
        QTest::addColumn<double>("wantLongitude");
        QTest::addColumn<double>("wantZone");
        QTest::addColumn<QString>("zoneShown");

        const QStringList ten{"10", "0", "0"}, twenty{"20", "0", "0"};
        QTest::newRow("zone 13 is 12") << ten << 0 << twenty << 0 << "13" << "10" << 10.0 << 20.0 << 12.0 << "12.00";
        QTest::newRow("zone -5") << ten << 0 << twenty << 0 << "-5" << "10" << 10.0 << 20.0 << -5.0 << "-5.00";
        QTest::newRow("zone 5.5") << ten << 0 << twenty << 0 << "5.5" << "10" << 10.0 << 20.0 << 5.5 << " 5.50";
        QTest::newRow("zone -13.5 is -12") << ten << 0 << twenty << 0 << "-13.5" << "10" << 10.0 << 20.0 << -12.0 << "-12.00";
        QTest::newRow("zone not a number") << ten << 0 << twenty << 0 << "abc" << "10" << 10.0 << 20.0 << 0.0 << " 0.00";
        // Digits only: the sign and the letter are refused; 95 stays shown and counts as 90.
        QTest::newRow("95 degrees")
            << QStringList{"-9x5", "0", "0"} << 0 << twenty << 0 << "0" << "95" << 90.0 << 20.0 << 0.0 << " 0.00";
        QTest::newRow("0 30 0 S") << QStringList{"0", "30", "0"} << 1 << twenty << 0 << "0" << "0" << -0.5 << 20.0 << 0.0 << " 0.00";
        QTest::newRow("no hemisphere is N and E")
            << QStringList{"10", "30", "0"} << -1 << QStringList{"20", "15", "0"} << -1 << "0" << "10" << 10.5 << 20.25 << 0.0 << " 0.00";
        // Minutes and seconds run to 60: 200 75 75 W counts as 180 60 60 W.
        QTest::newRow("beyond 180, 60 and 60")
            << ten << 0 << QStringList{"200", "75", "75"} << 1 << "0" << "10" << 10.0 << -(181.0 + 1 / 60.0) << 0.0 << " 0.00";
    }

    void goAppliesTypedPlace() {
        QFETCH(QStringList, latitude);
        QFETCH(int, north);
        QFETCH(QStringList, longitude);
        QFETCH(int, east);
        QFETCH(QString, zone);
        CLocationsDlg* dlg = Open();
        const int latFields[] = {1039, 1042, 1045}, lonFields[] = {1040, 1047, 1049};
        for (int i = 0; i < 3; ++i) {
            Type(*dlg, latFields[i], latitude[i]);
            Type(*dlg, lonFields[i], longitude[i]);
        }
        dlg->SelectItem(1077, north);
        dlg->SelectItem(1078, east);
        Type(*dlg, 1062, zone);
        QTest::mouseClick(dlg->Control(1091), Qt::LeftButton);

        QFETCH(double, wantLatitude);
        QFETCH(double, wantLongitude);
        QFETCH(double, wantZone);
        QVERIFY2(Near(m_main->Place().position.latitude, wantLatitude), qPrintable(QString::number(m_main->Place().position.latitude, 'g', 17)));
        QVERIFY2(Near(m_main->Place().position.longitude, wantLongitude), qPrintable(QString::number(m_main->Place().position.longitude, 'g', 17)));
        QCOMPARE(m_main->Place().position.timeZone, wantZone);
        QFETCH(QString, zoneShown);
        QCOMPARE(QString::fromStdString(dlg->GetText(1062)), zoneShown);
        QFETCH(QString, latDegShown);
        QCOMPARE(QString::fromStdString(dlg->GetText(1039)), latDegShown);
        QCOMPARE(QString::fromStdString(dlg->GetText(1047)), longitude[1]);  // typed, not clamped
        QCOMPARE(m_main->GetText(1092), std::string("Quito"));               // "GO" names no city
        QCOMPARE(dlg->SelectedCity(), 2);
        QCOMPARE(MainRiseSet(*m_main), ExpectedRiseSet(kYear, m_main->Place().position.latitude, m_main->Place().position.longitude, m_main->Place().position.timeZone));
    }

    void goTakesTheDateShownWhenItRuns() {
        CLocationsDlg* dlg = Open();
        Type(*m_main, 1002, "1999");
        QTest::keyClick(m_main->Control(1002), Qt::Key_Return);
        Type(*dlg, 1039, "60");
        QTest::mouseClick(dlg->Control(1091), Qt::LeftButton);
        QCOMPARE(MainRiseSet(*m_main), ExpectedRiseSet(1999, -60 - 14 / 60.0, -78 - 31 / 60.0, -5.0));
    }

    void enterInANumberFieldRunsGo_data() {
        QTest::addColumn<int>("field");
        for (int id : {1039, 1040, 1042, 1045, 1047, 1049, 1062}) QTest::newRow(qPrintable(QString::number(id))) << id;
    }

    void enterInANumberFieldRunsGo() {
        QFETCH(int, field);
        CLocationsDlg* dlg = Open();
        Type(*dlg, 1062, "13");
        Focus(dlg->Control(field));
        QTest::keyClick(dlg->Control(field), Qt::Key_Return);
        QCOMPARE(m_main->Place().position.timeZone, 12.0);
        QCOMPARE(dlg->GetText(1062), std::string("12.00"));
        QVERIFY(dlg->isVisible());
    }

    void enterElsewhereDoesNothing_data() {
        QTest::addColumn<int>("control");
        for (int id : {1067, 1079, 1077, 1078, 1091}) QTest::newRow(qPrintable(QString::number(id))) << id;
    }

    void enterElsewhereDoesNothing() {
        QFETCH(int, control);
        CLocationsDlg* dlg = Open();
        Type(*dlg, 1062, "13");
        QWidget* target = dlg->Control(control);
        if (auto* combo = qobject_cast<QComboBox*>(target)) target = combo->lineEdit();
        Focus(target);
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
        QCOMPARE(dlg->GetText(1062), std::string("13"));  // "GO" did not run
        QCOMPARE(m_main->Place().position.timeZone, -5.0);
        QCOMPARE(dlg->SelectedItem(1067), -1);
        QCOMPARE(dlg->SelectedItem(1077), 1);
        QCOMPARE(StoredDefault(), std::string("2"));
        QVERIFY(dlg->isVisible());
    }

    void tabMovesThroughTheControlsInTemplateOrder() {
        CLocationsDlg* dlg = Open();
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        Focus(dlg->Control(1067));
        QCOMPARE(dlg->FocusedControlId(), 1067);
        QList<int> order;
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << dlg->FocusedControlId();
        }
        QCOMPARE(order, (QList<int>{1079, 1039, 1042, 1045, 1077, 1040, 1047, 1049, 1078, 1062, 1091, 1067}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(dlg->FocusedControlId(), 1091);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(dlg->FocusedControlId(), 1062);
        QCOMPARE(dlg->SelectedItem(1067), -1);  // passing through the list picks nothing
        QVERIFY(dlg->isVisible());
    }

    void closingHidesAndEitherButtonShowsTheSameWindow() {
        CLocationsDlg* dlg = Open(1092);
        QVERIFY(dlg);
        Type(*dlg, 1045, "33");
        PickListItem(*dlg, 1);  // Kolkata
        QTest::keyClick(dlg->Control(1042), Qt::Key_Escape);
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Open(1089), dlg);
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->GetText(1045), std::string("33"));
        QCOMPARE(dlg->SelectedItem(1067), 1);
        QCOMPARE(dlg->ItemCount(1067), 6);  // filled once
        dlg->close();                        // the close box
        QVERIFY(!dlg->isVisible());
        QCOMPARE(Open(1092), dlg);
        QVERIFY(dlg->isVisible());
        QCOMPARE(dlg->GetText(1062), std::string(" 5.50"));
    }

    void spinnersStepWithinTheirRanges() {
        CLocationsDlg* dlg = Open();
        Type(*dlg, 1042, "59");
        QTest::keyClick(dlg->Control(1042), Qt::Key_Up);
        QCOMPARE(dlg->GetText(1042), std::string("60"));
        QTest::keyClick(dlg->Control(1042), Qt::Key_Up);
        QCOMPARE(dlg->GetText(1042), std::string("60"));  // no wrap to 0
        QCOMPARE(dlg->ControlAs<UpDown>(1044)->Position(), 60);

        Type(*dlg, 1039, "0");
        QTest::keyClick(dlg->Control(1039), Qt::Key_Down);
        QCOMPARE(dlg->GetText(1039), std::string("0"));

        // The arrow buttons of the longitude degrees' spinner.
        Type(*dlg, 1040, "179");
        const auto arrows = dlg->Control(1043)->findChildren<QToolButton*>();
        QToolButton* up = nullptr;
        for (QToolButton* b : arrows)
            if (b->arrowType() == Qt::UpArrow) up = b;
        QVERIFY(up);
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(dlg->GetText(1040), std::string("180"));
    }

    void setAsDefaultStoresThePickedRowForTheNextStart() {
        CLocationsDlg* dlg = Open();
        PickListItem(*dlg, 1);  // Kolkata, row 4
        QTest::mouseClick(dlg->Control(1079), Qt::LeftButton);
        QCOMPARE(StoredDefault(), std::string("4"));
        QCOMPARE(m_main->Tables().startup.defaultCity, 2);  // the new default waits for the next start

        Start();
        QCOMPARE(m_main->Tables().startup.defaultCity, 4);
        QCOMPARE(m_main->GetText(1092), std::string("Kolkata"));
        QVERIFY(Near(m_main->Place().position.latitude, 22 + 34 / 60.0));
        dlg = Open();
        QCOMPARE(dlg->GetText(1039), std::string("22"));
        QCOMPARE(dlg->GetText(1047), std::string("22"));
        QCOMPARE(dlg->GetText(1062), std::string(" 5.50"));
    }

    void aFailedSaveIsReportedAndChangesNothing() {
        QStringList messages;
        SetMessageBoxHandler([&](const QString& text) { messages << text; });
        CLocationsDlg* dlg = Open();
        PickListItem(*dlg, 3);  // Rome
        OverrideDataDir(m_folder->path() / "missing");  // a folder that does not exist
        QTest::mouseClick(dlg->Control(1079), Qt::LeftButton);
        OverrideDataDir(DataFolder());

        QCOMPARE(messages.size(), 1);
        const QStringList lines = messages.front().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QString("Could not save the default location."));
        QVERIFY(!lines[1].isEmpty());
        QCOMPARE(StoredDefault(), std::string("2"));
        QCOMPARE(dlg->SelectedCity(), 0);
        QCOMPARE(m_main->Tables().startup.defaultCity, 2);
        QVERIFY(dlg->isVisible());
    }

    // Names outside ASCII show as written, from a UTF-8 file and from a Latin-1 one, and two
    // names that differ only in such a letter are two cities that can each be picked.
    void namesOutsideAsciiShowAsWrittenAndCanBePicked_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("UTF-8") << QByteArray("Z\xc3\xbcrich\t47 22 N 8 33 E 1\nZurich\t10 0 N 20 0 E 2\n");
        QTest::newRow("Latin-1") << QByteArray("Z\xfcrich\t47 22 N 8 33 E 1\nZurich\t10 0 N 20 0 E 2\n");
    }
    void namesOutsideAsciiShowAsWrittenAndCanBePicked() {
        QFETCH(QByteArray, file);
        WriteFile(DataFolder() / "CitiesDMS.txt", file.toStdString());
        WriteFile(DataFolder() / "DefaultLoc.txt", "1");
        Start();
        CLocationsDlg* dlg = Open();
        QCOMPARE(dlg->ItemCount(1067), 2);
        QCOMPARE(QString::fromStdString(dlg->ItemText(1067, 1)), QString::fromUtf8("Z\u00fcrich"));
        PickListItem(*dlg, 1);
        QCOMPARE(m_main->GetText(1092), std::string("Z\xc3\xbcrich"));
        QVERIFY(Near(m_main->Place().position.latitude, 47 + 22 / 60.0));
        PickListItem(*dlg, 0);
        QCOMPARE(m_main->GetText(1092), std::string("Zurich"));
        QVERIFY(Near(m_main->Place().position.latitude, 10.0));
    }

    void anEmptyCityTableLeavesTheFieldsAtZero() {
        WriteFile(DataFolder() / "CitiesDMS.txt", "");
        Start();
        CLocationsDlg* dlg = Open();
        QVERIFY(dlg);
        QCOMPARE(dlg->ItemCount(1067), 0);
        for (int id : {1039, 1042, 1045, 1040, 1047, 1049}) QCOMPARE(dlg->GetText(id), std::string("0"));
        QCOMPARE(dlg->GetText(1062), std::string());
        QCOMPARE(dlg->SelectedItem(1077), -1);
        QTest::mouseClick(dlg->Control(1091), Qt::LeftButton);
        QCOMPARE(m_main->Place().position.latitude, 0.0);
        QCOMPARE(m_main->Place().position.longitude, 0.0);
        QCOMPARE(dlg->GetText(1062), std::string(" 0.00"));
    }
};

QTEST_MAIN(LocationsWindowTest)
#include "locations_window_uitest.moc"

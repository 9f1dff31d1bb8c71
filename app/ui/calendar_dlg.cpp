#include "app/ui/calendar_dlg.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <iostream>
#include <map>

#include "app/core/date_steps.h"
#include "app/core/program_tables.h"
#include "app/core/today.h"
#include "app/core/trace.h"
#include "app/ui/about_dlg.h"
#include "app/ui/quick_button.h"
#include "astro/core/moon_panel.h"
#include "astro/core/rise_set.h"
#include "astro/core/rise_set_texts.h"
#include "astro/core/rise_set_trace.h"
#include "easter/ui/computus_dlg.h"
#include "history/core/local_date_row.h"
#include "history/core/region_names.h"
#include "history/core/transitions_file.h"
#include "locations/core/default_city.h"
#include "locations/core/default_city_paths.h"
#include "locations/core/program_place.h"
#include "locations/ui/locations_dlg.h"
#include "platform/core/data_dir.h"
#include "platform/ui/message_box.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

// The sixteen arrow buttons: the control, whether it is the upper button of its pair (up arrow,
// steps forward) and the step it makes.
struct ArrowButton {
    int id;
    bool upper;
    void (*step)(DateState&);
};
constexpr std::array<ArrowButton, 16> kArrowButtons = {{
    {1012, true, [](DateState& s) { StepDay(s, +1); }},
    {1011, false, [](DateState& s) { StepDay(s, -1); }},
    {1020, true, [](DateState& s) { StepDay(s, +1); }},
    {1019, false, [](DateState& s) { StepDay(s, -1); }},
    {1014, true, [](DateState& s) { StepGregorianMonth(s, +1); }},
    {1013, false, [](DateState& s) { StepGregorianMonth(s, -1); }},
    {1066, true, [](DateState& s) { StepJulianMonth(s, +1); }},
    {1063, false, [](DateState& s) { StepJulianMonth(s, -1); }},
    {1016, true, [](DateState& s) { StepGregorianYears(s, +1); }},
    {1015, false, [](DateState& s) { StepGregorianYears(s, -1); }},
    {1071, true, [](DateState& s) { StepJulianYear(s, +1); }},
    {1070, false, [](DateState& s) { StepJulianYear(s, -1); }},
    {1018, true, [](DateState& s) { StepGregorianYears(s, +100); }},
    {1017, false, [](DateState& s) { StepGregorianYears(s, -100); }},
    {1069, true, [](DateState& s) { StepJulianCentury(s, +1); }},
    {1068, false, [](DateState& s) { StepJulianCentury(s, -1); }},
}};

QWidget* MakeArrowButton(const ControlTemplate& control, QWidget* parent) {
    auto* button = new CQuickButton(parent);
    for (const ArrowButton& a : kArrowButtons) {
        if (a.id != control.id) continue;
        if (a.upper)
            button->LoadBitmaps(ArrowPictureId::kUpRaised, ArrowPictureId::kUpPressed);
        else
            button->LoadBitmaps(ArrowPictureId::kDownRaised, ArrowPictureId::kDownPressed);
    }
    return button;
}

// The region lists start on these entries of the sorted list: "Russia" and "Diocese of Augsburg".
constexpr int kFirstRegionA = 58;
constexpr int kFirstRegionB = 18;
constexpr std::array<int, 5> kRowAFields = {1053, 1054, 1055, 1056, 1080};
constexpr std::array<int, 5> kRowBFields = {1058, 1059, 1060, 1061, 1081};

// The Moon picture's place: pixel (275, 307) of a layout where a horizontal dialog unit was
// 1.5 pixels and a vertical one 1.625, in dialog units so it follows the font and the scale.
constexpr double kMoonPictureX = 275 / 1.5;
constexpr double kMoonPictureY = 307 / 1.625;
constexpr int kMoonPictureSize = 31;  // pixels

// The eight pictures, loaded once (a "@2x" variant is picked on a scaled screen).
const QPixmap& MoonPicture(int resource) {
    static std::map<int, QPixmap> pictures;
    auto it = pictures.find(resource);
    if (it == pictures.end()) it = pictures.emplace(resource, QPixmap(QString(":/moon/moon_%1.png").arg(resource))).first;
    return it->second;
}

}  // namespace

CCalendarDlg::CCalendarDlg(QWidget* parent) : TemplateDialog(MainDialogTemplate(), parent, MakeArrowButton) {
    OnInitDialog();
}

CCalendarDlg::~CCalendarDlg() = default;

void CCalendarDlg::OnInitDialog() {
    m_computusShown = false;
    // The About item: Linux window managers offer no system menu, so it sits on the window's
    // context menu, after a separator.
    m_systemMenu = new QMenu(this);
    m_systemMenu->addSeparator();
    m_systemMenu->addAction(QString::fromUtf8(kAboutMenuText), this, &CCalendarDlg::OnAbout);
    ConnectHandlers();

    OnToday();
    if (m_moonShownJD == -1.0) m_moonShownJD = m_dates.m_jd;
    LoadObserver();
    ComputeRiseSet(m_dates.m_gregYear, m_dates.m_gregMonth, m_dates.m_gregDay, g_longitude, g_latitude, g_timeZone);
    FillRegionLists();
    FillEraList(g_eras);
    FillStyleList(g_styles);
    LoadTransitions(DataFile("Transitions.txt"), g_regions, std::cerr);
    OnSelchangeRegionA();
    OnSelchangeRegionB();
    RefreshMoonStrip();
}

void CCalendarDlg::LoadObserver() {
    LoadCityTable(DataFile("CitiesDMS.txt"), g_cities, TraceStream());
    const StartupLocation start = ChooseStartupLocation(g_cities, ReadDefaultCityFile(CurrentDefaultCityPaths().read));
    g_defaultCity = start.defaultCity;
    g_selectedCity = start.selectedCity;
    SetText(1092, start.cityName);
    SetObserver(start.observer);
}

void CCalendarDlg::FillRegionLists() {
    const std::vector<std::string> names(g_regionNames.begin(), g_regionNames.end());
    for (int list : {1052, 1057}) AddItems(list, names);
    SelectItem(1052, kFirstRegionA);
    SelectItem(1057, kFirstRegionB);
}

void CCalendarDlg::ConnectHandlers() {
    OnPicked(1001, [this] { Change([this](DateState& s) { SelectGregorianMonth(s, SelectedItem(1001)); }); });
    OnPicked(1004, [this] { Change([this](DateState& s) { SelectJulianMonth(s, SelectedItem(1004)); }); });
    OnPicked(1021, [this] { Change([this](DateState& s) { SelectGregorianEra(s, SelectedItem(1021)); }); });
    OnPicked(1022, [this] { Change([this](DateState& s) { SelectJulianEra(s, SelectedItem(1022)); }); });
    OnPicked(1052, [this] { OnSelchangeRegionA(); });
    OnPicked(1057, [this] { OnSelchangeRegionB(); });

    for (const ArrowButton& a : kArrowButtons) OnClicked(a.id, [this, step = a.step] { Change(step); });
    OnClicked(1009, [this] { OnToday(); });
    OnClicked(1089, [this] { OnOpenLocations(); });
    OnClicked(1092, [this] { OnOpenLocations(); });
    OnClicked(1090, [this] { OnOpenComputus(); });
}

template <class Fn>
void CCalendarDlg::Change(Fn&& change) {
    change(m_dates);
    UpdateAllPanels();
}

void CCalendarDlg::OnToday() {
    Change([](DateState& s) { SetToday(s, Today()); });
}

bool CCalendarDlg::KeyPressed(int key, int focusId) {
    if (key != Qt::Key_Return) return false;  // Escape: the dialog's default, which ends the program
    switch (focusId) {
    case 1000:
    case 1002:
        Change([this](DateState& s) { EnterGregorianDate(s, GetText(1000), GetText(1002), SelectedItem(1021) == 0); });
        break;
    case 1003:
    case 1005:
        Change([this](DateState& s) { EnterJulianDate(s, GetText(1003), GetText(1005), SelectedItem(1022) == 0); });
        break;
    case 1007: Change([this](DateState& s) { EnterJulianDay(s, GetText(1007)); }); break;
    case 1008: Change([this](DateState& s) { EnterModifiedJulianDay(s, GetText(1008)); }); break;
    case 1023: Change([this](DateState& s) { EnterGregorianDayOfYear(s, GetText(1023)); }); break;
    case 1025: Change([this](DateState& s) { EnterJulianDayOfYear(s, GetText(1025)); }); break;
    default: break;
    }
    // Enter goes on to the dialog, which has no default button: the window never closes on it.
    return false;
}

void CCalendarDlg::UpdateAllPanels() {
    DeriveDates(m_dates);
    ShowDatePanels();
    ComputeRiseSet(m_dates.m_gregYear, m_dates.m_gregMonth, m_dates.m_gregDay, g_longitude, g_latitude, g_timeZone);
    if (m_computusShown && m_computusDlg) m_computusDlg->RecomputeEaster();
    OnSelchangeRegionA();
    OnSelchangeRegionB();
    if (m_dates.m_jd != m_moonShownJD && m_moonShownJD != -1.0) {
        m_moonShownJD = m_dates.m_jd;
        RefreshMoonStrip();
    }
}

void CCalendarDlg::ShowDatePanels() {
    const DatePanelTexts t = FormatDatePanels(m_dates);
    SetText(1007, t.julianDay);
    SetText(1008, t.modifiedJulianDay);
    SetText(1002, t.gregYear);
    SelectItem(1001, t.gregMonthItem);
    SetText(1000, t.gregDay);
    SetText(1072, t.gregLeap);
    SetText(1006, t.weekday);
    SetText(1005, t.julYear);
    SelectItem(1004, t.julMonthItem);
    SetText(1003, t.julDay);
    SetText(1073, t.julLeap);
    SelectItem(1021, t.gregEraItem);
    SelectItem(1022, t.julEraItem);
    SetText(1023, t.gregDayOfYear);
    SetText(1025, t.julDayOfYear);
    SetText(1024, t.gregWeekOfYear);
    SetText(1026, t.julWeekOfYear);
}

void CCalendarDlg::ComputeRiseSet(int year, int month, int day, double longitude, double latitude, double timeZone) {
    const RiseSetResult result = chronel::ComputeRiseSet(year, month, day, longitude, latitude, timeZone);
    if (std::ostream* trace = TraceStream())
        WriteRiseSetTrace(*trace, year, month, day, longitude, latitude, timeZone, result);
    const RiseSetTexts t = FormatRiseSetTexts(result);
    SetText(1036, t.moonrise);
    SetText(1037, t.moonset);
    SetText(1033, t.sunrise);
    SetText(1034, t.sunset);
    SetText(1035, t.dayLength);
}

void CCalendarDlg::ShowLocalDateRow(int list, const std::array<int, 5>& fields) {
    const int position = SelectedItem(list);
    if (position < 0) return;
    const CurrentDay day{m_dates.m_jd,
                         {m_dates.m_julDay, m_dates.m_julMonth, m_dates.m_julYear},
                         {m_dates.m_gregDay, m_dates.m_gregMonth, m_dates.m_gregYear}};
    const LocalDateRowTexts t = LocalDateRowFor(g_regions, ItemText(list, position), day, g_eras, g_styles, g_monthNames);
    SetText(fields[0], t.day);
    SetText(fields[1], t.month);
    SetText(fields[2], t.year);
    SetText(fields[3], t.era);
    SetText(fields[4], t.style);
}

void CCalendarDlg::OnSelchangeRegionA() { ShowLocalDateRow(1052, kRowAFields); }
void CCalendarDlg::OnSelchangeRegionB() { ShowLocalDateRow(1057, kRowBFields); }

QRect CCalendarDlg::MoonPictureRect() const {
    const int x = static_cast<int>(kMoonPictureX * Units().PixelsPerUnitX() + 0.5);
    const int y = static_cast<int>(kMoonPictureY * Units().PixelsPerUnitY() + 0.5);
    return QRect(x, y, kMoonPictureSize, kMoonPictureSize);
}

// The phase texts and the picture of the day shown; the picture is repainted at once.
void CCalendarDlg::RefreshMoonStrip() {
    const MoonPhaseTexts t = ComputeMoonPhaseTexts(m_dates.m_jd);
    SetText(1038, t.name);
    SetText(1064, t.date);
    SetText(1065, t.time);
    if (isVisible()) repaint(MoonPictureRect());
}

void CCalendarDlg::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    const int resource = MoonPictureResource(MoonPictureIndex(m_moonShownJD));
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(MoonPictureRect(), MoonPicture(resource));
    m_moonPictureShown = resource;
}

TemplateDialog* CCalendarDlg::LocationsWindow() const { return m_locationsDlg; }
TemplateDialog* CCalendarDlg::ComputusWindow() const { return m_computusDlg; }

// Creates a side window on first use; on failure says so and leaves it for the next press.
template <class Dialog>
static Dialog* CreateSideWindow(CCalendarDlg* main, Dialog* existing, bool& failNext) {
    if (existing) return existing;
    auto* dialog = new Dialog(main);
    if (failNext || !dialog->Create()) {
        failNext = false;
        delete dialog;
        ShowMessageBox(main, "Error creating Dialog");
        return nullptr;
    }
    // First shown beside the main window, where it hides none of it, when the screen has room.
    const QRect frame = main->frameGeometry();
    const QPoint beside = frame.topRight() + QPoint(8, 0);
    const QScreen* screen = main->screen();
    if (screen && screen->availableGeometry().contains(QRect(beside, dialog->size())))
        dialog->move(beside);
    return dialog;
}

static void ShowSideWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

void CCalendarDlg::OnOpenLocations() {
    m_locationsDlg = CreateSideWindow(this, m_locationsDlg, m_failNextCreation);
    ShowSideWindow(m_locationsDlg);
}

void CCalendarDlg::OnOpenComputus() {
    m_computusDlg = CreateSideWindow(this, m_computusDlg, m_failNextCreation);
    ShowSideWindow(m_computusDlg);
    m_computusShown = true;
}

void CCalendarDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CCalendarDlg::contextMenuEvent(QContextMenuEvent* event) { m_systemMenu->popup(event->globalPos()); }

}  // namespace chronel

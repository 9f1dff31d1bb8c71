#include "app/ui/calendar_dlg.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QPainter>
#include <QScreen>
#include <iostream>
#include <map>

#include "app/core/as_written.h"
#include "app/core/date_steps.h"
#include "app/core/day_engine.h"
#include "app/core/day_text.h"
#include "app/core/today.h"
#include "app/core/trace.h"
#include "app/ui/about_dlg.h"
#include "app/ui/quick_button.h"
#include "app/ui/user_settings.h"
#include "astro/core/almanac_year.h"
#include "astro/core/rise_set_trace.h"
#include "astro/ui/almanac_dlg.h"
#include "easter/ui/computus_dlg.h"
#include "history/core/region_names.h"
#include "locations/ui/locations_dlg.h"
#include "platform/ui/message_box.h"
#include "platform/ui/png_picture.h"
#include "res/templates/accessible_names.h"
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

void ShowSideWindow(QWidget* window) {
    if (!window) return;
    window->show();
    window->raise();
    window->activateWindow();
}

// The sixteen arrow buttons: the control, whether it is the upper button of its pair (up arrow,
// steps forward) and the step it makes.
struct ArrowButton {
    int id;
    bool upper;
    void (*step)(DateState&);
};
constexpr std::array<ArrowButton, 16> kArrowButtons = {{
    {kGregorianDayUpArrow, true, [](DateState& s) { StepDay(s, +1); }},
    {kGregorianDayDownArrow, false, [](DateState& s) { StepDay(s, -1); }},
    {kJulianDayUpArrow, true, [](DateState& s) { StepDay(s, +1); }},
    {kJulianDayDownArrow, false, [](DateState& s) { StepDay(s, -1); }},
    {kGregorianMonthUpArrow, true, [](DateState& s) { StepGregorianMonth(s, +1); }},
    {kGregorianMonthDownArrow, false, [](DateState& s) { StepGregorianMonth(s, -1); }},
    {kJulianMonthUpArrow, true, [](DateState& s) { StepJulianMonth(s, +1); }},
    {kJulianMonthDownArrow, false, [](DateState& s) { StepJulianMonth(s, -1); }},
    {kGregorianYearUpArrow, true, [](DateState& s) { StepGregorianYears(s, +1); }},
    {kGregorianYearDownArrow, false, [](DateState& s) { StepGregorianYears(s, -1); }},
    {kJulianYearUpArrow, true, [](DateState& s) { StepJulianYear(s, +1); }},
    {kJulianYearDownArrow, false, [](DateState& s) { StepJulianYear(s, -1); }},
    {kGregorianCenturyUpArrow, true, [](DateState& s) { StepGregorianYears(s, +100); }},
    {kGregorianCenturyDownArrow, false, [](DateState& s) { StepGregorianYears(s, -100); }},
    {kJulianCenturyUpArrow, true, [](DateState& s) { StepJulianCentury(s, +1); }},
    {kJulianCenturyDownArrow, false, [](DateState& s) { StepJulianCentury(s, -1); }},
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
constexpr std::array<int, 5> kRowAFields = {kRowADayField, kRowAMonthField, kRowAYearField, kRowAEraField,
                                            kRowAStyleField};
constexpr std::array<int, 5> kRowBFields = {kRowBDayField, kRowBMonthField, kRowBYearField, kRowBEraField,
                                            kRowBStyleField};

// The line under the rows that answers a date typed into them, in dialog units.
constexpr int kAsWrittenNoteX = 78, kAsWrittenNoteY = 273, kAsWrittenNoteWidth = 440, kAsWrittenNoteHeight = 12;

// The Moon picture's place: pixel (275, 307) of a layout where a horizontal dialog unit was
// 1.5 pixels and a vertical one 1.625, in dialog units so it follows the font and the scale.
constexpr double kMoonPictureX = 275 / 1.5;
constexpr double kMoonPictureY = 307 / 1.625;
constexpr int kMoonPictureSize = 31;  // pixels

// The eight pictures, loaded once (a "@2x" variant is picked on a scaled screen).
const QPixmap& MoonPicture(int resource) {
    static std::map<int, QPixmap> pictures;
    auto it = pictures.find(resource);
    if (it == pictures.end()) it = pictures.emplace(resource, ReadPngPicture(QString(":/moon/moon_%1.png").arg(resource))).first;
    return it->second;
}

}  // namespace

// Start-up reads only the default city's row of the city table; the Locations window reads the
// rest when it first opens. A trace echoes every city line, so tracing reads them all at once.
std::shared_ptr<const Catalogues> LoadWindowCatalogues() {
    const CityNeed need = TraceStream() ? CityNeed::AllCities : CityNeed::DefaultCityOnly;
    return std::make_shared<const Catalogues>(LoadCatalogues(std::cerr, TraceStream(), need));
}

CCalendarDlg::CCalendarDlg(QWidget* parent) : CCalendarDlg(LoadWindowCatalogues(), parent) {}

CCalendarDlg::CCalendarDlg(std::shared_ptr<const Catalogues> catalogues, QWidget* parent)
    : TemplateDialog(MainDialogTemplate(), parent, MakeArrowButton), m_catalogues(std::move(catalogues)) {
    OnInitDialog();
}

CCalendarDlg::~CCalendarDlg() = default;

void CCalendarDlg::OnInitDialog() {
    // The About item: Linux window managers offer no system menu, so it sits on the window's
    // context menu, after a separator.
    m_systemMenu = new QMenu(this);
    m_systemMenu->addSeparator();
    m_clockTimeAction = m_systemMenu->addAction("Clock time (daylight saving)");
    m_clockTimeAction->setCheckable(true);
    connect(m_clockTimeAction, &QAction::toggled, this, &CCalendarDlg::SetClockTime);
    m_phaseInUtAction = m_systemMenu->addAction("Phase time in Universal Time (\u0394T)");
    m_phaseInUtAction->setCheckable(true);
    connect(m_phaseInUtAction, &QAction::toggled, this, &CCalendarDlg::SetPhaseInUniversalTime);
    QAction* almanac = m_systemMenu->addAction("Almanac", this, &CCalendarDlg::OnOpenAlmanac);
    almanac->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    almanac->setShortcutContext(Qt::WindowShortcut);
    addAction(almanac);  // the shortcut works without opening the menu
    m_systemMenu->addAction(QString::fromUtf8(kAboutMenuText), this, &CCalendarDlg::OnAbout);
    ConnectHandlers();
    ConnectShortcuts();
    NameControls(MainDialogAccessibleNames());
    Control(kPlaceButton)->setAccessibleDescription("Opens the Locations window");
    Control(kPlaceButton)->setToolTip("Choose the place (Locations)");

    m_asWrittenNote = new QLabel(this);
    m_asWrittenNote->setGeometry(Units().Rect(kAsWrittenNoteX, kAsWrittenNoteY, kAsWrittenNoteWidth, kAsWrittenNoteHeight));
    m_asWrittenNote->setAccessibleName("Local Historical Dates, date as written");
    m_asWrittenNote->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_place = StartupPlace(*m_catalogues);
    SetText(kPlaceButton, m_place.name);
    FillRegionLists();
    OnToday();
}

void CCalendarDlg::FillRegionLists() {
    const std::vector<std::string> names(g_regionNames.begin(), g_regionNames.end());
    for (int list : {kRegionAList, kRegionBList}) AddItems(list, names);
    SelectItem(kRegionAList, kFirstRegionA);
    SelectItem(kRegionBList, kFirstRegionB);
}

void CCalendarDlg::ConnectHandlers() {
    OnPicked(kGregorianMonthList, [this] { Change([this](DateState& s) { SelectGregorianMonth(s, SelectedItem(kGregorianMonthList)); }); });
    OnPicked(kJulianMonthList, [this] { Change([this](DateState& s) { SelectJulianMonth(s, SelectedItem(kJulianMonthList)); }); });
    OnPicked(kGregorianEraList, [this] { Change([this](DateState& s) { SelectGregorianEra(s, SelectedItem(kGregorianEraList)); }); });
    OnPicked(kJulianEraList, [this] { Change([this](DateState& s) { SelectJulianEra(s, SelectedItem(kJulianEraList)); }); });
    OnPicked(kRegionAList, [this] { OnSelchangeRegionA(); });
    OnPicked(kRegionBList, [this] { OnSelchangeRegionB(); });

    for (const ArrowButton& a : kArrowButtons) OnClicked(a.id, [this, step = a.step] { Change(step); });
    OnClicked(kTodayButton, [this] { OnToday(); });
    OnClicked(kLocationsButton, [this] { OnOpenLocations(); });
    OnClicked(kPlaceButton, [this] { OnOpenLocations(); });
    OnClicked(kComputusButton, [this] { OnOpenComputus(); });
}

void CCalendarDlg::ConnectShortcuts() {
    const auto add = [this](const QKeySequence& keys, auto handler) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    add(QKeySequence(Qt::Key_PageUp), [this] { Change([](DateState& s) { StepDay(s, -1); }); });
    add(QKeySequence(Qt::Key_PageDown), [this] { Change([](DateState& s) { StepDay(s, +1); }); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { Change([](DateState& s) { StepGregorianMonth(s, -1); }); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { Change([](DateState& s) { StepGregorianMonth(s, +1); }); });
    add(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { OnToday(); });
    add(QKeySequence::Copy, [this] { CopyDay(); });
    add(QKeySequence(Qt::Key_F1), [this] { OnAbout(); });
}

void CCalendarDlg::CopyDay() { QGuiApplication::clipboard()->setText(QString::fromStdString(FormatDayText(m_report))); }

// Ctrl+C copies a field's selected text as usual; with nothing selected it copies the whole day.
bool CCalendarDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit || !edit->hasSelectedText()) {
            event->ignore();
            return true;
        }
    }
    return TemplateDialog::eventFilter(watched, event);
}

template <class Fn>
void CCalendarDlg::Change(Fn&& change) {
    ShowAsWrittenNote({});
    change(m_dates);
    UpdateAllPanels();
}

void CCalendarDlg::OnToday() {
    Change([](DateState& s) { SetToday(s, Today()); });
}

bool CCalendarDlg::KeyPressed(int key, int focusId) {
    if (key != Qt::Key_Return) return false;  // Escape: the dialog's default, which ends the program
    switch (focusId) {
    case kGregorianDayField:
    case kGregorianYearField:
        Change([this](DateState& s) {
            EnterGregorianDate(s, GetText(kGregorianDayField), GetText(kGregorianYearField), SelectedItem(kGregorianEraList) == 0);
        });
        break;
    case kJulianDayOfMonthField:
    case kJulianYearField:
        Change([this](DateState& s) {
            EnterJulianDate(s, GetText(kJulianDayOfMonthField), GetText(kJulianYearField), SelectedItem(kJulianEraList) == 0);
        });
        break;
    case kJulianDayField: Change([this](DateState& s) { EnterJulianDay(s, GetText(kJulianDayField)); }); break;
    case kModifiedJulianDayField:
        Change([this](DateState& s) { EnterModifiedJulianDay(s, GetText(kModifiedJulianDayField)); });
        break;
    case kGregorianDayOfYearField:
        Change([this](DateState& s) { EnterGregorianDayOfYear(s, GetText(kGregorianDayOfYearField)); });
        break;
    case kJulianDayOfYearField:
        Change([this](DateState& s) { EnterJulianDayOfYear(s, GetText(kJulianDayOfYearField)); });
        break;
    case kRowADayField:
    case kRowAMonthField:
    case kRowAYearField: OnEnterAsWritten(kRegionAList, kRowAFields); break;
    case kRowBDayField:
    case kRowBMonthField:
    case kRowBYearField: OnEnterAsWritten(kRegionBList, kRowBFields); break;
    default: break;
    }
    // Enter goes on to the dialog, which has no default button: the window never closes on it.
    return false;
}

std::string CCalendarDlg::SelectedRegion(int list) const {
    const int position = SelectedItem(list);
    return position < 0 ? std::string() : ItemText(list, position);
}

DayQuery CCalendarDlg::CurrentQuery() const {
    DayQuery q;
    q.jd = m_dates.m_jd;
    q.place = m_place;
    q.regionA = SelectedRegion(kRegionAList);
    q.regionB = SelectedRegion(kRegionBList);
    q.options = m_options;
    q.options.almanac = AlmanacShown();
    q.clock = m_clock;
    return q;
}

void CCalendarDlg::UpdateAllPanels() {
    // The time-zone database is read only once clock time is wanted, once per place.
    if (m_options.clockTime && !m_clock) {
        m_clock = ResolveDayClock(m_place);
        if (m_clock->zoneUnknown)
            std::cerr << UnknownZoneMessage(m_place) << '\n';
    }
    m_report = ComputeDay(CurrentQuery(), *m_catalogues);
    // The days of the year last typed stay as typed; everything else follows from m_jd.
    const int gregDayOfYear = m_dates.m_gregDayOfYear, julDayOfYear = m_dates.m_julDayOfYear;
    m_dates = m_report.dates;
    m_dates.m_gregDayOfYear = gregDayOfYear;
    m_dates.m_julDayOfYear = julDayOfYear;

    ShowDatePanels(m_report.panels);
    ShowRiseSet(m_report.riseSetTexts);
    ShowClockTips(m_report.clock);
    if (std::ostream* trace = TraceStream()) {
        const ObserverPlace& p = m_place.position;
        WriteRiseSetTrace(*trace, m_dates.m_gregYear, m_dates.m_gregMonth, m_dates.m_gregDay, p.longitude, p.latitude,
                          m_report.clock.searchOffsetHours, m_report.riseSet);
    }
    if (m_computusDlg) m_computusDlg->ShowEaster(m_report.easter);
    if (AlmanacShown()) ShowAlmanac();
    OnSelchangeRegionA();
    OnSelchangeRegionB();
    ShowMoonStrip(m_report.moon);
}

void CCalendarDlg::SetPlace(const ObserverPlace& position, std::optional<int> cityRow) {
    // Typed coordinates keep the button's name but have no zone: they keep the typed offset.
    m_place.position = position;
    m_place.zoneId.clear();
    if (cityRow) {
        if (auto city = CityPlace(*m_catalogues, static_cast<std::size_t>(*cityRow))) {
            m_place.name = city->name;
            m_place.zoneId = city->zoneId;
        }
        SetText(kPlaceButton, m_place.name);
    }
    m_clock.reset();
    UpdateAllPanels();
}

void CCalendarDlg::AttachSettings(std::unique_ptr<QSettings> settings) {
    m_settings = std::move(settings);
    if (!m_settings) return;
    const bool clockTime = m_settings->value(kClockTimeSetting, false).toBool();
    if (clockTime != m_clockTimeAction->isChecked()) m_clockTimeAction->setChecked(clockTime);
    const bool phaseInUt = m_settings->value(kPhaseInUniversalTimeSetting, false).toBool();
    if (phaseInUt != m_phaseInUtAction->isChecked()) m_phaseInUtAction->setChecked(phaseInUt);
}

void CCalendarDlg::SetPhaseInUniversalTime(bool on) {
    if (m_phaseInUtAction->isChecked() != on) m_phaseInUtAction->setChecked(on);  // calls back here
    if (m_options.phaseInUniversalTime == on) return;
    m_options.phaseInUniversalTime = on;
    if (m_settings) m_settings->setValue(kPhaseInUniversalTimeSetting, on);
    UpdateAllPanels();
}

bool CCalendarDlg::AlmanacShown() const { return m_almanacDlg && m_almanacDlg->isVisible(); }

void CCalendarDlg::OnOpenAlmanac() {
    if (!m_almanacDlg) {
        m_almanacDlg = new AlmanacDlg(this);
        m_almanacDlg->SetYearExport([this](int year, YearFileFormat format) {
            return ExportAlmanacYear(year, format == YearFileFormat::kICalendar);
        });
    }
    ShowSideWindow(m_almanacDlg);
    UpdateAllPanels();
}

void CCalendarDlg::ShowAlmanac() {
    if (!m_report.almanacTexts) return;
    m_almanacDlg->ShowDay(*m_report.almanacTexts, m_place.position.latitude < 0, QString::fromStdString(m_place.name));
}

// A year of the almanac at the place shown, with the clock the main window uses.
std::string CCalendarDlg::ExportAlmanacYear(int year, bool iCalendar) const {
    if (iCalendar) {
        const double now = 2440587.5 + QDateTime::currentSecsSinceEpoch() / 86400.0;  // JD of the Unix epoch + days
        return AlmanacYearIcs(year, now);
    }
    const ObserverPlace& p = m_place.position;
    const UtcOffsetAt clock = m_report.clock.zoneApplied && m_clock ? m_clock->offsetAt : FixedUtcOffset(p.timeZone);
    return AlmanacYearCsv(ComputeAlmanacYear(year, p.latitude, p.longitude, clock));
}

void CCalendarDlg::SetClockTime(bool on) {
    if (m_clockTimeAction->isChecked() != on) m_clockTimeAction->setChecked(on);  // calls back here
    if (m_options.clockTime == on) return;
    m_options.clockTime = on;
    if (m_settings) m_settings->setValue(kClockTimeSetting, on);
    UpdateAllPanels();
}

// With clock time, the five rise and set fields and the place button name the zone and the
// offset used; with the fixed offset they say nothing more than before.
void CCalendarDlg::ShowClockTips(const ClockReport& clock) {
    const QString tip = QString::fromStdString(clock.tooltip);
    if (Control(kSunriseField)->toolTip() == tip) return;  // shown already: a click costs nothing more
    for (int id : {kSunriseField, kSunsetField, kDayLengthField, kMoonriseField, kMoonsetField}) Control(id)->setToolTip(tip);
    Control(kPlaceButton)->setToolTip(clock.zoneApplied ? tip + "\nChoose the place (Locations)" : "Choose the place (Locations)");
}

void CCalendarDlg::ShowDatePanels(const DatePanelTexts& t) {
    SetText(kJulianDayField, t.julianDay);
    SetText(kModifiedJulianDayField, t.modifiedJulianDay);
    SetText(kGregorianYearField, t.gregYear);
    SelectItem(kGregorianMonthList, t.gregMonthItem);
    SetText(kGregorianDayField, t.gregDay);
    SetText(kGregorianLeapField, t.gregLeap);
    SetText(kWeekdayField, t.weekday);
    SetText(kJulianYearField, t.julYear);
    SelectItem(kJulianMonthList, t.julMonthItem);
    SetText(kJulianDayOfMonthField, t.julDay);
    SetText(kJulianLeapField, t.julLeap);
    SelectItem(kGregorianEraList, t.gregEraItem);
    SelectItem(kJulianEraList, t.julEraItem);
    SetText(kGregorianDayOfYearField, t.gregDayOfYear);
    SetText(kJulianDayOfYearField, t.julDayOfYear);
    SetText(kGregorianWeekOfYearField, t.gregWeekOfYear);
    SetText(kJulianWeekOfYearField, t.julWeekOfYear);
}

void CCalendarDlg::ShowRiseSet(const RiseSetTexts& t) {
    SetText(kMoonriseField, t.moonrise);
    SetText(kMoonsetField, t.moonset);
    SetText(kSunriseField, t.sunrise);
    SetText(kSunsetField, t.sunset);
    SetText(kDayLengthField, t.dayLength);
}

void CCalendarDlg::ShowLocalDateRow(int list, const std::array<int, 5>& fields, const LocalDateRowReport& row) {
    if (SelectedItem(list) < 0) return;
    const LocalDateRowTexts& t = row.texts;
    SetText(fields[0], t.day);
    SetText(fields[1], t.month);
    SetText(fields[2], t.year);
    SetText(fields[3], t.era);
    SetText(fields[4], t.style);
}

// A pick in a region list recomputes only its own row; the rest of the report stays as it is.
void CCalendarDlg::OnSelchangeRegionA() { ShowRegionRow(0, kRegionAList, kRowAFields); }
void CCalendarDlg::OnSelchangeRegionB() { ShowRegionRow(1, kRegionBList, kRowBFields); }

void CCalendarDlg::ShowRegionRow(std::size_t row, int list, const std::array<int, 5>& fields) {
    LocalDateRowReport& report = m_report.localDates[row];
    const std::string region = SelectedRegion(list);
    if (report.region != region) report = ComputeLocalDateRow(region, m_report.dates, *m_catalogues);
    ShowLocalDateRow(list, fields, report);
}

void CCalendarDlg::OnEnterAsWritten(int list, const std::array<int, 5>& fields) {
    const AsWrittenAnswer answer =
        LookUpAsWritten(*m_catalogues, SelectedRegion(list), GetText(fields[0]), GetText(fields[1]), GetText(fields[2]));
    if (answer.jd) Change([jd = *answer.jd](DateState& s) { s.m_jd = jd; });
    ShowAsWrittenNote(answer.note);
}

void CCalendarDlg::ShowAsWrittenNote(const std::string& note) {
    if (m_asWrittenNote->text().toStdString() == note) return;
    m_asWrittenNote->setText(QString::fromStdString(note));
    m_asWrittenNote->setToolTip(m_asWrittenNote->text());
}

std::string CCalendarDlg::AsWrittenNote() const { return m_asWrittenNote->text().toStdString(); }

QRect CCalendarDlg::MoonPictureRect() const {
    const int x = static_cast<int>(kMoonPictureX * Units().PixelsPerUnitX() + 0.5);
    const int y = static_cast<int>(kMoonPictureY * Units().PixelsPerUnitY() + 0.5);
    return QRect(x, y, kMoonPictureSize, kMoonPictureSize);
}

// The phase texts and the picture of the day shown (unchanged texts are not set again). A new
// picture is painted at once, so MoonPictureShown() names it as soon as the day has changed;
// the eight pictures last several days each, so most steps of a day paint nothing.
void CCalendarDlg::ShowMoonStrip(const MoonReport& moon) {
    SetText(kPhaseNameField, moon.texts.name);
    SetText(kPhaseDateField, moon.texts.date);
    SetText(kPhaseTimeField, moon.texts.time);
    if (isVisible() && m_moonPictureShown != moon.pictureResource) repaint(MoonPictureRect());
}

void CCalendarDlg::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    const int resource = m_report.moon.pictureResource;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(MoonPictureRect(), MoonPicture(resource));
    m_moonPictureShown = resource;
}

TemplateDialog* CCalendarDlg::LocationsWindow() const { return m_locationsDlg; }
TemplateDialog* CCalendarDlg::ComputusWindow() const { return m_computusDlg; }

// Creates a side window on first use; on failure says so and leaves it for the next press.
template <class Dialog, class... Args>
static Dialog* CreateSideWindow(CCalendarDlg* main, Dialog* existing, bool& failNext, Args&&... args) {
    if (existing) return existing;
    auto* dialog = new Dialog(main, std::forward<Args>(args)...);
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


void CCalendarDlg::OnOpenLocations() {
    const bool created = !m_locationsDlg;
    if (!m_catalogues->allCities)
        m_catalogues = std::make_shared<const Catalogues>(WithAllCities(*m_catalogues, std::cerr, TraceStream()));
    m_locationsDlg = CreateSideWindow(this, m_locationsDlg, m_failNextCreation, m_catalogues);
    if (created && m_locationsDlg)
        connect(m_locationsDlg, &CLocationsDlg::PlaceChosen, this,
                [this](const ObserverPlace& position, std::optional<int> cityRow) { SetPlace(position, cityRow); });
    ShowSideWindow(m_locationsDlg);
}

void CCalendarDlg::OnOpenComputus() {
    m_computusDlg = CreateSideWindow(this, m_computusDlg, m_failNextCreation);
    if (m_computusDlg) m_computusDlg->ShowEaster(m_report.easter);
    ShowSideWindow(m_computusDlg);
}

void CCalendarDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CCalendarDlg::contextMenuEvent(QContextMenuEvent* event) { m_systemMenu->popup(event->globalPos()); }

}  // namespace chronel

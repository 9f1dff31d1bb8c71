#include "app/ui/calendar_dlg.h"

#include <QContextMenuEvent>
#include <QMenu>

#include "app/core/date_steps.h"
#include "app/core/today.h"
#include "app/ui/about_dlg.h"
#include "app/ui/quick_button.h"
#include "res/templates/templates.h"

namespace chronel {
namespace {

// The sixteen arrow buttons: control, pictures (normal, pressed). Upper buttons step forward.
struct ArrowButton {
    int id;
    bool upper;
};
constexpr std::array<ArrowButton, 16> kArrowButtons = {{
    {1012, true}, {1011, false}, {1020, true}, {1019, false}, {1014, true}, {1013, false},
    {1066, true}, {1063, false}, {1016, true}, {1015, false}, {1071, true}, {1070, false},
    {1018, true}, {1017, false}, {1069, true}, {1068, false},
}};

}  // namespace

// The arrow buttons are CQuickButtons with their pictures; every upper button of a pair shows
// the up arrow and steps forward, every lower one the down arrow.
static QWidget* MakeArrowButton(const ControlTemplate& control, QWidget* parent) {
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

CCalendarDlg::CCalendarDlg(QWidget* parent) : TemplateDialog(MainDialogTemplate(), parent, MakeArrowButton) {
    OnInitDialog();
}

CCalendarDlg::~CCalendarDlg() = default;

void CCalendarDlg::OnInitDialog() {
    // The About item: Linux window managers offer no system menu, so it sits on the window's
    // context menu, after a separator.
    m_systemMenu = new QMenu(this);
    m_systemMenu->addSeparator();
    m_systemMenu->addAction(QString::fromUtf8(kAboutMenuText), this, &CCalendarDlg::OnAbout);

    ConnectHandlers();
    OnToday();
}

void CCalendarDlg::ConnectHandlers() {
    OnPicked(1001, [this] { Change([this](DateState& s) { SelectGregorianMonth(s, SelectedItem(1001)); }); });
    OnPicked(1004, [this] { Change([this](DateState& s) { SelectJulianMonth(s, SelectedItem(1004)); }); });
    OnPicked(1021, [this] { Change([this](DateState& s) { SelectGregorianEra(s, SelectedItem(1021)); }); });
    OnPicked(1022, [this] { Change([this](DateState& s) { SelectJulianEra(s, SelectedItem(1022)); }); });

    for (int id : {1012, 1020}) OnClicked(id, [this] { Change([](DateState& s) { StepDay(s, +1); }); });
    for (int id : {1011, 1019}) OnClicked(id, [this] { Change([](DateState& s) { StepDay(s, -1); }); });
    OnClicked(1014, [this] { Change([](DateState& s) { StepGregorianMonth(s, +1); }); });
    OnClicked(1013, [this] { Change([](DateState& s) { StepGregorianMonth(s, -1); }); });
    OnClicked(1066, [this] { Change([](DateState& s) { StepJulianMonth(s, +1); }); });
    OnClicked(1063, [this] { Change([](DateState& s) { StepJulianMonth(s, -1); }); });
    OnClicked(1016, [this] { Change([](DateState& s) { StepGregorianYears(s, +1); }); });
    OnClicked(1015, [this] { Change([](DateState& s) { StepGregorianYears(s, -1); }); });
    OnClicked(1071, [this] { Change([](DateState& s) { StepJulianYear(s, +1); }); });
    OnClicked(1070, [this] { Change([](DateState& s) { StepJulianYear(s, -1); }); });
    OnClicked(1018, [this] { Change([](DateState& s) { StepGregorianYears(s, +100); }); });
    OnClicked(1017, [this] { Change([](DateState& s) { StepGregorianYears(s, -100); }); });
    OnClicked(1069, [this] { Change([](DateState& s) { StepJulianCentury(s, +1); }); });
    OnClicked(1068, [this] { Change([](DateState& s) { StepJulianCentury(s, -1); }); });
    OnClicked(1009, [this] { OnToday(); });
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

TemplateDialog* CCalendarDlg::LocationsWindow() const { return nullptr; }
TemplateDialog* CCalendarDlg::ComputusWindow() const { return nullptr; }

void CCalendarDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CCalendarDlg::contextMenuEvent(QContextMenuEvent* event) { m_systemMenu->popup(event->globalPos()); }

}  // namespace chronel

#pragma once
// The main window: one day shown as a Gregorian and a Julian date with its day numbers, and
// everything that depends on the day. Every change of date sets m_jd and ends in
// UpdateAllPanels, which asks the day engine for the day and writes its report into the
// controls.

#include <QRect>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/core/catalogues.h"
#include "app/core/date_state.h"
#include "app/core/day_query.h"
#include "app/core/day_report.h"
#include "platform/ui/template_dialog.h"

class QAction;
class QLabel;
class QMenu;
class QSettings;

namespace chronel {

class AlmanacDlg;
class CComputusDlg;
class CLocationsDlg;

// The catalogues of the data folder in use, as the main window reads them at start-up (errors
// in the files go to standard error).
std::shared_ptr<const Catalogues> LoadWindowCatalogues();

class CCalendarDlg : public TemplateDialog {
    Q_OBJECT
public:
    // Reads the catalogues of the data folder in use.
    explicit CCalendarDlg(QWidget* parent = nullptr);
    // Shows days computed from catalogues already loaded.
    explicit CCalendarDlg(std::shared_ptr<const Catalogues> catalogues, QWidget* parent = nullptr);
    ~CCalendarDlg() override;

    // The date state; after every UpdateAllPanels both dates are those of m_jd.
    const DateState& Dates() const { return m_dates; }
    // The read-only tables the days are computed from.
    const Catalogues& Tables() const { return *m_catalogues; }
    // The observer the rise and set times are computed for.
    const DayPlace& Place() const { return m_place; }
    // What the engine reported for the day shown, as the controls show it.
    const DayReport& Report() const { return m_report; }
    // The query of the day shown.
    DayQuery CurrentQuery() const;

    void UpdateAllPanels();
    void OnToday();

    // A new observer: a picked city (a row of the city table, which names the place button) or
    // typed coordinates (the button keeps its text). Recomputes the day.
    void SetPlace(const ObserverPlace& position, std::optional<int> cityRow);

    // Reads the stored settings and keeps every later change in them; without settings (the
    // driver, most tests) the settings start at their defaults and are not kept.
    void AttachSettings(std::unique_ptr<QSettings> settings);

    // Rise and set at the clock time of the place's zone (daylight saving) or at its fixed
    // standard offset; the context menu's checkable item.
    void SetClockTime(bool on);
    const DayOptions& Options() const { return m_options; }
    // The next phase's date and time in Universal Time (less ΔT); the context menu's item.
    void SetPhaseInUniversalTime(bool on);

    // The Almanac window (Ctrl+L): created on first use, then shown again; it follows every
    // change of day or place while it is open.
    void OnOpenAlmanac();
    AlmanacDlg* AlmanacWindow() const { return m_almanacDlg; }

    void OnSelchangeRegionA();
    void OnSelchangeRegionB();

    // Enter in a row's day, month or year field: goes to the first day the region wrote so,
    // or leaves the day and says why none matches. list is the row's region list.
    void OnEnterAsWritten(int list, const std::array<int, 5>& fields);
    // The line under the rows: the other days a typed date also names, or why it names none;
    // empty when there is nothing to say.
    std::string AsWrittenNote() const;
    void OnOpenLocations();
    void OnOpenComputus();

    // Test hook: the next creation of a side window fails, as when the system refuses it.
    void FailNextWindowCreation() { m_failNextCreation = true; }

    // The About box (modal).
    void OnAbout();
    // Puts the day shown on the clipboard, as `chronel day` writes it.
    void CopyDay();
    QMenu* SystemMenu() const { return m_systemMenu; }

    // The side windows, or nullptr until they are first opened.
    TemplateDialog* LocationsWindow() const;
    TemplateDialog* ComputusWindow() const;

    // Resource number of the Moon picture last painted; none before the first paint.
    std::optional<int> MoonPictureShown() const { return m_moonPictureShown; }

protected:
    bool KeyPressed(int key, int focusId) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnInitDialog();
    void ConnectHandlers();
    void ConnectShortcuts();  // Page Up/Down, Ctrl+Page Up/Down, Ctrl+T, Ctrl+C, F1
    void ShowDatePanels(const DatePanelTexts& t);
    void ShowRiseSet(const RiseSetTexts& t);
    void ShowLocalDateRow(int list, const std::array<int, 5>& fields, const LocalDateRowReport& row);
    void ShowRegionRow(std::size_t row, int list, const std::array<int, 5>& fields);
    void FillRegionLists();
    std::string SelectedRegion(int list) const;  // empty when the list has no selection
    void ShowMoonStrip(const MoonReport& moon);
    QRect MoonPictureRect() const;

    // Applies a change of the date state and recomputes everything.
    template <class Fn>
    void Change(Fn&& change);

    void ShowClockTips(const ClockReport& clock);
    void ShowAsWrittenNote(const std::string& note);
    void ShowAlmanac();
    std::string ExportAlmanacYear(int year, bool iCalendar) const;
    bool AlmanacShown() const;

    std::shared_ptr<const Catalogues> m_catalogues;
    DateState m_dates;
    DayPlace m_place;
    DayOptions m_options;
    std::shared_ptr<const PlaceClock> m_clock;  // of m_place, resolved when clock time needs it
    std::unique_ptr<QSettings> m_settings;
    QAction* m_clockTimeAction = nullptr;
    QAction* m_phaseInUtAction = nullptr;
    AlmanacDlg* m_almanacDlg = nullptr;
    QLabel* m_asWrittenNote = nullptr;
    DayReport m_report;
    QMenu* m_systemMenu = nullptr;
    CLocationsDlg* m_locationsDlg = nullptr;  // created on first use, owned as a child window
    CComputusDlg* m_computusDlg = nullptr;  // once opened, every recomputation refreshes it
    bool m_failNextCreation = false;
    std::optional<int> m_moonPictureShown;  // resource number last painted
};

}  // namespace chronel

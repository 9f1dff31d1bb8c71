#pragma once
// The main window: one day shown as a Gregorian and a Julian date with its day numbers, and
// everything that depends on the day. Every change of date sets m_jd and ends in
// UpdateAllPanels, which derives all the rest from it.

#include <QRect>
#include <array>
#include <memory>
#include <string>

#include "app/core/date_state.h"
#include "platform/ui/template_dialog.h"

class QMenu;

namespace chronel {

class CComputusDlg;
class CLocationsDlg;

class CCalendarDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CCalendarDlg(QWidget* parent = nullptr);
    ~CCalendarDlg() override;

    // The date state; after every UpdateAllPanels both dates are those of m_jd.
    const DateState& Dates() const { return m_dates; }

    void UpdateAllPanels();
    void OnToday();

    // Sun and Moon rise and set for a Gregorian date (astronomical year) and a place (degrees,
    // east and north positive; hours east of Greenwich) into the five fields of the main window.
    void ComputeRiseSet(int year, int month, int day, double longitude, double latitude, double timeZone);

    void OnSelchangeRegionA();
    void OnSelchangeRegionB();
    void OnOpenLocations();
    void OnOpenComputus();

    // Test hook: the next creation of a side window fails, as when the system refuses it.
    void FailNextWindowCreation() { m_failNextCreation = true; }

    // The About box (modal).
    void OnAbout();
    QMenu* SystemMenu() const { return m_systemMenu; }

    // The side windows, or nullptr until they are first opened.
    TemplateDialog* LocationsWindow() const;
    TemplateDialog* ComputusWindow() const;

    // Resource number of the Moon picture last painted, -1 before the first paint.
    int MoonPictureShown() const { return m_moonPictureShown; }

protected:
    bool KeyPressed(int key, int focusId) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void OnInitDialog();
    void ConnectHandlers();
    void ShowDatePanels();
    void LoadObserver();
    void FillRegionLists();
    void ShowLocalDateRow(int list, const std::array<int, 5>& fields);
    void RefreshMoonStrip();
    QRect MoonPictureRect() const;

    // Applies a change of the date state and recomputes everything.
    template <class Fn>
    void Change(Fn&& change);

    DateState m_dates;
    double m_moonShownJD = -1.0;  // day for which the Moon strip was last redrawn; -1 not yet
    QMenu* m_systemMenu = nullptr;
    CLocationsDlg* m_locationsDlg = nullptr;  // created on first use, owned as a child window
    CComputusDlg* m_computusDlg = nullptr;
    bool m_computusShown = false;  // once set, every recomputation refreshes the Computus window
    bool m_failNextCreation = false;
    int m_moonPictureShown = -1;   // resource number last painted
};

}  // namespace chronel

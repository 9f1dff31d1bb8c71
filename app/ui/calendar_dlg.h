#pragma once
// The main window: one day shown as a Gregorian and a Julian date with its day numbers, and
// everything that depends on the day. Every change of date sets m_jd and ends in
// UpdateAllPanels, which derives all the rest from it.

#include <array>
#include <memory>
#include <string>

#include "app/core/date_state.h"
#include "platform/ui/template_dialog.h"

class QMenu;

namespace chronel {

class CQuickButton;

class CCalendarDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CCalendarDlg(QWidget* parent = nullptr);
    ~CCalendarDlg() override;

    // The date state; after every UpdateAllPanels both dates are those of m_jd.
    const DateState& Dates() const { return m_dates; }

    void UpdateAllPanels();
    void OnToday();

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

private:
    void OnInitDialog();
    void ConnectHandlers();
    void ShowDatePanels();

    // Applies a change of the date state and recomputes everything.
    template <class Fn>
    void Change(Fn&& change);

    DateState m_dates;
    QMenu* m_systemMenu = nullptr;
    int m_moonPictureShown = -1;
};

}  // namespace chronel

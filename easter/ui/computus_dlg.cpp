#include "easter/ui/computus_dlg.h"

#include "app/ui/calendar_dlg.h"
#include "easter/core/computus_texts.h"
#include "res/templates/templates.h"

namespace chronel {

CComputusDlg::CComputusDlg(CCalendarDlg* mainDlg)
    : TemplateDialog(ComputusDialogTemplate(), mainDlg), m_pMainDlg(mainDlg) {
    setModal(false);
}

bool CComputusDlg::Create() {
    RecomputeEaster();
    return true;
}

void CComputusDlg::RecomputeEaster() {
    // The Catholic date follows the Gregorian year shown, the Orthodox ones the Julian year;
    // the two differ in the first days of January.
    const DateState& d = m_pMainDlg->Dates();
    const ComputusTexts t = MakeComputusTexts(d.m_gregYear, d.m_julYear, g_monthNames);
    ShowCatholicEaster(t);
    ShowOrthodoxEaster(t);
}

void CComputusDlg::ShowCatholicEaster(const ComputusTexts& t) {
    SetText(1027, t.catholicDay);
    SetText(1028, t.catholicMonth);
}

void CComputusDlg::ShowOrthodoxEaster(const ComputusTexts& t) {
    SetText(1029, t.orthodoxJulianDay);
    SetText(1030, t.orthodoxJulianMonth);
    SetText(1031, t.orthodoxGregorianDay);
    SetText(1032, t.orthodoxGregorianMonth);
    SetText(1092, t.note);  // set in every case, shown only before 1583
    ShowControl(1092, t.noteVisible);
}

bool CComputusDlg::KeyPressed(int key, int) {
    // Enter, like Escape, closes (hides) the window.
    if (key == Qt::Key_Return) {
        reject();
        return true;
    }
    return false;
}

}  // namespace chronel

#include "easter/ui/computus_dlg.h"

#include "res/templates/accessible_names.h"
#include "res/templates/control_ids.h"
#include "res/templates/templates.h"

namespace chronel {

CComputusDlg::CComputusDlg(QWidget* parent) : TemplateDialog(ComputusDialogTemplate(), parent) {
    setModal(false);
    NameControls(ComputusDialogAccessibleNames());
}

bool CComputusDlg::Create() { return true; }

void CComputusDlg::ShowEaster(const ComputusTexts& t) {
    ShowCatholicEaster(t);
    ShowOrthodoxEaster(t);
}

void CComputusDlg::ShowCatholicEaster(const ComputusTexts& t) {
    SetText(kCatholicDayField, t.catholicDay);
    SetText(kCatholicMonthField, t.catholicMonth);
}

void CComputusDlg::ShowOrthodoxEaster(const ComputusTexts& t) {
    SetText(kOrthodoxJulianDayField, t.orthodoxJulianDay);
    SetText(kOrthodoxJulianMonthField, t.orthodoxJulianMonth);
    SetText(kOrthodoxGregorianDayField, t.orthodoxGregorianDay);
    SetText(kOrthodoxGregorianMonthField, t.orthodoxGregorianMonth);
    SetText(kEasterNoteField, t.note);  // set in every case, shown only before 1583
    ShowControl(kEasterNoteField, t.noteVisible);
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

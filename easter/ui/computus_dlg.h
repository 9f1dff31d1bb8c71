#pragma once
// The Computus window: Easter Sunday of the year shown in the main window, by the Catholic
// reckoning and by the Orthodox one as a Julian and as a Gregorian date. Closing it only hides
// it; the main window refreshes it after every change of date once it has been opened.

#include "easter/core/computus_texts.h"
#include "platform/ui/template_dialog.h"

namespace chronel {

class CCalendarDlg;

class CComputusDlg : public TemplateDialog {
    Q_OBJECT
public:
    explicit CComputusDlg(CCalendarDlg* mainDlg);

    bool Create();  // fills the fields; false when the window could not be made
    void RecomputeEaster();

protected:
    bool KeyPressed(int key, int focusId) override;

private:
    void ShowCatholicEaster(const ComputusTexts& texts);
    void ShowOrthodoxEaster(const ComputusTexts& texts);

    CCalendarDlg* m_pMainDlg;
};

}  // namespace chronel

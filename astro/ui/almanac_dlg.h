#pragma once
// The Almanac window: the almanac of the day shown (twilights, Sun, Moon, phases, the next
// season) beside a picture of the Moon, and "Export year..." to write the year's table as CSV
// or its phases and seasons as iCalendar. A modeless side window: closing it only hides it.
// It shows what it is given and computes nothing itself; the year's file comes from a callback.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "astro/core/almanac_texts.h"

class QLabel;
class QGridLayout;
class QPushButton;

namespace chronel {

class MoonDisc;
class SelectableValueLabel;

enum class YearFileFormat { kCsv, kICalendar };

class AlmanacDlg : public QDialog {
    Q_OBJECT
public:
    // The contents of the file for the year, in the chosen format.
    using YearExport = std::function<std::string(int year, YearFileFormat format)>;
    // Asks for the file to write: its path (empty when the user cancels) and the format that
    // the chosen filter or the name's ending says. The default asks through a QFileDialog.
    struct ChosenFile {
        QString path;
        YearFileFormat format = YearFileFormat::kCsv;
    };
    using FileChooser = std::function<ChosenFile(QWidget* parent, const QString& suggestedName)>;

    explicit AlmanacDlg(QWidget* parent = nullptr);

    // Shows the day's texts; placeName titles the window ("Almanac - London"); a southern
    // observer sees the Moon mirrored.
    // While the window is hidden the day is only kept, and shown when the window opens.
    void ShowDay(const AlmanacTexts& texts, bool southernObserver, const QString& placeName = {});

    void SetYearExport(YearExport exportYear) { exportYear_ = std::move(exportYear); }
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // Writes the year's file to path through a temporary file renamed over it; on failure
    // returns false and sets *error to the reason. Also used by the button.
    bool WriteYearFile(const QString& path, YearFileFormat format, QString* error);

    MoonDisc* moonDisc() const { return moon_; }
    QString statusText() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct PendingDay {
        AlmanacTexts texts;
        bool southernObserver = false;
        QString placeName;
    };
    void Fill(const AlmanacTexts& texts, bool southernObserver, const QString& placeName);
    void ExportYear();
    SelectableValueLabel* AddRow(QGridLayout* grid, int row, const QString& label);

    std::vector<SelectableValueLabel*> eventValues_;  // in the order of kAlmanacEventRows
    SelectableValueLabel* noonAltitude_ = nullptr;
    SelectableValueLabel* dayLength_ = nullptr;
    SelectableValueLabel* illumination_ = nullptr;
    SelectableValueLabel* age_ = nullptr;
    SelectableValueLabel* deltaT_ = nullptr;
    SelectableValueLabel* nextSeason_ = nullptr;
    struct PhaseRow {
        QLabel* name;
        SelectableValueLabel* ut;
        SelectableValueLabel* local;
    };
    std::vector<PhaseRow> phaseRows_;
    QLabel* status_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    MoonDisc* moon_ = nullptr;

    std::optional<PendingDay> pending_;
    int year_ = 2000;
    YearExport exportYear_;
    FileChooser chooseFile_;
};

// The default FileChooser: QFileDialog with the filters "CSV table (*.csv)" and
// "iCalendar (*.ics)".
AlmanacDlg::ChosenFile AskForYearFile(QWidget* parent, const QString& suggestedName);

}  // namespace chronel

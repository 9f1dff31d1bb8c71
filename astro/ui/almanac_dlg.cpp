#include "astro/ui/almanac_dlg.h"

#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "astro/ui/moon_disc.h"
#include "astro/ui/selectable_value_label.h"

namespace chronel {
namespace {

constexpr int kSunRowCount = static_cast<int>(kAlmanacSunEventRows);
constexpr int kPhaseRows = 4;  // the one before the day, one during it, two after

// A label of fixed size: a new text then repaints the label alone and never asks the window
// for a new layout (Qt skips the layout when a widget's minimum and maximum sizes agree).
// It also fills its own background, so a repaint of it leaves the widgets beneath alone.
void FixSize(QLabel* l, const QString& widest) {
    const QFontMetrics fm(l->font());
    l->setFixedSize(fm.horizontalAdvance(widest) + 2, fm.height() + 2);
    l->setAutoFillBackground(true);
}

// A value: plain text in a monospace font, wide enough for `chars` characters, that the user
// can select and copy.
SelectableValueLabel* ValueLabel(QWidget* parent, int chars = 12) {
    auto* l = new SelectableValueLabel(parent);
    QFont f = l->font();
    f.setStyleHint(QFont::Monospace);
    f.setFamily(QStringLiteral("DejaVu Sans Mono"));
    l->setFont(f);
    FixSize(l, QString(chars, QLatin1Char('0')));
    return l;
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* h = new QLabel(text, parent);
    QFont f = h->font();
    f.setBold(true);
    h->setFont(f);
    return h;
}

QString Number(double x, const char* unit) {
    return QString::number(x, 'f', 1) + QString::fromUtf8(unit);
}

}  // namespace

AlmanacDlg::ChosenFile AskForYearFile(QWidget* parent, const QString& suggestedName) {
    const QString csv = QStringLiteral("CSV table (*.csv)");
    const QString ics = QStringLiteral("iCalendar (*.ics)");
    QString filter = csv;
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export year"),
                                                      suggestedName, csv + ";;" + ics, &filter);
    const bool icsChosen = filter == ics || path.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive);
    return {path, icsChosen ? YearFileFormat::kICalendar : YearFileFormat::kCsv};
}

AlmanacDlg::AlmanacDlg(QWidget* parent) : QDialog(parent), chooseFile_(AskForYearFile) {
    setWindowTitle(QStringLiteral("Almanac"));
    setModal(false);

    // Sections are headed grids on the window's own background, which the value labels fill.
    auto* sunBox = new QWidget(this);
    auto* sunGrid = new QGridLayout(sunBox);
    for (int i = 0; i < kSunRowCount; ++i) {
        eventValues_.push_back(AddRow(sunGrid, i, QString::fromUtf8(kAlmanacEventRows[i].label)));
    }
    noonAltitude_ = AddRow(sunGrid, kSunRowCount, QStringLiteral("Noon altitude"));
    dayLength_ = AddRow(sunGrid, kSunRowCount + 1, QStringLiteral("Day length"));

    auto* moonBox = new QWidget(this);
    auto* moonGrid = new QGridLayout(moonBox);
    int row = 0;
    for (std::size_t i = kAlmanacSunEventRows; i < kAlmanacEventRows.size(); ++i) {
        eventValues_.push_back(AddRow(moonGrid, row++, QString::fromUtf8(kAlmanacEventRows[i].label)));
    }
    illumination_ = AddRow(moonGrid, row++, QStringLiteral("Illuminated"));
    age_ = AddRow(moonGrid, row++, QStringLiteral("Age"));
    moon_ = new MoonDisc(moonBox);
    moonGrid->addWidget(moon_, 0, 2, row, 1, Qt::AlignCenter);
    moonGrid->setColumnStretch(2, 1);

    auto* phaseBox = new QWidget(this);
    auto* phaseGrid = new QGridLayout(phaseBox);
    phaseGrid->setHorizontalSpacing(18);
    const char* heads[] = {"Phase", "Universal Time", "Clock time"};
    for (int c = 0; c < 3; ++c) {
        auto* h = new QLabel(QString::fromUtf8(heads[c]), phaseBox);
        QFont f = h->font();
        f.setBold(true);
        h->setFont(f);
        phaseGrid->addWidget(h, 0, c);
    }
    for (int row = 1; row <= kPhaseRows; ++row) {
        PhaseRow cells{new QLabel(phaseBox), ValueLabel(phaseBox, 18), ValueLabel(phaseBox, 18)};
        cells.name->setTextFormat(Qt::PlainText);
        FixSize(cells.name, QStringLiteral("First Quarter "));
        phaseGrid->addWidget(cells.name, row, 0);
        phaseGrid->addWidget(cells.ut, row, 1);
        phaseGrid->addWidget(cells.local, row, 2);
        phaseRows_.push_back(cells);
    }

    auto* other = new QFormLayout;
    nextSeason_ = ValueLabel(this, 37);
    deltaT_ = ValueLabel(this, 16);
    other->addRow(QStringLiteral("Next season"), nextSeason_);
    other->addRow(QString::fromUtf8("\u0394T (TT \u2212 UT)"), deltaT_);

    exportButton_ = new QPushButton(QStringLiteral("Export year..."), this);
    connect(exportButton_, &QPushButton::clicked, this, &AlmanacDlg::ExportYear);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton_);
    buttons->addWidget(status_, 1);
    buttons->addWidget(close);

    auto* left = new QVBoxLayout;
    left->addWidget(Heading(QStringLiteral("Sun"), this));
    left->addWidget(sunBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Heading(QStringLiteral("Moon"), this));
    right->addWidget(moonBox);
    right->addWidget(Heading(QStringLiteral("Principal phases"), this));
    right->addWidget(phaseBox);
    right->addLayout(other);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* top = new QVBoxLayout(this);
    top->addLayout(columns);
    top->addLayout(buttons);
}

SelectableValueLabel* AlmanacDlg::AddRow(QGridLayout* grid, int row, const QString& label) {
    auto* name = new QLabel(label, grid->parentWidget());
    SelectableValueLabel* value = ValueLabel(grid->parentWidget());
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    name->setBuddy(value);
    grid->setHorizontalSpacing(18);
    grid->addWidget(name, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

void AlmanacDlg::ShowDay(const AlmanacTexts& t, bool southernObserver, const QString& placeName) {
    if (!t.date.empty()) year_ = std::stoi(t.date.substr(0, t.date.find('-', 1)));
    if (!isVisible()) {  // a hidden window costs a click nothing: it shows the day when opened
        pending_ = PendingDay{t, southernObserver, placeName};
        return;
    }
    pending_.reset();
    Fill(t, southernObserver, placeName);
}

void AlmanacDlg::showEvent(QShowEvent* event) {
    if (pending_) {
        const PendingDay day = std::move(*pending_);
        pending_.reset();
        Fill(day.texts, day.southernObserver, day.placeName);
    }
    QDialog::showEvent(event);
}

void AlmanacDlg::Fill(const AlmanacTexts& t, bool southernObserver, const QString& placeName) {
    setWindowTitle(placeName.isEmpty() ? QStringLiteral("Almanac")
                                       : QStringLiteral("Almanac - ") + placeName);
    // A value repaints only the glyphs that changed, and only itself: the labels are of fixed
    // size, so no new text asks the window for a new layout.
    for (std::size_t i = 0; i < kAlmanacEventRows.size(); ++i) {
        eventValues_[i]->SetValue(QString::fromStdString(t.*(kAlmanacEventRows[i].text)));
    }
    noonAltitude_->SetValue(t.solarNoonAltitude ? Number(*t.solarNoonAltitude, "\u00b0")
                                                : QStringLiteral("none"));
    dayLength_->SetValue(QString::fromStdString(t.dayLength));
    illumination_->SetValue(Number(t.moonIllumination, " %"));
    age_->SetValue(Number(t.moonAge, " d ") +
                   (t.moonWaxing ? QStringLiteral("waxing") : QStringLiteral("waning")));
    deltaT_->SetValue(Number(t.deltaT, " s"));
    nextSeason_->SetValue(QString::fromStdString(t.nextSeasonName + "  " + t.nextSeasonUt));
    moon_->SetPhase(t.moonIllumination, t.moonWaxing, southernObserver);

    // The rows are made once and reused; an unused row stays, empty.
    for (std::size_t row = 0; row < phaseRows_.size(); ++row) {
        const bool used = row < t.phases.size();
        const PhaseRow& cells = phaseRows_[row];
        cells.name->setText(used ? QString::fromStdString(t.phases[row].phase) : QString());
        cells.ut->SetValue(used ? QString::fromStdString(t.phases[row].ut) : QString());
        cells.local->SetValue(used ? QString::fromStdString(t.phases[row].local) : QString());
    }
}

QString AlmanacDlg::statusText() const { return status_->text(); }

bool AlmanacDlg::WriteYearFile(const QString& path, YearFileFormat format, QString* error) {
    if (!exportYear_) {
        *error = QStringLiteral("nothing to export");
        return false;
    }
    const std::string contents = exportYear_(year_, format);
    QSaveFile file(path);  // writes a temporary file beside the target, renamed on commit
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.write(contents.data(), static_cast<qint64>(contents.size())) !=
        static_cast<qint64>(contents.size())) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

void AlmanacDlg::ExportYear() {
    const QString suggested = QStringLiteral("almanac-%1.csv").arg(year_);
    const ChosenFile chosen = chooseFile_(this, suggested);
    if (chosen.path.isEmpty()) return;
    QString error;
    if (WriteYearFile(chosen.path, chosen.format, &error)) {
        status_->setText(QStringLiteral("Wrote %1").arg(chosen.path));
    } else {
        status_->setText(QStringLiteral("Could not write %1: %2").arg(chosen.path, error));
    }
}

}  // namespace chronel

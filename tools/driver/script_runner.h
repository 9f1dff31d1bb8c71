#pragma once
// Runs driver scripts against the real windows: one action a line, performed through real input
// events, printing what a user would read.
//
//   type W ID TEXT    focus control ID of window W and replace its whole text by TEXT, typed
//   key W ID KEY      focus control ID and press KEY: Enter, Escape, Tab, Up or Down
//   click W ID        left click at the centre of the control
//   dblclick W ID     double click at the centre of the control
//   select W ID TEXT  pick the item TEXT in list or combo ID as a user would
//   dump W            W<TAB>ID<TAB>TEXT for every numbered control, in template order
//   get W ID          the dump line of one control
//
// Windows: main, locations, computus. Blank lines and lines starting with '#' are skipped.

#include <iosfwd>
#include <string>

namespace chronel {

class CCalendarDlg;

class ScriptRunner {
public:
    // timings, when given, receives the duration of each action in microseconds, one a line
    // (the benchmarks use it).
    ScriptRunner(CCalendarDlg& main, std::ostream& out, std::ostream& err, std::ostream* timings = nullptr);
    // Runs every line of the script; returns the exit status (0, or 2 for a line it cannot do).
    int Run(std::istream& script);

private:
    bool RunLine(const std::string& line, int lineNumber);  // false: stop with status 2

    CCalendarDlg& m_main;
    std::ostream& m_out;
    std::ostream& m_err;
    std::ostream* m_timings;
};

}  // namespace chronel

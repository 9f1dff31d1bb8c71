#pragma once
// Reads the system's font configuration on a second thread while the program starts.
//
// Before the first text can be measured, fontconfig parses its configuration (some fifty XML
// files under /etc/fonts) and maps its caches: about a quarter of the instructions of a cold
// start of the main window, and nothing else in the start-up needs it. Started first thing in
// main(), the reading runs beside the creation of the application object and the loading of
// the data files; Wait() is called before the first window is built, so the toolkit then finds
// the configuration loaded. fontconfig is thread-safe: were the toolkit to ask for it before
// Wait(), it would only read the configuration a second time.
#include <thread>

namespace chronel {

class FontConfigReader {
public:
    FontConfigReader();   // starts the reading
    ~FontConfigReader();  // waits for it
    FontConfigReader(const FontConfigReader&) = delete;
    FontConfigReader& operator=(const FontConfigReader&) = delete;

    // Returns once the configuration is loaded; at once on later calls.
    void Wait();

private:
    std::thread reader_;
};

}  // namespace chronel

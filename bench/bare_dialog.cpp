// The yardstick for start-up: a bare Qt program that shows one empty dialog on the same
// platform, lets it paint, says so on standard output, and ends. With --label the dialog shows one line of text.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.resize(400, 300);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) new QLabel("Chronel", &dialog);
    dialog.show();
    QCoreApplication::processEvents();
    std::puts("shown");
    std::fflush(stdout);  // the benchmark times the start-up to this line
    return 0;
}

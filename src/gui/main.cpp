#include "app/ApplicationIdentity.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();
    // The window is the next piece of work; until it is there, say so
    // rather than show an empty frame.
    std::fprintf(stderr, "fibrolog: the main window is not built yet in this version; "
                         "fibrolog-cli does the program's work from the command line.\n");
    return 1;
}

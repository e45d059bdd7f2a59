// Prints the window's HTML for the page's shell at build time, so that the
// browser paints the whole window while the program is still compiling.
#include "layout/layout.h"
#include "markup.h"

#include <cstdio>

int main() {
    const std::string html = quorvel::platform::web::WindowMarkup(quorvel::layout::MainWindow(),
                                                                  quorvel::layout::Controls());
    std::puts(html.c_str()); // with its newline, which is what flushes it
    return 0;
}

// Writes what the page is built from, at build time: the window's HTML, so
// that the browser paints the whole window while the program is still
// compiling; the tools' style; and the numbers and tables the page's
// JavaScript shares with the program.
// usage: page_markup window|style|constants
#include "layout/layout.h"
#include "markup.h"
#include "page_constants.h"

#include <cstdio>
#include <string>

int main(int argc, char **argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    std::string text;
    if (what == "window")
        text = quorvel::platform::web::WindowMarkup(quorvel::layout::MainWindow(),
                                                    quorvel::layout::Controls());
    else if (what == "style")
        text = quorvel::platform::web::ToolsStyle();
    else if (what == "constants")
        text = quorvel::platform::web::PageConstants();
    else {
        std::fprintf(stderr, "usage: page_markup window|style|constants\n");
        return 2;
    }
    std::fputs(text.c_str(), stdout);
    std::fputs("\n", stdout); // the newline is what flushes it
    return 0;
}

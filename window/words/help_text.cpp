#include "words/help_text.h"

#include "layout/layout.h"
#include "reading/tool_bindings.h"

namespace quorvel {

platform::Text HelpTitle() {
    return platform::FromUtf8(layout::MainWindow().caption) + u": help";
}

// Written in UTF-8, which a page carries in half the bytes of UTF-16.
platform::Text HelpText(platform::ToolKeys keys) {
    using platform::FromUtf8;
    using platform::Tool;
    const auto key = [keys](Tool tool) { return KeyLabel(tool, keys); };
    // A browser zooms by the same keys itself.
    const auto zoomKey = [](Tool tool) { return KeyLabel(tool, platform::ToolKeys::Desktop); };
    return FromUtf8(
               "Quorvel shows how natural selection moves the frequency p of allele A at one "
               "locus with two alleles, A and a (q = 1 \u2212 p), in a large randomly mating "
               "population with separate generations.\n\n"
               "The model\n"
               "Mean fitness: w\u0304 = p\u00b2\u00b7w(AA) + 2pq\u00b7w(Aa) + q\u00b2\u00b7w(aa)\n"
               "Next generation: p\u2032 = p\u00b7(p\u00b7w(AA) + q\u00b7w(Aa)) / w\u0304\n\n"
               "The controls\n"
               "w(AA), w(Aa), w(aa): the fitnesses of the three genotypes, 0 to 1.\n"
               "p0: the start frequency of A, 0 to 1.\n"
               "RUN: follows p for 100 generations and shows p100.\n"
               "W Mean: the mean fitness (left) and the change of p in one generation (right) "
               "against p.\n"
               "CLS: clears the drawing; the settings stay.\n\n"
               "Three settings to try\n"
               "Dominance: w = 1, 1, 0.5. A rises quickly, then slowly: a rare recessive a "
               "hides in heterozygotes.\n"
               "Overdominance: w = 0.8, 1, 0.6. From any start p levels off at 2/3, where the "
               "mean fitness is highest and the change of p is 0.\n"
               "A recessive lethal: w = 1, 1, 0. a falls ever more slowly (q = q0 / (1 + "
               "t\u00b7q0)); the change of p is undefined only at p = 0.\n\n"
               "Keys\n"
               "Tab and Shift+Tab move between the controls; the arrow keys, Page Up, Page Down, "
               "Home and End move a bar; Space or Return presses a button.\n") +
           key(Tool::ReadValues) +
           FromUtf8(": read values: Left and Right step along the latest curve, Page Up and "
                    "Page Down ten points, Home and End to its ends, Up and Down to another "
                    "curve, ") +
           key(Tool::Listen) + FromUtf8(" plays it, Escape leaves.\n") + key(Tool::CopyValues) +
           FromUtf8(": copy the values of every curve as a table. ") + key(Tool::CopyPicture) +
           FromUtf8(": copy the picture. ") + key(Tool::SavePicture) +
           FromUtf8(": save the picture as a PNG file. ") + key(Tool::SaveValues) +
           FromUtf8(": save the values as a tab-separated table, which spreadsheets open. ") +
           key(Tool::Help) + FromUtf8(": this help. ") + zoomKey(Tool::ZoomIn) + u", " +
           zoomKey(Tool::ZoomOut) + u" and " + zoomKey(Tool::ActualSize) +
           FromUtf8(": zoom.\nThe context menu (right click, Shift+F10) lists them all.\n\n"
                    "Links and examples\n") +
           key(Tool::CopyLink) +
           FromUtf8(": copy a link to the picture. Opened in a browser, or given to the program as "
                    "its one argument, it draws the same again. A link is steps separated by "
                    "semicolons: run=w(AA),w(Aa),w(aa),p0 moves the bars and presses RUN, "
                    "wmean=w(AA),w(Aa),w(aa) moves the fitness bars and presses W Mean, and "
                    "set=w(AA),w(Aa),w(aa),p0 moves the bars alone. Fitnesses go in steps of 0.01 "
                    "and p0 in steps of 0.001, written with a point, as in "
                    "#run=0.8,1,0.6,0.1;wmean=0.8,1,0.6. The menu's examples draw classic cases on "
                    "top of the drawing.\n\nQuorvel 1.0.0. Free software under the MIT licence.");
}

} // namespace quorvel

#pragma once

// Expected values that the Linux and the Windows suites share: worked out by
// hand or from closed forms, written with a dot; a suite in a comma locale
// swaps the separator.
namespace cases {

// A bar moved to a value, and what its box then shows.
struct Bar {
    const char *name;
    int bar; // 0 to 2: HScrollw1 to HScrollw3; 3: VScrollp
    int value;
    const char *text;
    double number;
};
inline constexpr Bar Bars[] = {
    {"w(AA) 57", 0, 57, "0.57", 0.57}, {"w(Aa) right end", 1, 100, "1", 1.0},
    {"w(aa) 1", 2, 1, "0.01", 0.01},   {"p 5", 3, 5, "0.005", 0.005},
    {"p top", 3, 1000, "1", 1.0},      {"p 999", 3, 999, "0.999", 0.999},
};

// A click on a bar's track beside its thumb, with the thumb in the middle
// (value 50 of 100, 500 of 1000), moves the bar by the layout's page: the
// fitness bars' page is all of their 100, so they jump to the end clicked
// towards; p's is one thousandth, upwards for a click above the thumb.
struct TrackClick {
    const char *name;
    int bar; // as in Bar
    int from;
    bool afterThumb; // right of the thumb, or below it
    int value;
    const char *text;
};
inline constexpr TrackClick TrackClicks[] = {
    {"w(AA) left of the thumb", 0, 50, false, 0, "0"},
    {"w(AA) right of the thumb", 0, 50, true, 100, "1"},
    {"w(Aa) left of the thumb", 1, 50, false, 0, "0"},
    {"w(Aa) right of the thumb", 1, 50, true, 100, "1"},
    {"w(aa) left of the thumb", 2, 50, false, 0, "0"},
    {"w(aa) right of the thumb", 2, 50, true, 100, "1"},
    {"p above the thumb", 3, 500, false, 501, "0.501"},
    {"p below the thumb", 3, 500, true, 499, "0.499"},
};

// A RUN from bars set to w1, w2, w3 and p0 (-1: never moved), and its p100.
struct Run {
    const char *name;
    int w1, w2, w3, p0;
    const char *p100;
};
inline constexpr Run Runs[] = {
    {"A dominant", 100, 100, 50, 500, "0.980"},
    {"recessive lethal", 100, 100, 0, 500, "0.990"},
    {"overdominance levels at 2/3", 80, 100, 60, 500, "0.667"},
    {"underdominance balanced", 100, 50, 100, 500, "0.500"},
    {"underdominance falls", 100, 50, 100, 490, "0.000"},
    {"A absent stays absent", 100, 100, 30, 0, "0.000"},
    {"neutral keeps p0", 30, 30, 30, 123, "0.123"},
    {"p0 never moved", 100, 100, 50, -1, "0.000"},
    // Starts on an unstable equilibrium (p* = (w(aa) - w(Aa)) / (w(AA) + w(aa) - 2 w(Aa))):
    // exact arithmetic stays there, so the rounding of each step, and with it
    // the order in which the model adds and multiplies, decides where p goes.
    // Worked out in IEEE doubles in that order; any other grouping of the sums
    // or of p * p * w(AA) shows 0.536 for the first and another number for the second.
    {"unstable equilibrium tips to 1", 91, 33, 100, 536, "1.000"},
    {"unstable equilibrium drifts", 81, 32, 83, 510, "0.919"},
};

// The A-dominant run's first points: the dot at generation 0 and the ends of
// the first segments (mean fitness 0.875 at p = 0.5 gives p = 4/7).
inline constexpr float FirstX = 96.0f, FirstY = 211.5f;
inline constexpr double SecondP = 4.0 / 7.0;

// A seeded run of finite populations, with mutation and migration, as a link
// opens it: every backend draws it from the same bits, so every one shows
// the same mean p and the same counts. The numbers are the Linux program's;
// what this case checks is that the others agree to the last digit.
struct SeededRun {
    const char *link;
    const char *meanP, *fixed, *lost, *both;
};
inline constexpr SeededRun Seeded{
    "#n=50;populations=20;generations=200;mutation=0.001,0.0005;migration=0.01;"
    "run=1,0.95,0.9,0.3,12345",
    "0.968", "6", "0", "14"};

// Numbers as a box shows them: the shortest text, and the "0.000" pattern,
// whose exact ties round away from zero.
struct Number {
    double value;
    const char *shortest;
    const char *threeDecimals;
};
inline constexpr Number Numbers[] = {
    {0.57, "0.57", "0.570"},
    {1.0, "1", "1.000"},
    {0.0, "0", "0.000"},
    {0.005, "0.005", "0.005"},
    {1234.5, "1234.5", "1234.500"},
    {0.0625, "0.0625", "0.063"},
    {-0.0625, "-0.0625", "-0.063"},
    {2.0 / 3.0, "0.6666666666666666", "0.667"},
    {0.9995, "0.9995", "1.000"},
    {-0.0, "0", "0.000"},
    // Just below the half in binary: the exact value decides, not its shortest text.
    {0.07145, "0.07145", "0.071"},
    // Rounded once: first to four decimals, 0.0005, and again, it would be 0.001.
    {0.00046, "0.00046", "0.000"},
};

} // namespace cases

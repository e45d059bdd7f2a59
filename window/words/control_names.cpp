#include "words/control_names.h"

#include "quorvelcode.h"

namespace quorvel {

void DescribeControls(Quorvelcode &w) {
    const struct {
        platform::Control *control;
        const char *name;
        const char *description;
    } entries[] = {
        {w.HScrollw1, "Fitness w(AA)", "Sets the fitness of genotype AA, 0 to 1 in steps of 0.01"},
        {w.HScrollw2, "Fitness w(Aa)", "Sets the fitness of genotype Aa, 0 to 1 in steps of 0.01"},
        {w.HScrollw3, "Fitness w(aa)", "Sets the fitness of genotype aa, 0 to 1 in steps of 0.01"},
        {w.Textw1, "Fitness w(AA)", "The fitness of genotype AA set with its scroll bar"},
        {w.Textw2, "Fitness w(Aa)", "The fitness of genotype Aa set with its scroll bar"},
        {w.Textw3, "Fitness w(aa)", "The fitness of genotype aa set with its scroll bar"},
        {w.VScrollp, "p0", "Sets the start frequency of A, 0 to 1 in steps of 0.001"},
        {w.TextInitp, "p0", "The start frequency of A set with its scroll bar"},
        {w.Textp100, "Frequency A  p100",
         "The frequency of A after 100 generations of the last run"},
        {w.RUN, "RUN", "Follows the frequency of A for 100 generations and draws it"},
        {w.Wmean, "W Mean",
         "Plots the mean fitness and the change of frequency in one generation against p"},
        {w.CLS, "CLS", "Clears every trajectory and curve drawn so far"},
        {w.Shape1, "Trajectory", "Frequency of A from 0 to 1 over generations 0 to 100"},
        {w.Shape2[0], "Mean fitness", "Mean fitness from 0 to 1 against the frequency of A"},
        {w.Deltap[1], "Delta p",
         "Change of frequency in one generation against the frequency of A"},
        // Marks beside the change frame that a screen reader would otherwise spell out.
        {w.Label8[3], "plus", "Positive change of frequency"},
        {w.Label8[4], "minus", "Negative change of frequency"},
        {w.Label8[2], "zero", "No change of frequency"},
        // The axis captions spread their ends with spaces to sit under p = 0
        // and p = 1; read aloud they are just the axis.
        {w.Label3[0], "p from 0 to 1", "The frequency of A along the mean-fitness frame"},
        {w.Label3[1], "p from 0 to 1", "The frequency of A along the change frame"},
        {w.Line2, "zero line", "No change of frequency"},
    };
    for (const auto &entry : entries)
        entry.control->describe(platform::FromUtf8(entry.name),
                                platform::FromUtf8(entry.description));
}

} // namespace quorvel

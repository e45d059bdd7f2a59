#include "accessibility.h"

#include <QString>

namespace quorvel {

namespace {

struct Description {
    const char *control;
    const char *name;
    const char *description;
    int index = -1; // the member of a control array, or -1 for every control of that name
};

constexpr Description Descriptions[] = {
    {"HScrollw1", "Fitness w(AA)", "Sets the fitness of genotype AA, 0 to 1 in steps of 0.01"},
    {"HScrollw2", "Fitness w(Aa)", "Sets the fitness of genotype Aa, 0 to 1 in steps of 0.01"},
    {"HScrollw3", "Fitness w(aa)", "Sets the fitness of genotype aa, 0 to 1 in steps of 0.01"},
    {"Textw1", "Fitness w(AA)", "The fitness of genotype AA set with its scroll bar"},
    {"Textw2", "Fitness w(Aa)", "The fitness of genotype Aa set with its scroll bar"},
    {"Textw3", "Fitness w(aa)", "The fitness of genotype aa set with its scroll bar"},
    {"VScrollp", "p0", "Sets the start frequency of A, 0 to 1 in steps of 0.001"},
    {"TextInitp", "p0", "The start frequency of A set with its scroll bar"},
    {"Textp100", "Frequency A  p100", "The frequency of A after 100 generations of the last run"},
    {"RUN", "RUN", "Follows the frequency of A for 100 generations and draws it"},
    {"Wmean", "W Mean",
     "Plots the mean fitness and the change of frequency in one generation against p"},
    {"CLS", "CLS", "Clears every trajectory and curve drawn so far"},
    {"Shape1", "Trajectory", "Frequency of A from 0 to 1 over generations 0 to 100"},
    {"Shape2", "Mean fitness", "Mean fitness from 0 to 1 against the frequency of A"},
    {"Deltap", "Delta p", "Change of frequency in one generation against the frequency of A"},
    // Marks beside the change frame that a screen reader would otherwise spell out.
    {"Label8", "plus", "Positive change of frequency", 3},
    {"Label8", "minus", "Negative change of frequency", 4},
    {"Line2", "zero line", "No change of frequency"},
};

} // namespace

void DescribeControls(QWidget &window) {
    for (const Description &entry : Descriptions) {
        for (QWidget *control : window.findChildren<QWidget *>(QString::fromUtf8(entry.control),
                                                               Qt::FindDirectChildrenOnly)) {
            if (entry.index >= 0 && control->property("index").toInt() != entry.index)
                continue;
            control->setAccessibleName(QString::fromUtf8(entry.name));
            control->setAccessibleDescription(QString::fromUtf8(entry.description));
        }
    }
}

} // namespace quorvel

#pragma once

#include "fitness.h"
#include "words/catalogue.h"

#include <string>
#include <vector>

// What has been drawn, in words, for those who cannot see the drawing: one
// short sentence per action since the last CLS.
namespace quorvel {

// A RUN: from p0 to p100, or where a zero mean fitness stopped it (the
// generation it was computing and the frequency it came from).
std::u16string TrajectorySentence(words::Language language, const Fitnesses &w, double p0,
                                  bool finished, int generation, double p);

// Gathers what a W Mean sweep drew, pass by pass, and says it in a sentence.
class CurveSummary {
public:
    // Every pass draws its mean fitness.
    void addMeanFitness(double p, double meanFitness);
    // A pass whose mean fitness is not 0 draws its change of p too ...
    void addChange(double p, double change);
    // ... and one whose mean fitness is 0 has none.
    void addUndefinedChange(double p);
    bool anyChange() const { return !runs_.empty() || zeros_ > 0; }
    std::u16string sentence(words::Language language, const Fitnesses &w) const;

private:
    struct Run {
        int sign;
        double from;
    };
    int passes_ = 0;
    double firstP_ = 0, lastP_ = 0, first_ = 0, last_ = 0;
    double highest_ = 0, highestAt_ = 0, lowest_ = 0, lowestAt_ = 0;
    std::vector<Run> runs_; // runs of one sign of the change, zeros left out
    int zeros_ = 0;         // changes drawn on the zero line
    int undefined_ = 0;
    double firstUndefinedAt_ = 0;
};

} // namespace quorvel

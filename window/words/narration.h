#pragma once

#include "curves/drawn_curves.h"
#include "fitness.h"
#include "populations.h"
#include "words/catalogue.h"

#include <string>
#include <vector>

// What has been drawn, in words, for those who cannot see the drawing: one
// short sentence per action since the last CLS.
namespace quorvel {

// A RUN of an infinite population: from p0 to the last generation's p, or
// where a zero mean fitness stopped it (the generation it was computing and
// the frequency it came from).
std::u16string TrajectorySentence(words::Language language, const TrajectoryCurve &run,
                                  bool finished, int generation, double p);

// A RUN of finite populations: its settings and how they stand after it,
// "Of 100 populations of N = 50, after 100 generations: 48 fixed A, 45 lost
// it, 7 hold both; mean p = 0.512", or where it stopped.
// A finished run where theory expects something adds "Fixed A: 48 of 100
// (expected 50 %)." and, without selection, the mean heterozygosity beside
// its expectation.
std::u16string PopulationsSentence(words::Language language, const TrajectoryCurve &run,
                                   bool finished, const Outcome &outcome);

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
    std::u16string sentence(words::Language language, const SweepCurves &sweep) const;

private:
    std::u16string selectionSentence(words::Language language, const Fitnesses &w) const;
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

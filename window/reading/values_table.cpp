#include "reading/values_table.h"

#include "number_text.h"
#include "reading/readout.h"

#include <algorithm>

namespace quorvel {

using platform::NumberToText;
using platform::Text;
using words::Phrase;

Text ValuesTable(words::Language language, const DrawnCurves &drawn) {
    const auto header = [language](Phrase phrase, const Curve &curve) {
        return words::Say(language, phrase, {{"settings", SettingsOf(language, curve)}});
    };
    std::vector<const TrajectoryCurve *> trajectories;
    std::vector<const SweepCurves *> sweeps;
    std::vector<Text> trajectoryNames, sweepNames;
    for (const Curve &curve : drawn.all()) {
        if (const auto *trajectory = std::get_if<TrajectoryCurve>(&curve)) {
            trajectories.push_back(trajectory);
            trajectoryNames.push_back(header(Phrase::TableTrajectory, curve));
        } else {
            sweeps.push_back(&std::get<SweepCurves>(curve));
            sweepNames.push_back(header(Phrase::TableMeanFitness, curve) + u"\t" +
                                 header(Phrase::TableChange, curve));
        }
    }
    Text table;
    if (!trajectories.empty()) {
        table += words::Say(language, Phrase::TableGeneration);
        for (const Text &name : trajectoryNames)
            table += u"\t" + name;
        table += u"\n";
        std::size_t rows = 0;
        for (const auto *trajectory : trajectories)
            rows = std::max(rows, trajectory->p.size());
        for (std::size_t g = 0; g < rows; ++g) {
            table += NumberToText(static_cast<double>(g));
            for (const auto *trajectory : trajectories)
                table +=
                    u"\t" + (g < trajectory->p.size() ? NumberToText(trajectory->p[g]) : Text());
            table += u"\n";
        }
    }
    if (!sweeps.empty()) {
        if (!table.empty())
            table += u"\n";
        table += words::Say(language, Phrase::TableP);
        for (const Text &name : sweepNames)
            table += u"\t" + name;
        table += u"\n";
        // Every sweep passes through the same values of p.
        std::vector<std::vector<SweepPass>> passes;
        for (const auto *sweep : sweeps)
            passes.push_back(drawn.passes(*sweep));
        for (std::size_t i = 0; i < passes.front().size(); ++i) {
            table += NumberToText(passes.front()[i].p);
            for (const auto &sweep : passes) {
                const SweepPass &pass = sweep[i];
                table += u"\t" + NumberToText(pass.meanFitness) + u"\t" +
                         (pass.changeDrawn ? NumberToText(pass.change) : Text());
            }
            table += u"\n";
        }
    }
    return table;
}

} // namespace quorvel

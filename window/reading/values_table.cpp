#include "reading/values_table.h"

#include "number_text.h"
#include "reading/readout.h"

#include <algorithm>

namespace quorvel {

using platform::NumberToText;
using platform::Text;
using words::Phrase;

Text ValuesTable(words::Language language, const DrawnCurves &drawn) {
    const auto header = [language](Phrase phrase, const Text &settings) {
        return words::Say(language, phrase, {{"settings", settings}});
    };
    std::vector<const TrajectoryCurve *> trajectories;
    std::vector<const SweepCurves *> sweeps;
    std::vector<Text> trajectoryNames, sweepNames;
    for (std::size_t i = 0; i < drawn.all().size(); ++i) {
        const Curve &curve = drawn.all()[i];
        if (const auto *trajectory = std::get_if<TrajectoryCurve>(&curve)) {
            trajectories.push_back(trajectory);
            for (const Series &series : SeriesOf(drawn, i))
                trajectoryNames.push_back(
                    header(Phrase::TableTrajectory, SettingsOf(language, drawn, series)));
        } else {
            const Text settings = SettingsOf(language, curve);
            sweeps.push_back(&std::get<SweepCurves>(curve));
            sweepNames.push_back(header(Phrase::TableMeanFitness, settings) + u"\t" +
                                 header(Phrase::TableChange, settings));
        }
    }
    Text table;
    if (!trajectories.empty()) {
        table += words::Say(language, Phrase::TableGeneration);
        for (const Text &name : trajectoryNames)
            table += u"\t" + name;
        table += u"\n";
        // Every run made again side by side, a row a generation, its
        // populations and then its infinite population a column each.
        int rows = 0;
        std::vector<PopulationRun> runs;
        for (const auto *trajectory : trajectories) {
            rows = std::max(rows, trajectory->generations + 1);
            runs.emplace_back(trajectory->w, trajectory->p0, trajectory->settings,
                              trajectory->seed);
        }
        for (int g = 0; g < rows; ++g) {
            table += NumberToText(static_cast<double>(g));
            for (std::size_t r = 0; r < runs.size(); ++r) {
                const bool computed = g <= trajectories[r]->generations;
                if (computed && runs[r].generation() < g)
                    runs[r].step();
                for (const double p : runs[r].frequencies())
                    table += u"\t" + (computed ? NumberToText(p) : Text());
                if (trajectories[r]->hasReference())
                    table += u"\t" + (computed ? NumberToText(runs[r].reference()) : Text());
            }
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

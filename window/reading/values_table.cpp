#include "reading/values_table.h"

#include "number_text.h"
#include "reading/readout.h"

#include <algorithm>

namespace quorvel {

using platform::NumberToText;
using platform::Text;

Text ValuesTable(const DrawnCurves &drawn) {
    std::vector<const TrajectoryCurve *> trajectories;
    std::vector<const SweepCurves *> sweeps;
    std::vector<Text> trajectoryNames, sweepNames;
    for (const Curve &curve : drawn.all()) {
        if (const auto *trajectory = std::get_if<TrajectoryCurve>(&curve)) {
            trajectories.push_back(trajectory);
            trajectoryNames.push_back(u"p (" + SettingsOf(curve) + u")");
        } else {
            sweeps.push_back(&std::get<SweepCurves>(curve));
            sweepNames.push_back(u"mean fitness (" + SettingsOf(curve) + u")\t\u0394p (" +
                                 SettingsOf(curve) + u")");
        }
    }
    Text table;
    if (!trajectories.empty()) {
        table += u"generation";
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
        table += u"p";
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

// Prints the model's draws and arithmetic for check_model.py, which holds them
// against references of its own:
//   model_draws generator SEED COUNT       COUNT outputs in hex, resumed halfway
//                                          from a saved state, then COUNT uniforms
//   model_draws math < xs                  Log, Log1p and Exp of each x
//   model_draws binomial N P SEED COUNT    "k times" for each k drawn
//   model_draws populations N POPULATIONS GENERATIONS P0 WAA WAa Waa U V M SEED [EVERY]
//                                          every EVERY generations and at the last:
//                                          the generation, the reference and each
//                                          population's count of A, k = 2N p (its
//                                          frequency instead where N is 0, infinite)
//   model_draws balances WAA WAa Waa U V       each balance: p and 1 if stable, else 0
//   model_draws fixation WAA WAa Waa N P0      the chance that A fixes ("none" where
//                                          theory gives none)
// Doubles go both ways in C's hexadecimal notation (%a), which keeps every bit.
#include "binomial.h"
#include "exact_math.h"
#include "populations.h"
#include "theory.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

using namespace quorvel;

int main(int argc, char **argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const auto number = [&](int i) { return std::strtoull(argv[i], nullptr, 10); };
    const auto real = [&](int i) { return std::strtod(argv[i], nullptr); };
    if (mode == "generator" && argc == 4) {
        Generator generator(number(2));
        for (unsigned long long i = 0, count = number(3); i < 2 * count; ++i) {
            if (i == count / 2)
                generator = Generator(generator.state());
            if (i < count)
                std::printf("%016llx\n", static_cast<unsigned long long>(generator.next()));
            else
                std::printf("%a\n", generator.uniform());
        }
    } else if (mode == "math") {
        char line[64];
        while (std::fgets(line, sizeof line, stdin)) {
            const double x = std::strtod(line, nullptr);
            std::printf("%a %a %a\n", Log(x), Log1p(x), Exp(x));
        }
    } else if (mode == "binomial" && argc == 6) {
        Generator generator(number(4));
        std::map<unsigned, unsigned long long> histogram;
        for (auto i = number(5); i > 0; --i)
            ++histogram[Binomial(generator, number(2), std::strtod(argv[3], nullptr))];
        for (const auto &[k, times] : histogram)
            std::printf("%u %llu\n", k, times);
    } else if (mode == "populations" && (argc == 13 || argc == 14)) {
        PopulationSettings settings{.size = static_cast<std::uint32_t>(number(2)),
                                    .populations = static_cast<int>(number(3)),
                                    .generations = static_cast<int>(number(4)),
                                    .mutationToa = real(9),
                                    .mutationToA = real(10),
                                    .migration = real(11)};
        PopulationRun run({real(6), real(7), real(8)}, real(5), settings, number(12));
        const int every = argc == 14 ? static_cast<int>(number(13)) : settings.generations;
        const double copies = 2.0 * settings.size;
        while (run.generation() < settings.generations) {
            run.step();
            if (run.generation() % every != 0 && run.generation() != settings.generations)
                continue;
            std::printf("%d %a", run.generation(), run.reference());
            for (const double p : run.frequencies()) {
                // p is k / 2N, so rounding p 2N gives back k exactly.
                if (settings.infinite())
                    std::printf(" %a", p);
                else
                    std::printf(" %ld", std::lround(p * copies));
            }
            std::putchar('\n');
        }
    } else if (mode == "balances" && argc == 7) {
        for (const Balance &balance : Balances({real(2), real(3), real(4)}, real(5), real(6)))
            std::printf("%a %d\n", balance.p, balance.stable ? 1 : 0);
    } else if (mode == "fixation" && argc == 7) {
        const std::optional<double> chance = FixationChance(
            {real(2), real(3), real(4)}, static_cast<std::uint32_t>(number(5)), real(6));
        chance ? std::printf("%a\n", *chance) : std::printf("none\n");
    } else {
        std::fputs("usage: model_draws generator|math|binomial|populations|balances|fixation ...\n",
                   stderr);
        return 2;
    }
}

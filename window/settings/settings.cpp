#include "settings/settings.h"

#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quorvel::settings {

namespace {

// Where each setting enters the model.
double ModelValue(const PopulationSettings &model, Id id) {
    switch (id) {
    case Id::PopulationSize:
        return model.infinite() ? detail::Infinite : model.size;
    case Id::Populations:
        return model.populations;
    case Id::Generations:
        return model.generations;
    case Id::MutationToa:
        return model.mutationToa;
    case Id::MutationToA:
        return model.mutationToA;
    case Id::Migration:
        return model.migration;
    default:
        return 0.0;
    }
}

void SetModelValue(PopulationSettings &model, Id id, double value) {
    switch (id) {
    case Id::PopulationSize:
        model.size = std::isinf(value) ? 0u : static_cast<std::uint32_t>(value);
        return;
    case Id::Populations:
        model.populations = static_cast<int>(value);
        return;
    case Id::Generations:
        model.generations = static_cast<int>(value);
        return;
    case Id::MutationToa:
        model.mutationToa = value;
        return;
    case Id::MutationToA:
        model.mutationToA = value;
        return;
    case Id::Migration:
        model.migration = value;
        return;
    default:
        return;
    }
}

} // namespace

platform::Text ValueText(const Setting &setting, int position) {
    return platform::FormatSetting(setting.valueAt(position));
}

Positions Defaults() {
    Positions positions{};
    for (const Setting &setting : All())
        positions[static_cast<std::size_t>(setting.id)] = setting.defaultPosition;
    return positions;
}

PopulationSettings ModelSettings(const Positions &positions) {
    PopulationSettings model;
    for (const Setting &setting : Listed())
        SetModelValue(model, setting.id,
                      setting.valueAt(positions[static_cast<std::size_t>(setting.id)]));
    return model;
}

Positions PositionsOf(const PopulationSettings &model) {
    Positions positions = Defaults();
    for (const Setting &setting : Listed())
        positions[static_cast<std::size_t>(setting.id)] =
            std::max(0, setting.positionOf(ModelValue(model, setting.id)));
    return positions;
}

std::vector<platform::Text> NamedSettings(words::Language language, const PopulationSettings &model,
                                          std::uint64_t seed) {
    std::vector<platform::Text> named;
    const PopulationSettings defaults = ModelSettings(Defaults());
    for (const Setting &setting : Listed()) {
        const double value = ModelValue(model, setting.id);
        const bool matters =
            !model.infinite() || (setting.id != Id::Populations && setting.id != Id::Migration);
        if (value == ModelValue(defaults, setting.id) || !matters)
            continue;
        const platform::Text text = platform::FormatSetting(value);
        named.push_back(setting.counted
                            ? words::SayCount(language, setting.shortForm,
                                              static_cast<unsigned long>(value), {{"count", text}})
                            : words::Say(language, setting.shortForm, {{"value", text}}));
    }
    if (!model.infinite())
        named.push_back(words::Say(language, words::Phrase::ShortSeed,
                                   {{"seed", platform::FromUtf8(std::to_string(seed))}}));
    return named;
}

platform::Text Joined(words::Language language, const std::vector<platform::Text> &parts) {
    platform::Text joined;
    for (const platform::Text &part : parts)
        joined = joined.empty() ? part
                                : words::Say(language, words::Phrase::SettingsJoined,
                                             {{"first", joined}, {"second", part}});
    return joined;
}

} // namespace quorvel::settings

#pragma once

#include "reading/reading_mode.h"
#include "tools.h"
#include "words/catalogue.h"

#include <optional>
#include <vector>

// Which key and which entry of the context menu start which tool to read the
// curves, on a desktop and in a browser, and how the menu and the help name
// those keys: decided here for every backend.
namespace quorvel {

// The tool a key starts outside reading mode; Listen is reading mode's own.
std::optional<platform::Tool> ToolForKey(const platform::KeyPress &press, platform::ToolKeys keys);
// Shift+F10 and the context-menu key.
bool OpensMenu(const platform::KeyPress &press);
// What a key does while reading mode is on; only keys without modifiers do.
std::optional<ReadingKey> ReadingKeyFor(const platform::KeyPress &press);

// The key of a tool as the user reads it: "F6", "Ctrl+Shift+T", "Alt+Shift+H".
platform::Text KeyLabel(words::Language language, platform::Tool tool, platform::ToolKeys keys);
// The context menu: every tool, in this order, with its key; the zoom
// entries only where the program zooms itself; the population settings,
// checked while they show; the examples and the languages in submenus, the
// language shown checked.
std::vector<platform::MenuEntry> ToolMenu(words::Language language, platform::ToolKeys keys,
                                          bool panelShown = false);

// The zoom a zoom tool leads to from the current one: 1 to 3, by the steps
// 1.25, 1.5, 1.75, 2, 2.5 and 3.
double NextZoom(double current, platform::Tool tool);

} // namespace quorvel

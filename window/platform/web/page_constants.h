#pragma once

#include <string>

// What the page's JavaScript and style take from the program, written into the
// page when it is built, so that no number or table is copied by hand: the
// program's keys and the page's key names for them, the bar's events, and the
// look of the tools.
namespace quorvel::platform::web {

// A script that defines QuorvelConstants.
std::string PageConstants();

// Style rules for the note, the ring and the classic bar's colours.
std::string ToolsStyle();

} // namespace quorvel::platform::web

#pragma once

namespace quorvel {

class Quorvelcode;

// Gives each control of the window the name and short description a screen
// reader announces, taken from the caption it stands beside.
void DescribeControls(Quorvelcode &window);

} // namespace quorvel

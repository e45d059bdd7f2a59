#pragma once

#include <QWidget>

namespace quorvel {

// Gives each control of the window the name and short description a screen
// reader announces, taken from the caption it stands beside.
void DescribeControls(QWidget &window);

} // namespace quorvel

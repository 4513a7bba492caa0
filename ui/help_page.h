#pragma once

#include <vector>

#include <QString>

// One row of the help page's table of keys: the keys, and what they do.
struct HelpKey {
    QString keys;
    QString what;
};

// The help page, in HTML: the keys and the mouse (from the window's own
// actions), the units every panel uses, what a bounce does, why the energy
// grows under a push and what coasting shows, and the overlays' legend.
QString HelpPage(const std::vector<HelpKey>& keys);

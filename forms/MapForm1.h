#pragma once
// The route map window: a picture of the whole network with a clickable
// marker on the stations. Created at start-up, visible from the start.

#include "core/Control.h"

class TMapForm1 {
public:
    ControlSet controls{QStringLiteral("MapForm1")};
};

#pragma once
// The information window: the product's credits and links, shown modally
// from the bottom bar.

#include "core/Control.h"

class TInfoForm1 {
public:
    ControlSet controls{QStringLiteral("InfoForm1")};
};

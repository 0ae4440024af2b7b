#pragma once
// The information window: the product's credits and links, shown modally
// from the bottom bar.

#include "app/Control.h"

class TInfoForm1 {
public:
    ControlSet controls{QStringLiteral("InfoForm1")};
};

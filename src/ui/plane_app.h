#pragma once

#include "win_app.h"

// Runs the main dialog once; the program ends when it ends.
class CPlaneApp : public CWinApp {
public:
    bool initInstance() override;
};

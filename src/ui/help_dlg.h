#pragma once

#include "dialog.h"

// Four paragraphs of help and an OK button.
class CHelpDlg : public CDialog {
public:
    CHelpDlg();
};

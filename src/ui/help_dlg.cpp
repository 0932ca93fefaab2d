#include "help_dlg.h"

#include "help_dialog_template.h"

CHelpDlg::CHelpDlg() : CDialog(helpDialogTemplate) {}

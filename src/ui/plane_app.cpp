#include "plane_app.h"

#include "plane_dlg.h"

bool CPlaneApp::initInstance() {
    {
        CPlaneDlg dialog;
        dialog.runModal();
    }  // closes the input and any output still open
    return false;
}

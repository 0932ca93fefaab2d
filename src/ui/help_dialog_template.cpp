#include "help_dialog_template.h"

namespace {

using enum ControlKind;
constexpr unsigned paragraph = controlStyle::wordWrap;

constexpr ControlTemplate controls[] = {
    {idOk, defaultPushButton, "OK", 71, 185, 50, 14, controlStyle::tabStop},
    {noControlId, staticText,
     "This utility duplicates the chosen source layer onto the destination layer whilst "
     "enlarging the track by the user-supplied width.  This value is a clearance; so an "
     "enlargement of, say, 10mil applied to a 20mil track would produce a 40mil result.",
     7, 7, 172, 42, paragraph},
    {noControlId, staticText,
     "Select the check boxes at the top to select either power plane, ground plane or both.  "
     "Then select the source layer for each, enter the required enlargments and click 'Run'.",
     7, 56, 172, 35, paragraph},
    {noControlId, staticText,
     "The resultant file is the source file with the first letter replaced by an underscore.  "
     "So 'blob.pcb' becomes '_lob.pcb'.",
     7, 96, 172, 26, paragraph},
    {noControlId, staticText,
     "We hope you find this utility useful.  It is written by the Cuprena developers; "
     "please send problems and ideas to the project's issue tracker.  It is free: pass it "
     "on in any way, and take its source code to use as you wish, at your own risk.",
     7, 129, 172, 44, paragraph},
};

}  // namespace

const DialogTemplate helpDialogTemplate{
    103, "Help", 186, 206, "MS Sans Serif", 8, controls,
};

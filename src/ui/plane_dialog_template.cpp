#include "plane_dialog_template.h"

namespace {

using enum ControlKind;
using controlStyle::group;
using controlStyle::tabStop;
constexpr unsigned digitField =
    controlStyle::border | controlStyle::autoHScroll | controlStyle::digitsOnly | tabStop;
constexpr unsigned label = controlStyle::wordWrap | group;

// Template order is tab order.
constexpr ControlTemplate controls[] = {
    {3, pushButton, "Open PCB", 207, 7, 50, 14, tabStop},
    {4, pushButton, "Run", 207, 27, 50, 14, tabStop},
    {1017, checkBox, "Build Ground Plane", 7, 6, 91, 13, tabStop},
    {1018, checkBox, "Build Power Plane", 111, 6, 91, 13, tabStop},
    {1005, radioButton, "Top Layer", 18, 38, 71, 11, group | tabStop},
    {1006, radioButton, "Internal Layer 1", 18, 53, 71, 11, 0},
    {1007, radioButton, "Internal Layer 2", 18, 68, 71, 11, 0},
    {1008, radioButton, "Internal Layer 3", 18, 83, 71, 11, 0},
    {1009, radioButton, "Internal Layer 4", 18, 98, 71, 11, 0},
    {1010, radioButton, "Bottom Layer", 18, 113, 71, 11, tabStop},
    {1011, radioButton, "Top Layer", 120, 38, 71, 11, group | tabStop},
    {1012, radioButton, "Internal Layer 1", 120, 53, 71, 11, 0},
    {1013, radioButton, "Internal Layer 2", 120, 68, 71, 11, 0},
    {1014, radioButton, "Internal Layer 3", 120, 83, 71, 11, 0},
    {1015, radioButton, "Internal Layer 4", 120, 98, 71, 11, 0},
    {1016, radioButton, "Bottom Layer", 120, 113, 71, 11, tabStop},
    {1019, edit, "", 7, 164, 32, 13, digitField},
    {1020, edit, "", 111, 164, 32, 13, digitField},
    {2, pushButton, "Quit", 207, 163, 50, 14, tabStop},
    {noControlId, groupBox, "Ground Plane Shares:", 7, 23, 91, 123, 0},
    {noControlId, groupBox, "Power Plane Shares:", 111, 23, 91, 123, 0},
    {noControlId, staticText, "Ground Enlargement", 7, 151, 76, 9, label},
    {noControlId, staticText, "Mils", 47, 166, 25, 11, label},
    {noControlId, staticText, "Power Enlargement", 111, 151, 76, 9, label},
    {noControlId, staticText, "Mils", 151, 166, 25, 11, label},
    {1022, pushButton, "Help", 207, 145, 50, 14, tabStop},
    {1023, checkBox, "Pads and Vias", 18, 129, 66, 9, tabStop},
    {1024, checkBox, "Pads and Vias", 120, 129, 72, 9, tabStop},
};

}  // namespace

const DialogTemplate planeDialogTemplate{
    101, "Cuprena (Version C)", 264, 185, "MS Sans Serif", 8, controls,
};

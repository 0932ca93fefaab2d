#include "cli_options.h"

std::string helpText() {
    return R"(Usage: cuprena-cli [OPTIONS] INPUT

Reads the Autotrax/Easytrax design INPUT ("PCB FILE 4" or "PCB FILE 5") and
writes a copy of it with clearance artwork on the ground plane (layer 9) and
the power plane (layer 10). The output goes beside the input, the first
character of its file name replaced by "_" (boards/amp.pcb -> boards/_mp.pcb).
The input is held open without sharing while it is read and never changed.

Options:
  -o, --output FILE            write the output to FILE instead
                               (default: the "_" name beside INPUT)
  --ground LAYER|off           build the ground plane from LAYER, 1 to 6
                               (1 top, 2-5 internal 1-4, 6 bottom); default 1
  --power LAYER|off            build the power plane from LAYER, 1 to 6;
                               default off
  --ground-enlargement MILS    clearance on the ground plane, 0 to 100;
                               default 10
  --power-enlargement MILS     clearance on the power plane, 0 to 100;
                               default 10
  --ground-pads-vias           copy pads and vias onto the ground plane too;
                               default off
  --power-pads-vias            copy pads and vias onto the power plane too;
                               default off
  -h, --help                   show this help and exit
  --version                    show the version and exit

Messages go to standard error as "cuprena-cli: FILE: MESSAGE". A record that
cannot be read gets no copies and is named in a warning with its line number.

Exit status: 0 done, 1 a file error, 2 a usage error.
)";
}

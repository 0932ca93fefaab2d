#pragma once

#include "dialog_template.h"

extern const DialogTemplate helpDialogTemplate;

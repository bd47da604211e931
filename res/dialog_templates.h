// The program's dialog templates, for the resource lookups and for the tests that check them.
#pragma once

#include "dialog_template.h"

extern const DialogTemplate kCalculatorTemplate;
extern const DialogTemplate kAboutTemplate;

// What a screen reader says for each control of a dialog template, worked out from the
// template alone, the way the window system names a dialog's controls.
#pragma once

#include "dialog_template.h"

#include <string>
#include <vector>

struct AccessibleText {
    std::string name;
    std::string description;
};

// One entry per template row, in template order.
// - An edit box is named after the nearest static text before it in template order that lies
//   in the same group box (or, like the box, in none), with its mnemonic marker removed and its
//   lines joined into one. Without such a text it takes the title of its group box. Inside a
//   group box it is described by the group's title (unless that already is its name), so that
//   boxes of the same name in different groups can be told apart.
// - A push button is named after its own text, without the mnemonic marker.
// - An icon or a picture is described by its image's text from the resources.
// - Static texts and group boxes are left empty: their own text already names them.
std::vector<AccessibleText> AccessibleTexts(const DialogTemplate& dialog);

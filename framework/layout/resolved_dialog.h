// A dialog template resolved for one font: what a backend that lays dialogs out itself makes its
// window from, with nothing left to work out. Rectangles are in pixels of the client area;
// styles are meanings, not style bits.
#pragma once

#include "crect.h"
#include "dialog_template.h"
#include "mnemonic_text.h"
#include "module.h"
#include "text_metrics.h"

#include <string>
#include <vector>

struct ResolvedControl {
    ControlKind kind = ControlKind::StaticText;
    UINT id = IDC_STATIC; // IDC_STATIC for a control that is never addressed
    std::string idName;   // the ID's name, "IDC_NAME"; empty for IDC_STATIC
    std::string text;     // the template's text, markers and all, as GetWindowText gives it
    MnemonicText label;   // the text as shown, with its mnemonic (none with SS_NOPREFIX)
    CRect rect;           // static texts fitted to the font; images at their own size
    int group = -1;       // the group box it stands in (an index into the controls), or -1
    int buddy = -1;       // for a static text with a mnemonic: the tab stop it leads to, or -1
    int labelledBy = -1;  // for an edit box: the static text or group box that names it, or -1
    // What a screen reader says: the name (an edit box's label or frame, a button's text) and
    // the description (an edit box's group; an image in words).
    std::string name;
    std::string description;
    const AfxImageResource* image = nullptr; // for an icon or a picture

    bool noPrefix = false; // a static text whose "&" is an ordinary character
    bool tabStop = false;
    bool defaultButton = false;
    bool readOnly = false;
    bool multiLine = false;
    bool border = false;
    bool sunken = false; // an image in a sunken frame, 1 pixel each side
};

struct ResolvedDialog {
    UINT id;
    std::string name; // "IDD_ABOUT"
    std::string caption;
    int width; // the client area, in pixels
    int height;
    DialogBaseUnits units;
    bool titleBar;   // WS_CAPTION
    bool windowMenu; // WS_SYSMENU: a window menu and a close box
    bool minimizeBox;
    bool maximizeBox;
    bool ownTaskbarButton;                 // WS_EX_APPWINDOW
    std::vector<ResolvedControl> controls; // template order: creation and tab order

    // The index of the control with this ID, or -1.
    int IndexOf(UINT id) const;
};

// Resolves `dialog` for the font `metrics` describes, with the images of `module`: dialog units
// to pixels, mnemonics, buddies, groups and the names a screen reader gives. Where the font
// needs more room than the template gives a static text, the text gets it: a one-line text
// grows to the right up to its neighbour, a wrapped text down to its neighbour below and, where
// that is not enough, across to the dialog's edge.
ResolvedDialog ResolveDialog(const DialogTemplate& dialog, const TextMetrics& metrics,
                             const AfxModule& module);

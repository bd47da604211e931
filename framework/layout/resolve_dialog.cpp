// The one place where a dialog template becomes a layout: every backend that lays dialogs out
// itself makes its window from what this gives.
#include "resolved_dialog.h"

#include "xpm_image.h"

#include <algorithm>

namespace {

bool Contains(const DialogItemTemplate& outer, const DialogItemTemplate& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

// The innermost group box around a row, wherever it stands in the template, or -1.
int GroupOf(const DialogTemplate& dialog, std::size_t item) {
    int group = -1;
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        const DialogItemTemplate& box = dialog.items[i];
        if (i != item && box.kind == ControlKind::GroupBox && Contains(box, dialog.items[item]) &&
            (group < 0 || Contains(dialog.items[group], box))) {
            group = int(i);
        }
    }
    return group;
}

// A text as a screen reader reads it: its mnemonic marker gone, its lines joined by a blank.
std::string Readable(const MnemonicText& label) {
    std::string text = label.shown;
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

// An edit box is named after the nearest static text before it that stands in the same group
// box (or, like the box, in none), else after its group box; the group describes it, so that
// boxes of the same name in different groups can be told apart. A button is named by its text;
// an image is described in words.
void Name(std::vector<ResolvedControl>& controls, std::size_t i) {
    ResolvedControl& control = controls[i];
    switch (control.kind) {
    case ControlKind::EditBox: {
        for (std::size_t j = i; j-- > 0;) {
            if (controls[j].kind == ControlKind::StaticText && controls[j].group == control.group) {
                control.labelledBy = int(j);
                break;
            }
        }
        if (control.labelledBy < 0) {
            control.labelledBy = control.group;
        }
        const std::string title = control.group >= 0 ? Readable(controls[control.group].label) : "";
        control.name = control.labelledBy >= 0 ? Readable(controls[control.labelledBy].label) : "";
        if (title != control.name) {
            control.description = title;
        }
        break;
    }
    case ControlKind::PushButton:
        control.name = Readable(control.label);
        break;
    case ControlKind::Icon:
    case ControlKind::Picture:
        control.description = control.image ? control.image->description : "";
        break;
    case ControlKind::GroupBox:
    case ControlKind::StaticText:
        break;
    }
}

// How far a control's rectangle may grow to the right (or down) before it meets another
// control that is not a group box: the nearest left (top) edge in its way, or the dialog's edge.
int Room(const ResolvedDialog& dialog, std::size_t self, const CRect& r, bool toTheRight) {
    int limit = toTheRight ? dialog.width : dialog.height;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const CRect& g = dialog.controls[i].rect;
        if (i == self || dialog.controls[i].kind == ControlKind::GroupBox) {
            continue;
        }
        if (toTheRight && g.left >= r.right - 1 && g.top < r.bottom && g.bottom > r.top) {
            limit = std::min(limit, g.left);
        } else if (!toTheRight && g.top >= r.bottom - 1 && g.left < r.right && g.right > r.left) {
            limit = std::min(limit, g.top);
        }
    }
    return limit;
}

// Gives static text `i` the room its text needs in the font: a one-line text grows to the right
// up to its neighbour; a wrapped text down to its neighbour below and, where that is not
// enough, across to the dialog's edge. Texts are fitted in template order, each seeing the
// rectangles of those before it.
void Fit(ResolvedDialog& dialog, std::size_t i, const TextMetrics& metrics) {
    ResolvedControl& control = dialog.controls[i];
    const std::string& text = control.label.shown;
    CRect rect = control.rect;
    if (rect.Height() < 2 * dialog.units.y) {
        const int needWidth = metrics.TextWidth(text);
        if (needWidth > rect.Width()) {
            rect.right = rect.left + std::min(needWidth, Room(dialog, i, rect, true) - rect.left);
        }
        if (needWidth <= rect.Width()) {
            control.rect = rect;
            return;
        }
    }
    int needHeight = metrics.WrappedHeight(text, rect.Width());
    if (needHeight > rect.Height()) {
        CRect widest = rect;
        widest.right = dialog.width - 2;
        const int room = Room(dialog, i, widest, false) - rect.top;
        if (needHeight > room && widest.Width() > rect.Width()) {
            rect = widest;
            needHeight = metrics.WrappedHeight(text, rect.Width());
        }
        rect.bottom = rect.top + std::max(rect.Height(), std::min(needHeight, room));
    }
    control.rect = rect;
}

ResolvedControl Resolve(const DialogItemTemplate& item, const DialogBaseUnits& units,
                        const AfxModule& module) {
    ResolvedControl control;
    control.kind = item.kind;
    control.id = item.id;
    control.idName = item.idName ? item.idName : "";
    const bool image = item.kind == ControlKind::Icon || item.kind == ControlKind::Picture;
    control.text = item.text.text ? item.text.text : "";
    control.noPrefix = item.kind == ControlKind::StaticText && (item.style & SS_NOPREFIX);
    control.label = ParseMnemonic(control.text, control.noPrefix);
    const int left = units.ToPixelsX(item.x), top = units.ToPixelsY(item.y);
    control.rect =
        CRect{left, top, left + units.ToPixelsX(item.cx), top + units.ToPixelsY(item.cy)};
    control.tabStop = item.style & WS_TABSTOP;
    control.defaultButton =
        item.kind == ControlKind::PushButton && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    control.readOnly = item.kind == ControlKind::EditBox && (item.style & ES_READONLY);
    control.multiLine = item.kind == ControlKind::EditBox && (item.style & ES_MULTILINE);
    control.border = item.style & WS_BORDER;
    if (image) {
        // Images are shown at their own pixel size; the rectangle gives their position.
        control.sunken = item.style & SS_SUNKEN;
        control.image = module.FindImage(item.text.image);
        int width = 0, height = 0;
        if (control.image && !control.image->images.empty()) {
            XpmSize(control.image->images.front(), width, height);
        }
        const int frame = control.sunken ? 2 : 0;
        control.rect.right = control.rect.left + width + frame;
        control.rect.bottom = control.rect.top + height + frame;
    }
    return control;
}

} // namespace

int ResolvedDialog::IndexOf(UINT controlId) const {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].id == controlId && controlId != IDC_STATIC) {
            return int(i);
        }
    }
    return -1;
}

ResolvedDialog ResolveDialog(const DialogTemplate& dialog, const TextMetrics& metrics,
                             const AfxModule& module) {
    ResolvedDialog out;
    out.id = dialog.id;
    out.name = dialog.name;
    out.caption = dialog.caption;
    out.units = metrics.BaseUnits();
    out.width = out.units.ToPixelsX(dialog.cx);
    out.height = out.units.ToPixelsY(dialog.cy);
    out.titleBar = (dialog.style & WS_CAPTION) == WS_CAPTION;
    out.windowMenu = dialog.style & WS_SYSMENU;
    out.minimizeBox = out.windowMenu && (dialog.style & WS_MINIMIZEBOX);
    out.maximizeBox = out.windowMenu && (dialog.style & WS_MAXIMIZEBOX);
    out.ownTaskbarButton = dialog.exStyle & WS_EX_APPWINDOW;
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        out.controls.push_back(Resolve(dialog.items[i], out.units, module));
        out.controls.back().group = GroupOf(dialog, i);
    }
    for (std::size_t i = 0; i < out.controls.size(); ++i) {
        ResolvedControl& control = out.controls[i];
        // A static text's mnemonic moves the focus to the next tab stop after it.
        if (control.kind == ControlKind::StaticText && !control.label.mnemonic.empty()) {
            for (std::size_t j = i + 1; j < out.controls.size() && control.buddy < 0; ++j) {
                control.buddy = out.controls[j].tabStop ? int(j) : -1;
            }
        }
        Name(out.controls, i);
    }
    for (std::size_t i = 0; i < out.controls.size(); ++i) {
        if (out.controls[i].kind == ControlKind::StaticText && !out.controls[i].text.empty()) {
            Fit(out, i, metrics);
        }
    }
    return out;
}

// The resource lookups the dialog framework makes: templates, strings and images by ID.
#include "resources.h"

#include "dialog_templates.h"
#include "resource.h"
#include "string_table.h"
#include "version.h"

#include "icon_main_16.xpm"
#include "icon_main_32.xpm"
#include "picture.xpm"

const DialogTemplate* AfxFindDialogTemplate(UINT id) {
    switch (id) {
    case IDD_CALCULATOR:
        return &kCalculatorTemplate;
    case IDD_ABOUT:
        return &kAboutTemplate;
    default:
        return nullptr;
    }
}

const char* AfxFindString(UINT id) {
    return FindStringTableText(id);
}

const char* AfxFindImageText(UINT id) {
    switch (id) {
    case IDI_MAIN:
        return VARNHOLT_NAME;
    case IDB_PICTURE:
        return "A pocket calculator joined by a cable to an antenna";
    default:
        return "";
    }
}

std::vector<const char* const*> AfxFindImages(UINT id) {
    switch (id) {
    case IDI_MAIN:
        return {icon_main_32_xpm, icon_main_16_xpm};
    case IDB_PICTURE:
        return {picture_xpm};
    default:
        return {};
    }
}

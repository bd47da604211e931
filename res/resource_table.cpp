#include "resource_table.h"

#include "dialog_templates.h"
#include "resource.h"
#include "version.h"

#include "art/icon_main_16.xpm"
#include "art/icon_main_32.xpm"
#include "art/picture.xpm"

const ResourceTable& ProgramResources() {
    static const ResourceTable table = {
        {&kAboutTemplate, &kCalculatorTemplate},
        {
            {IDS_ABOUT_MENU, "&About Varnholt..."},
        },
        {
            {IDI_MAIN, "IDI_MAIN", true, VARNHOLT_NAME, {icon_main_32_xpm, icon_main_16_xpm}},
            {IDB_PICTURE,
             "IDB_PICTURE",
             false,
             "A pocket calculator joined by a cable to an antenna",
             {picture_xpm}},
        },
    };
    return table;
}

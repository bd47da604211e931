#include "program_module.h"

#include "dialog_templates.h"
#include "module.h"
#include "resource.h"
#include "version.h"

#include "art/icon_main_16.xpm"
#include "art/icon_main_32.xpm"
#include "art/picture.xpm"

const AfxModule& ProgramModule() {
    static const AfxModule module = [] {
        AfxModule m;
        m.name = VARNHOLT_NAME;
        m.appId = VARNHOLT_APP_ID;
        m.version = VARNHOLT_VERSION;
        m.dialogs = {&kAboutTemplate, &kCalculatorTemplate};
        m.strings = {
            {IDS_ABOUT_MENU, "&About Varnholt..."},
        };
        m.images = {
            {IDI_MAIN, "IDI_MAIN", true, VARNHOLT_NAME, {icon_main_32_xpm, icon_main_16_xpm}},
            {IDB_PICTURE,
             "IDB_PICTURE",
             false,
             "A pocket calculator joined by a cable to an antenna",
             {picture_xpm}},
        };
        return m;
    }();
    return module;
}

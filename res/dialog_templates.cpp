// The two dialog templates. Positions and sizes in dialog units; each row's style holds the
// bits besides WS_CHILD and WS_VISIBLE.
#include "dialog_templates.h"

#include "resource.h"
#include "version.h"

#include <iterator>

// clang-format off
namespace {

using K = ControlKind;

const DialogItemTemplate kCalculatorItems[] = {
    // kind          ID                                text                          style                                          x    y    w    h
    {K::GroupBox,    DIALOG_ITEM_ID(IDC_STATIC),       "Cable Loss from SWR",        BS_GROUPBOX,                                   7,   7, 160,  65},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "&Cable Length (m):",         SS_LEFT | WS_GROUP,                           17,  22,  68,   8},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_LOSS_LENGTH),  "",                           ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,      17,  32,  65,  14},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "&SWR:",                      SS_LEFT | WS_GROUP,                           92,  22,  19,   8},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_LOSS_SWR),     "",                           ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,      92,  32,  65,  14},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "dB/100m:",                   SS_LEFT | WS_GROUP,                           17,  52,  32,   8},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_LOSS_RESULT),  "",                           ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 52, 52, 105, 14},
    {K::GroupBox,    DIALOG_ITEM_ID(IDC_STATIC),       "SWR from Cable Loss",        BS_GROUPBOX,                                   7,  77, 160,  65},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "&dB/100m:",                  SS_LEFT | WS_GROUP,                           17,  92,  32,   8},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_SWR_LOSS),     "",                           ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,      17, 102,  65,  14},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "Cable &Length (m):",         SS_LEFT | WS_GROUP,                           92,  92,  68,   8},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_SWR_LENGTH),   "",                           ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,      92, 102,  65,  14},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "SWR:",                       SS_LEFT | WS_GROUP,                           22, 122,  19,   8},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_SWR_RESULT),   "",                           ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 52, 122, 105, 14},
    {K::PushButton,  DIALOG_ITEM_ID(IDCANCEL),         "Exit",                       BS_PUSHBUTTON | WS_TABSTOP,                  174,   7,  50,  14},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_MESSAGES),     "",                           ES_MULTILINE | ES_READONLY | WS_BORDER | WS_TABSTOP, 12, 157, 150, 25},
    {K::GroupBox,    DIALOG_ITEM_ID(IDC_STATIC),       "Program messages",           BS_GROUPBOX,                                   7, 147, 160,  40},
    {K::PushButton,  DIALOG_ITEM_ID(IDC_ABOUT),        "About",                      BS_PUSHBUTTON | WS_TABSTOP,                  174,  23,  50,  14},
    {K::Picture,     DIALOG_ITEM_ID(IDC_STATIC),       ControlText::Image(IDB_PICTURE), SS_BITMAP | SS_SUNKEN,                    185, 151,  24,  27},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),
     "Instructions:\nSimply type in the values and the program will automatically calculate "
     "them. If it encounters any errors it will output a message in the \"Program Messages\" box.",
                                                                                     SS_LEFT | WS_GROUP,                          172,  46,  52,  96},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),
     "IMPORTANT: This calculations are correct only when the cable is open (or short) circuited "
     "at the far end (aka \"open line system\")",
                                                                                     SS_LEFT | WS_GROUP,                            7, 190, 205,  20},
};

const DialogItemTemplate kAboutItems[] = {
    // kind          ID                                text                          style                                          x    y    w    h
    {K::Icon,        DIALOG_ITEM_ID(IDC_STATIC),       ControlText::Image(IDI_MAIN), SS_ICON,                                      11,  17,  20,  20},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "Varnholt Calculator",        SS_NOPREFIX | WS_GROUP,                       40,  10, 150,   8},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       VARNHOLT_COPYRIGHT,           WS_GROUP,                                     40,  45, 210,   8},
    {K::PushButton,  DIALOG_ITEM_ID(IDOK),             "OK",                         BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP,    194,  15,  50,  14},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),       "Version " VARNHOLT_VERSION_SHORT, WS_GROUP,                       40,  20,  55,   8},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),
     "For more information on this topic, visit\nthe web page of the Varnholt authors:",
                                                                                     WS_GROUP,                                     40,  65, 135,  20},
    {K::EditBox,     DIALOG_ITEM_ID(IDC_WEB_ADDRESS),  "",                           ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 40, 85, 135, 14},
    {K::StaticText,  DIALOG_ITEM_ID(IDC_STATIC),
     "WARNINGS\n" VARNHOLT_TERMS_OF_USE,
                                                                                     WS_GROUP,                                     40, 120, 170,  58},
    {K::PushButton,  DIALOG_ITEM_ID(IDC_COPY),         "Copy",                       BS_PUSHBUTTON | WS_TABSTOP,                  175,  85,  30,  14},
};

} // namespace

const DialogTemplate kCalculatorTemplate = {
    IDD_CALCULATOR, "IDD_CALCULATOR", "Varnholt Calculator",
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT,
    WS_EX_APPWINDOW,
    0, 0, 231, 217, "MS Sans Serif", 8,
    kCalculatorItems, std::size(kCalculatorItems)};

const DialogTemplate kAboutTemplate = {
    IDD_ABOUT, "IDD_ABOUT", "About Varnholt",
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    0,
    0, 0, 251, 186, "MS Sans Serif", 8,
    kAboutItems, std::size(kAboutItems)};
// clang-format on

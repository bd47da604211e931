// A made-up dialog for the dialog layer's tests on every backend: a template of 200 x 100 dialog
// units (ID 500), registered as the module's one dialog while this lives.
#pragma once

#include "cdialog.h"
#include "module.h"

#include <vector>

constexpr DWORD kMadeUpText = SS_LEFT | WS_GROUP;
constexpr DWORD kMadeUpBox = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;

class MadeUpModule {
public:
    explicit MadeUpModule(std::vector<DialogItemTemplate> items) : m_items(std::move(items)) {
        // clang-format off
        m_template = {500, "IDD_MADE_UP", "Made up", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
                      200, 100, "MS Sans Serif", 8, m_items.data(), m_items.size()};
        // clang-format on
        m_module.dialogs = {&m_template};
        AfxRegisterModule(&m_module);
    }
    ~MadeUpModule() { AfxRegisterModule(nullptr); }
    MadeUpModule(const MadeUpModule&) = delete;
    MadeUpModule& operator=(const MadeUpModule&) = delete;

private:
    std::vector<DialogItemTemplate> m_items;
    DialogTemplate m_template{};
    AfxModule m_module;
};

// Two labels marked with the same letter, one with a letter beyond A-Z and an escaped "&" in a
// group box, and a default button.
inline std::vector<DialogItemTemplate> MadeUpKeyItems() {
    using K = ControlKind;
    const DWORD text = kMadeUpText, box = kMadeUpBox;
    return {
        {K::StaticText, DIALOG_ITEM_ID(IDC_STATIC), "&Name:", text, 10, 10, 40, 8},
        {K::EditBox, 1001, "IDC_NAME", "", box, 10, 20, 60, 14},
        {K::StaticText, DIALOG_ITEM_ID(IDC_STATIC), "&Number:", text, 80, 10, 40, 8},
        {K::EditBox, 1002, "IDC_NUMBER", "", box, 80, 20, 60, 14},
        {K::StaticText, DIALOG_ITEM_ID(IDC_STATIC), "&\xc3\x84pfel && Birnen:", text, 12, 44, 80,
         8},
        {K::EditBox, 1003, "IDC_FRUIT", "", box, 12, 54, 60, 14},
        {K::PushButton, DIALOG_ITEM_ID(IDOK), "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 140, 80, 50, 14},
        {K::GroupBox, DIALOG_ITEM_ID(IDC_STATIC), "Fruit", BS_GROUPBOX, 8, 36, 100, 36},
    };
}

// What the backends that lay their dialogs out themselves do alike (every window system here but
// Windows, whose dialog manager does it), said once above what each supplies: a window made from
// the template resolved in the backend's font, its opening (a fresh window menu, OnInitDialog,
// the focus on the first tab stop), its modal run and end, the window menu made at its first
// use, its own commands, control lookup, and the window system's events carried into the dialog
// by the dialog-key rule.
#pragma once

#include "afx_backend.h"
#include "cmenu.h"
#include "dialog_keys.h"
#include "dialog_template.h"
#include "resolved_dialog.h"
#include "text_metrics.h"

#include <string_view>
#include <vector>

class AfxLaidOutWindow : public AfxDialogWindow {
public:
    AfxLaidOutWindow(AfxDialogSite& dialog, const ResolvedDialog& layout);
    ~AfxLaidOutWindow() override;
    AfxLaidOutWindow(const AfxLaidOutWindow&) = delete;
    AfxLaidOutWindow& operator=(const AfxLaidOutWindow&) = delete;

    AfxDialogSite& Dialog() const { return m_dialog; }
    const ResolvedDialog& Layout() const { return m_layout; }
    // The control with this ID, or nullptr; the place in the layout of a control's handle, or -1.
    HWND Control(UINT id) const;
    int IndexOf(HWND control) const;
    // The handle of the control at `index` in the layout.
    HWND ControlAt(int index) const { return m_controls[std::size_t(index)]; }
    // The result its last run or showing ended with.
    int Result() const { return m_result; }
    // The open window that `window` is the handle of, or nullptr.
    static AfxLaidOutWindow* Of(HWND window);

    void Open() final;
    INT_PTR RunModal() final;
    void End(int result) final;
    CMenu* SystemMenu() final;
    void DefaultPaint() override {}
    void DefaultSysCommand(UINT nID, LPARAM lParam) final;

    // The window system's events, carried into the dialog: a notification (BN_CLICKED,
    // EN_UPDATE) from control `index`; a dialog key pressed while control `focused` had the
    // focus (-1: none), with Alt the `character` typed; a window-menu command or the close box
    // (SC_CLOSE).
    void Notify(int index, UINT code);
    void Key(DialogKey key, int focused, std::string_view character = {});
    void Command(UINT command);

protected:
    // The controls' handles, in layout order, once the backend has made them.
    void SetControls(std::vector<HWND> controls) { m_controls = std::move(controls); }
    bool Running() const { return m_running; }
    // True while the window opens, from its showing until the first focus has been given.
    bool Opening() const { return m_opening; }

    // What each such backend supplies:
    // Shows the window, modal over its owner or not.
    virtual void Show(bool modal) = 0;
    // Hides the window once its run or showing has ended.
    virtual void Hide() = 0;
    // Carries the window system's events into the dialog until the run has ended (Running()).
    virtual void RunEvents() = 0;
    // A fresh, empty window menu in place of the last one; CMenu::AppendMenu fills it.
    virtual HMENU MakeMenu() = 0;
    // Whether the window system can show the window minimized, and does so.
    virtual bool CanMinimize() const = 0;
    virtual void Minimize() = 0;
    // Gives control `index` the focus; an edit box reached by a key selects its text.
    virtual void Focus(int index, bool fromKey) = 0;
    virtual bool Enabled(int index) const = 0;
    // Once the window is open (after OnInitDialog): what the backend does then, such as paint.
    virtual void Opened() {}

private:
    void Prepare(bool modal);

    AfxDialogSite& m_dialog;
    const ResolvedDialog& m_layout;
    std::vector<HWND> m_controls; // in layout order
    CMenu m_menu;                 // made anew at its first use after each opening
    bool m_running = false;
    bool m_opening = false;
    int m_result = IDCANCEL;
};

// The layout of `dialogTemplate` in the font `metrics` measures, which `font` names: resolved
// once for each template and font while the registered module stays, so that the texts of a
// dialog opened again are not fitted again, and kept for the program's life.
const ResolvedDialog& AfxResolve(const DialogTemplate& dialogTemplate, const TextMetrics& metrics,
                                 const std::string& font);

// The window system of such a backend: windows made from the registered module's templates,
// strings from its string table, the icon size, and no message loop beyond the dialogs' own.
class AfxLaidOutBackend : public AfxBackend {
public:
    std::unique_ptr<AfxDialogWindow> MakeWindow(AfxDialogSite& dialog) final;
    std::string LoadString(UINT id) override;
    int GetSystemMetrics(int index) override;
    BOOL Enable3dControls() override { return TRUE; }
    int Start(int, char*[], int (*run)()) override { return run(); }
    int Run() override { return 0; }

protected:
    ~AfxLaidOutBackend() = default;
    // The window of `dialog`, made from `dialogTemplate` in the backend's font.
    virtual std::unique_ptr<AfxDialogWindow>
    MakeLaidOutWindow(AfxDialogSite& dialog, const DialogTemplate& dialogTemplate) = 0;
};

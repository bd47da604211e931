// A dialog's window as the page's markup, made from the resolved dialog: the same whether the
// program opens the dialog (at run time) or the site's build puts its first window into the
// page. Standard library only.
//
// Every element says what it is, as classes and attributes the backend's JavaScript and style
// sheet read: the window (`window`, its title bar, client area and window menu), then its
// controls in template order, each inside the group box it stands in: `group` (with its
// `title`), `static` (a <label> where it names an edit box), `edit` (`readonly`), `button`
// (`default`) and `image` (`sunken`). A static text and the edit box right after it that it
// names stand together in a `field`, the client area's push buttons in a `bar` where the last of
// them is: how the layouts that flow the controls keep them together. After the controls come
// the window's `live` region, which says each result as it is shown, and its `tell` line. A control
// with an ID carries its ID name as `data-id`; a mnemonic is underlined, and the keys that reach it
// with Alt are named in `data-keys` (MnemonicKeys). Element ids are the window's `prefix`, unique
// in the page, followed by the control's ID name or place.
#pragma once

#include "crect.h"
#include "resolved_dialog.h"

#include <string>
#include <string_view>
#include <vector>

// `owned`: a modal window (<dialog>) over its owner, else one of the page's own. The window is
// hidden until the program shows it; `prerendered`, it is shown at once but takes no input
// (inert) until the program takes it over.
std::string WebWindowMarkup(const ResolvedDialog& dialog, std::string_view prefix, bool owned,
                            bool prerendered = false);

// Where each control goes: its rectangle within the element that holds it (the client area, or
// its group box), in template order.
std::vector<CRect> WebControlPlaces(const ResolvedDialog& dialog);

// The element id of control `index` of a window whose id is `prefix`.
std::string WebControlId(std::string_view prefix, const ResolvedDialog& dialog, std::size_t index);

// A text for the markup: "&", "<", ">" and '"' as character references.
std::string HtmlEscaped(std::string_view text);

// A shown text as markup, its mnemonic underlined.
std::string WebLabelMarkup(const MnemonicText& label);

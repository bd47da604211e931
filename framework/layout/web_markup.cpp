#include "web_markup.h"

namespace {

// Builds one element's start tag attribute by attribute.
class Tag {
public:
    explicit Tag(std::string_view name) : m_text("<" + std::string(name)) {}
    Tag& Attribute(std::string_view name, std::string_view value) {
        m_text += " " + std::string(name) + "=\"" + HtmlEscaped(value) + "\"";
        return *this;
    }
    Tag& Flag(std::string_view name, bool set = true) {
        if (set) {
            m_text += " " + std::string(name);
        }
        return *this;
    }
    std::string Open() const { return m_text + ">"; }

private:
    std::string m_text;
};

class Writer {
public:
    Writer(const ResolvedDialog& dialog, std::string_view prefix)
        : m_dialog(dialog), m_prefix(prefix) {}

    // The controls that stand in `group` (-1: in none), in template order, a group box with the
    // controls it frames inside it. A static text and the edit box right after it that it names
    // make a `field`; the push buttons of the client area stand together in a `bar`, where the
    // last of them is.
    std::string Controls(int group) const {
        const std::vector<ResolvedControl>& controls = m_dialog.controls;
        std::size_t last = 0;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            last = InBar(i, group) ? i : last;
        }
        std::string html, bar;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].group != group) {
                continue;
            }
            if (InBar(i, group)) {
                bar += Control(i);
                html += i == last ? "<div class=\"bar\">" + bar + "</div>" : "";
            } else if (controls[i].kind == ControlKind::StaticText && i + 1 < controls.size() &&
                       controls[i + 1].labelledBy == int(i) && controls[i + 1].group == group) {
                html += "<div class=\"field\">" + Control(i) + Control(i + 1) + "</div>";
                ++i;
            } else {
                html += Control(i);
            }
        }
        return html;
    }

private:
    bool InBar(std::size_t i, int group) const {
        return group < 0 && m_dialog.controls[i].group < 0 &&
               m_dialog.controls[i].kind == ControlKind::PushButton;
    }

    std::string Id(int i) const { return WebControlId(m_prefix, m_dialog, std::size_t(i)); }

    std::string Control(std::size_t i) const {
        const ResolvedControl& c = m_dialog.controls[i];
        const std::string id = Id(int(i));
        switch (c.kind) {
        case ControlKind::GroupBox:
            return Tag("div").Attribute("class", "group").Attribute("id", id).Open() +
                   Tag("span").Attribute("class", "title").Attribute("id", id + "-title").Open() +
                   WebLabelMarkup(c.label) + "</span>" + Controls(int(i)) + "</div>";
        case ControlKind::StaticText: {
            const int labelled = LabelledIndex(int(i));
            const bool names = labelled >= 0;
            Tag tag(names ? "label" : "div");
            tag.Attribute("class", "static").Attribute("id", id);
            if (names) {
                tag.Attribute("for", Id(labelled));
            }
            if (!c.label.mnemonic.empty()) {
                tag.Attribute("data-keys", MnemonicKeys(c.label.mnemonic));
            }
            return tag.Open() + WebLabelMarkup(c.label) + (names ? "</label>" : "</div>");
        }
        case ControlKind::EditBox: {
            Tag tag(c.multiLine ? "textarea" : "input");
            tag.Attribute("class", c.readOnly ? "edit readonly" : "edit").Attribute("id", id);
            if (!c.multiLine) {
                tag.Attribute("type", "text");
            }
            tag.Attribute("data-id", c.idName).Attribute("maxlength", "32767");
            // Nothing typed is kept by the browser, and nothing corrects it.
            tag.Attribute("autocomplete", "off").Attribute("spellcheck", "false");
            tag.Attribute("autocapitalize", "off").Attribute("autocorrect", "off");
            tag.Flag("readonly", c.readOnly);
            Common(tag, c);
            if (c.labelledBy >= 0 &&
                m_dialog.controls[c.labelledBy].kind == ControlKind::GroupBox) {
                tag.Attribute("aria-labelledby", Id(c.labelledBy) + "-title");
            } else if (c.labelledBy < 0 && !c.name.empty()) {
                tag.Attribute("aria-label", c.name);
            }
            if (!c.description.empty() && c.group >= 0) {
                tag.Attribute("aria-describedby", Id(c.group) + "-title");
            }
            return tag.Open() + (c.multiLine ? "</textarea>" : "");
        }
        case ControlKind::PushButton: {
            Tag tag("button");
            tag.Attribute("class", c.defaultButton ? "button default" : "button")
                .Attribute("id", id)
                .Attribute("type", "button")
                .Attribute("data-id", c.idName);
            if (!c.label.mnemonic.empty()) {
                tag.Attribute("data-keys", MnemonicKeys(c.label.mnemonic));
            }
            Common(tag, c);
            return tag.Open() + WebLabelMarkup(c.label) + "</button>";
        }
        case ControlKind::Icon:
        case ControlKind::Picture:
            return Tag("canvas")
                       .Attribute("class", c.sunken ? "image sunken" : "image")
                       .Attribute("id", id)
                       .Attribute("role", "img")
                       .Attribute("aria-label", c.description)
                       .Open() +
                   "</canvas>";
        }
        return "";
    }

    // A focusable control: out of the tab order unless it is a tab stop.
    static void Common(Tag& tag, const ResolvedControl& c) {
        if (!c.tabStop) {
            tag.Attribute("tabindex", "-1");
        }
    }

    // The edit box that static text `i` names.
    int LabelledIndex(int i) const {
        for (std::size_t j = 0; j < m_dialog.controls.size(); ++j) {
            if (m_dialog.controls[j].labelledBy == i) {
                return int(j);
            }
        }
        return -1;
    }

    const ResolvedDialog& m_dialog;
    std::string_view m_prefix;
};

} // namespace

std::string WebControlId(std::string_view prefix, const ResolvedDialog& dialog, std::size_t index) {
    const ResolvedControl& control = dialog.controls[index];
    return std::string(prefix) + "-" +
           (control.idName.empty() ? std::to_string(index) : control.idName);
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string WebLabelMarkup(const MnemonicText& label) {
    std::string html = HtmlEscaped(label.Before());
    if (!label.mnemonic.empty()) {
        html += "<u>" + HtmlEscaped(label.Key()) + "</u>" + HtmlEscaped(label.After());
    }
    return html;
}

std::string WebWindowMarkup(const ResolvedDialog& dialog, std::string_view prefix, bool owned,
                            bool prerendered) {
    const std::string id(prefix);
    Tag window(owned ? "dialog" : "div");
    window.Attribute("class", "window").Attribute("id", id).Attribute("data-dialog", dialog.name);
    if (!owned) {
        window.Attribute("role", "dialog");
    }
    window.Attribute("aria-labelledby", id + "-caption").Flag(prerendered ? "inert" : "hidden");
    std::string html = window.Open() + "<div class=\"titlebar\">";
    if (dialog.windowMenu) {
        html += "<button type=\"button\" class=\"sysicon\" tabindex=\"-1\" aria-label=\"Window "
                "menu\" aria-haspopup=\"menu\"><canvas></canvas></button>";
    }
    html += Tag("span").Attribute("class", "caption").Attribute("id", id + "-caption").Open() +
            HtmlEscaped(dialog.caption) + "</span>";
    if (dialog.windowMenu) {
        html += "<button type=\"button\" class=\"close\" tabindex=\"-1\" "
                "aria-label=\"Close\">\u00d7</button>";
    }
    html += "</div><div class=\"client\">" + Writer(dialog, prefix).Controls(-1) + "</div>";
    // What the window says as it changes (a screen reader's), and what it tells its reader.
    html +=
        "<div class=\"live\" role=\"status\"></div><p class=\"tell\" role=\"status\" hidden></p>";
    if (dialog.windowMenu) {
        html += "<div class=\"menu\" role=\"menu\" aria-label=\"Window menu\" hidden></div>";
    }
    return html + (owned ? "</dialog>" : "</div>");
}

std::vector<CRect> WebControlPlaces(const ResolvedDialog& dialog) {
    std::vector<CRect> places;
    for (const ResolvedControl& control : dialog.controls) {
        CRect place = control.rect;
        if (control.group >= 0) {
            const CRect& group = dialog.controls[control.group].rect;
            place = CRect{place.left - group.left, place.top - group.top, place.right - group.left,
                          place.bottom - group.top};
        }
        places.push_back(place);
    }
    return places;
}

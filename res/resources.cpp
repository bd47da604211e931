// The resource lookups the dialog framework makes: templates, strings and images by ID.
#include "resources.h"

#include "resource_table.h"

const DialogTemplate* AfxFindDialogTemplate(UINT id) {
    for (const DialogTemplate* dialog : ProgramResources().dialogs) {
        if (dialog->id == id) {
            return dialog;
        }
    }
    return nullptr;
}

const char* AfxFindString(UINT id) {
    for (const StringResource& entry : ProgramResources().strings) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return "";
}

namespace {

const ImageResource* FindImage(UINT id) {
    for (const ImageResource& image : ProgramResources().images) {
        if (image.id == id) {
            return &image;
        }
    }
    return nullptr;
}

} // namespace

const char* AfxFindImageText(UINT id) {
    const ImageResource* image = FindImage(id);
    return image ? image->description : "";
}

std::vector<const char* const*> AfxFindImages(UINT id) {
    const ImageResource* image = FindImage(id);
    return image ? image->images : std::vector<const char* const*>();
}

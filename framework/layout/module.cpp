#include "module.h"

namespace {

const AfxModule* g_module = nullptr;
unsigned g_generation = 0;

template <class List> auto FindById(const List& list, UINT id) -> decltype(&*list.begin()) {
    for (const auto& entry : list) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

const DialogTemplate* AfxModule::FindDialog(UINT id) const {
    for (const DialogTemplate* dialog : dialogs) {
        if (dialog->id == id) {
            return dialog;
        }
    }
    return nullptr;
}

const char* AfxModule::FindString(UINT id) const {
    const AfxStringResource* entry = FindById(strings, id);
    return entry ? entry->text : "";
}

const AfxImageResource* AfxModule::FindImage(UINT id) const {
    return FindById(images, id);
}

void AfxRegisterModule(const AfxModule* module) {
    g_module = module;
    ++g_generation;
}

unsigned AfxModuleGeneration() {
    return g_generation;
}

const AfxModule& AfxGetModule() {
    static const AfxModule empty;
    return g_module ? *g_module : empty;
}

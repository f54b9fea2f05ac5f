#include "support/scripted_window_host.h"

#include "contacts/label_lines.h"
#include "contacts/one_contact_label.h"

namespace varnel::testing {

namespace {

const char* kindName(WindowKind kind) {
    switch (kind) {
        case WindowKind::ContactBrowser:
            return "ContactBrowser";
        case WindowKind::ContactFind:
            return "ContactFind";
        case WindowKind::ContactList:
            return "ContactList";
        case WindowKind::ContactSearch:
            return "ContactSearch";
        case WindowKind::Import:
            return "Import";
        case WindowKind::Export:
            return "Export";
    }
    return "?";
}

}  // namespace

void ScriptedWindowHost::openWindow(WindowKind kind) {
    calls.push_back(std::string("openWindow ") + kindName(kind));
}

void ScriptedWindowHost::openNewContact(const LabelLineContact& from) {
    calls.push_back("openNewContact " + from.firstName.value_or("") + " " +
                    from.lastName.value_or(""));
}

void ScriptedWindowHost::sendToComposer(const OneContactFields& fields) {
    calls.push_back("sendToComposer " + oneContactNameLine(fields));
    composerFields.push_back(fields);
}

}  // namespace varnel::testing

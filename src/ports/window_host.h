#pragma once
// What a window may ask of the program beyond the shared state: the main
// window back, the manual, About, another window. Windows never include each
// other's headers; the host knows them all.
#include <cstdint>

namespace varnel {

struct LabelLineContact;
struct OneContactFields;

enum class WindowKind : std::uint8_t {
    ContactBrowser,  // View > One Contact, Edit, Delete
    ContactFind,     // the browser with the focus on its drop-down
    ContactList,     // View > All Contacts
    ContactSearch,   // Contacts > Search Contacts
    Import,
    Export,
};

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // The main window again where it was, focus on composer line 1; nothing
    // once the program is ending.
    virtual void showMain() = 0;
    virtual void hideMain() = 0;
    // True once the main window has closed: the program is ending.
    virtual bool ending() const = 0;
    // Ends the program (Cancel in the common error box).
    virtual void endProgram() = 0;

    virtual void openManual() = 0;
    virtual void openAbout() = 0;
    virtual void openWindow(WindowKind kind) = 0;
    // The new-contact form, filled from the composer's lines.
    virtual void openNewContact(const LabelLineContact& from) = 0;

    // The shared state changed behind the main window (a reminder switched
    // on by a saved contact, a file closed): it refreshes its menus.
    virtual void stateChanged() = 0;
    // The browser's "Print Label": the contact becomes the composer's address.
    virtual void sendToComposer(const OneContactFields& fields) = 0;
};

}  // namespace varnel

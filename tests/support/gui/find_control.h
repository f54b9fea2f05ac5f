#pragma once
// Window tests reach controls the way a user names them: by object name.
#include <gtest/gtest.h>

#include <QObject>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace varnel::testing {

// The control of type T named `name` inside `root` (menus and their items
// included). A missing one fails the test instead of crashing it.
template <typename T>
T* find(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(name);
    if (found == nullptr) {
        ADD_FAILURE() << "no control named " << name;
        throw std::runtime_error(std::string("no control named ") + name);
    }
    return found;
}

// The object names of the main window's five composer lines, by index 0-4.
inline const char* composerLineName(std::size_t index) {
    static const char* const names[] = {"txtVRLine1", "txtVRLine2", "txtVRline3", "txtVRLine4",
                                        "txtVRLine5"};
    return names[index];
}

}  // namespace varnel::testing

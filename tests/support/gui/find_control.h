#pragma once
// Window tests reach controls the way a user names them: by object name.
#include <gtest/gtest.h>

#include <QObject>
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

}  // namespace varnel::testing

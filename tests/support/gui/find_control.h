#pragma once
// Window tests reach a window's controls by their object names, as a user
// reaches them by what they show, not through the window's members.
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace varnel::testing {

// The control of that name and kind under `window`; a missing one ends the
// test with its name.
template <typename Control>
Control* findControl(const QObject& window, const QString& name) {
    Control* control = window.findChild<Control*>(name);
    if (!control) throw std::logic_error("no control named " + name.toStdString());
    return control;
}

}  // namespace varnel::testing

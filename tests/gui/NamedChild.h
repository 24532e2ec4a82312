// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace vantrel::testing {

// The control of a window by its objectName, the name language.xml captions
// are keyed by; null when the window has no such control of that type.
template <typename Widget> Widget* namedChild(const QObject* window, const char* objectName) {
    return window->findChild<Widget*>(QString::fromLatin1(objectName));
}

} // namespace vantrel::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace vantrel {

class EditingSession;

// What a generator window takes from the main window when it opens: the
// session, which decides the text it starts with, its hints and the name of
// the file it writes, and a way to put the main caption back. The window
// never changes the open document.
struct GeneratorHost {
    const EditingSession& session;
    std::function<void()> restoreMainCaption; // the main caption back to the program's name
};

} // namespace vantrel

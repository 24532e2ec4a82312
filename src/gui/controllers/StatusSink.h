// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace vantrel {

// The status line as controllers write it: panel 1 tells where the user is,
// panel 2 what the current cell holds.
class StatusSink {
  public:
    virtual void setStatus(int panel, const QString& text) = 0;
    // A message in panel 2 that holds only until the document next changes
    // (an edit, an undo, another file); an empty text withdraws it early.
    virtual void setNotice(const QString& text) = 0;

  protected:
    ~StatusSink() = default;
};

} // namespace vantrel

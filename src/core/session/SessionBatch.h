// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/session/EditingSession.h"

namespace vantrel {

// Everything a session does inside one of these is pushed to the faces once,
// when the outermost one ends.
class SessionBatch {
  public:
    explicit SessionBatch(EditingSession& session) : m_session(session) { m_session.beginBatch(); }
    ~SessionBatch() { m_session.endBatch(); }
    SessionBatch(const SessionBatch&) = delete;
    SessionBatch& operator=(const SessionBatch&) = delete;

  private:
    EditingSession& m_session;
};

} // namespace vantrel

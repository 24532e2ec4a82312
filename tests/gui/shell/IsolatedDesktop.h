// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace vantrel::testing {

// While alive, the desktop tools a test runs see a home of their own and no
// desktop session, so nothing outside the temporary folder changes.
class IsolatedDesktop {
  public:
    IsolatedDesktop() {
        for (const char* name : {"HOME", "XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION"}) {
            m_saved.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
        qputenv("HOME", m_home.path().toLocal8Bit());
    }
    ~IsolatedDesktop() {
        for (const auto& [name, value] : m_saved) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }
    IsolatedDesktop(const IsolatedDesktop&) = delete;
    IsolatedDesktop& operator=(const IsolatedDesktop&) = delete;

    [[nodiscard]] QString path() const { return m_home.path(); }

  private:
    QTemporaryDir m_home;
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

} // namespace vantrel::testing

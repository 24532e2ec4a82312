#pragma once

#include <QUrl>

#include <functional>

namespace vantrel {

// Something that hands an address to the desktop to open.
using DesktopOpener = std::function<void(const QUrl& url)>;

// Opens url with the desktop's preferred application (QDesktopServices), or
// hands it to the opener a test installed in its place.
void openWithDesktop(const QUrl& url);

// While alive, every openWithDesktop goes to opener instead of the desktop;
// the previous opener comes back when it goes out of scope.
class ScopedDesktopOpener {
  public:
    explicit ScopedDesktopOpener(DesktopOpener opener);
    ~ScopedDesktopOpener();
    ScopedDesktopOpener(const ScopedDesktopOpener&) = delete;
    ScopedDesktopOpener& operator=(const ScopedDesktopOpener&) = delete;

  private:
    DesktopOpener m_previous;
};

} // namespace vantrel

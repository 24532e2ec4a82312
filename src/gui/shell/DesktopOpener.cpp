#include "gui/shell/DesktopOpener.h"

#include <QDesktopServices>

#include <utility>

namespace vantrel {

namespace {

DesktopOpener& installedOpener() {
    static DesktopOpener opener;
    return opener;
}

} // namespace

void openWithDesktop(const QUrl& url) {
    if (const DesktopOpener& opener = installedOpener())
        opener(url);
    else
        QDesktopServices::openUrl(url);
}

ScopedDesktopOpener::ScopedDesktopOpener(DesktopOpener opener)
    : m_previous(std::exchange(installedOpener(), std::move(opener))) {}

ScopedDesktopOpener::~ScopedDesktopOpener() {
    installedOpener() = std::move(m_previous);
}

} // namespace vantrel

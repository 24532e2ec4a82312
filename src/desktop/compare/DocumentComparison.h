// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/compare/SeemComparison.h"
#include "core/document/ListenerList.h"
#include "core/document/SeemDocument.h"
#include "core/i18n/UiStrings.h"

#include <memory>
#include <string>

namespace vantrel {

// The open document compared with another file while the window shows the
// differences. The other file is opened by a document of its own, so it is
// read and typed exactly as the open one. Whoever changes the open
// document's cells (an editing session) calls refresh(); the comparison
// never writes them.
class DocumentComparison {
  public:
    DocumentComparison(const SeemDocument& document, const UiStrings& strings);
    ~DocumentComparison();
    DocumentComparison(const DocumentComparison&) = delete;
    DocumentComparison& operator=(const DocumentComparison&) = delete;

    // Opens the other file with the definitions at definitionsPath. A refusal
    // (its outcome returned) leaves any comparison as it was.
    OpenOutcome start(const std::string& definitionsPath, const std::string& otherPath);
    void stop();

    [[nodiscard]] bool active() const { return m_other != nullptr; }
    [[nodiscard]] std::string otherPath() const { return m_other ? m_other->path() : ""; }
    // The other file as opened; null while no comparison is open.
    [[nodiscard]] const SeemDocument* otherDocument() const { return m_other.get(); }
    // Empty while no comparison is open.
    [[nodiscard]] const SeemComparison& result() const { return m_result; }

    // Compares again after the open document's cells changed; the
    // listeners hear of it only when the differences did change.
    void refresh();

    // Told when the comparison starts, stops or its differences change.
    ListenerConnection addListener(std::function<void()> listener) {
        return m_listeners.add(std::move(listener));
    }

  private:
    const SeemDocument& m_document;
    const UiStrings& m_strings;
    std::unique_ptr<SeemDocument> m_other;
    SeemComparison m_result;
    ListenerList<> m_listeners;
};

} // namespace vantrel

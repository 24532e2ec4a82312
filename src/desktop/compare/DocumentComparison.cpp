// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/compare/DocumentComparison.h"

namespace vantrel {

namespace {

bool sameDifferences(const SeemComparison& a, const SeemComparison& b) {
    if (a.bySettings != b.bySettings || a.reason != b.reason ||
        a.differences.size() != b.differences.size())
        return false;
    for (std::size_t i = 0; i < a.differences.size(); ++i) {
        const SettingDifference& x = a.differences[i];
        const SettingDifference& y = b.differences[i];
        if (x.key != y.key || x.name != y.name || x.ours != y.ours || x.theirs != y.theirs ||
            x.firstCell != y.firstCell || x.lastCell != y.lastCell)
            return false;
    }
    return true;
}

} // namespace

DocumentComparison::DocumentComparison(const SeemDocument& document, const UiStrings& strings)
    : m_document(document), m_strings(strings) {}

DocumentComparison::~DocumentComparison() = default;

OpenOutcome DocumentComparison::start(const std::string& definitionsPath,
                                      const std::string& otherPath) {
    auto other = std::make_unique<SeemDocument>();
    const XmlLoadResult definitions = other->loadDefinitions(definitionsPath);
    if (!definitions.ok)
        return {OpenOutcome::Status::Failed, definitionsPath + ": " + definitions.message};
    const OpenOutcome opened = other->open(otherPath);
    if (opened.status != OpenOutcome::Status::Opened)
        return opened;
    m_other = std::move(other);
    m_result = compareSeemFiles({m_document.type(), m_document.typeName(), m_document.grid()},
                                {m_other->type(), m_other->typeName(), m_other->grid()}, m_strings);
    m_listeners.notify();
    return opened;
}

void DocumentComparison::stop() {
    if (!m_other)
        return;
    m_other.reset();
    m_result = {};
    m_listeners.notify();
}

void DocumentComparison::refresh() {
    if (!m_other)
        return;
    SeemComparison result =
        compareSeemFiles({m_document.type(), m_document.typeName(), m_document.grid()},
                         {m_other->type(), m_other->typeName(), m_other->grid()}, m_strings);
    const bool changed = !sameDifferences(result, m_result);
    m_result = std::move(result);
    if (changed)
        m_listeners.notify();
}

} // namespace vantrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vantrel {

using ListenerId = int;

// Plain C++ listeners told in the order they were added. A listener may add or
// remove listeners, itself included, while it is being told: the ones removed
// before their turn are skipped, and a running one stays alive until it returns.
template <typename... Args> class ListenerList {
  public:
    using Listener = std::function<void(Args...)>;

    ListenerList() = default;
    // Listeners belong to the object they listen to: a copy of that object
    // starts without any, and an assignment keeps the ones it had.
    ListenerList(const ListenerList&) {}
    ListenerList& operator=(const ListenerList&) { return *this; }

    ListenerId add(Listener listener) {
        const ListenerId id = m_nextId++;
        m_entries.emplace_back(id, std::make_shared<Listener>(std::move(listener)));
        return id;
    }

    // Safe to call for an id already removed.
    void remove(ListenerId id) {
        std::erase_if(m_entries, [id](const Entry& entry) { return entry.first == id; });
    }

    void notify(Args... args) const {
        const std::vector<Entry> snapshot = m_entries;
        for (const auto& [id, listener] : snapshot) {
            if (contains(id))
                (*listener)(args...);
        }
    }

  private:
    using Entry = std::pair<ListenerId, std::shared_ptr<Listener>>;

    [[nodiscard]] bool contains(ListenerId id) const {
        return std::any_of(m_entries.begin(), m_entries.end(),
                           [id](const Entry& entry) { return entry.first == id; });
    }

    std::vector<Entry> m_entries;
    ListenerId m_nextId = 1;
};

} // namespace vantrel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace vantrel {

namespace detail {

// What a connection needs of its list: a way to take its listener out.
class ListenerRemoval {
  public:
    virtual ~ListenerRemoval() = default;
    virtual void remove(int id) = 0;
};

} // namespace detail

// A listener's place in a ListenerList: the listener stays while this object
// lives and goes with it. Outliving the list is harmless.
class [[nodiscard]] ListenerConnection {
  public:
    ListenerConnection() = default;
    ListenerConnection(std::weak_ptr<detail::ListenerRemoval> list, int id)
        : m_list(std::move(list)), m_id(id) {}
    ListenerConnection(ListenerConnection&& other) noexcept
        : m_list(std::move(other.m_list)), m_id(std::exchange(other.m_id, 0)) {}
    ListenerConnection& operator=(ListenerConnection&& other) noexcept {
        if (this != &other) {
            disconnect();
            m_list = std::move(other.m_list);
            m_id = std::exchange(other.m_id, 0);
        }
        return *this;
    }
    ListenerConnection(const ListenerConnection&) = delete;
    ListenerConnection& operator=(const ListenerConnection&) = delete;
    ~ListenerConnection() { disconnect(); }

    // Takes the listener out now; safe to call again.
    void disconnect() {
        if (const auto list = m_list.lock())
            list->remove(m_id);
        m_list.reset();
        m_id = 0;
    }

  private:
    std::weak_ptr<detail::ListenerRemoval> m_list;
    int m_id = 0;
};

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

    ListenerConnection add(Listener listener) {
        const int id = m_entries->nextId++;
        m_entries->entries.emplace_back(id, std::make_shared<Listener>(std::move(listener)));
        return ListenerConnection(m_entries, id);
    }

    void notify(Args... args) const {
        const auto snapshot = m_entries->entries;
        for (const auto& [id, listener] : snapshot) {
            if (m_entries->contains(id))
                (*listener)(args...);
        }
    }

  private:
    struct Entries : detail::ListenerRemoval {
        using Entry = std::pair<int, std::shared_ptr<Listener>>;

        void remove(int id) override {
            std::erase_if(entries, [id](const Entry& entry) { return entry.first == id; });
        }
        [[nodiscard]] bool contains(int id) const {
            return std::any_of(entries.begin(), entries.end(),
                               [id](const Entry& entry) { return entry.first == id; });
        }

        std::vector<Entry> entries;
        int nextId = 1;
    };

    std::shared_ptr<Entries> m_entries = std::make_shared<Entries>();
};

} // namespace vantrel

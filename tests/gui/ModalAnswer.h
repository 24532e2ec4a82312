// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vantrel::testing {

// Stands in for the user at the next modal window of type Window: once it is
// up, handle runs on it, and a window that handle leaves open is closed, so a
// test cannot hang on it. Another modal window fails the test and is closed;
// a Window that never appears fails it when the answer goes out of scope.
//
//     ModalAnswer<GprsTextDialog> answer([](GprsTextDialog& window) { window.cancel(); });
//     form->OpenSeemFile(path);   // shows GprsTextDialog modally
template <typename Window> class ModalAnswer {
  public:
    explicit ModalAnswer(std::function<void(Window&)> handle) : m_handle(std::move(handle)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    ~ModalAnswer() {
        if (!m_seen)
            ADD_FAILURE() << "the expected modal window never appeared";
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        m_timer.stop();
        auto* window = qobject_cast<Window*>(modal);
        if (!window)
            ADD_FAILURE() << "an unexpected modal window appeared: "
                          << modal->metaObject()->className();
        else {
            m_seen = true;
            m_handle(*window);
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    }

    std::function<void(Window&)> m_handle;
    QTimer m_timer;
    bool m_seen = false;
};

} // namespace vantrel::testing

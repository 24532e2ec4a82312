// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/BackgroundRead.h"

#include "gui/dialogs/ReadingWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace vantrel {

namespace {

// What the worker and the waiting side share. The worker may outlive the wait
// (the program quits mid-read), so it owns its share and tells the loop only
// while the loop is still there.
struct ReadJob {
    std::mutex mutex;
    bool finished = false;
    SeemFileRead result;
    QEventLoop* waiting = nullptr;
};

// Swallows user input to every window while installed on the application.
class InputBlocker : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Drop:
        case QEvent::Close:
            event->ignore();
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

SeemFileRead readFailure(std::string reason) {
    SeemFileRead failure;
    failure.status = SeemFileRead::Status::Failed;
    failure.reason = std::move(reason);
    return failure;
}

void startWorker(std::shared_ptr<ReadJob> job, SeemFileReader reader, std::string path) {
    std::thread([job, reader = std::move(reader), path = std::move(path)] {
        SeemFileRead result;
        try {
            result = reader(path);
        } catch (const std::exception& error) {
            result = readFailure(error.what());
        }
        const std::lock_guard lock(job->mutex);
        job->result = std::move(result);
        job->finished = true;
        if (job->waiting)
            QMetaObject::invokeMethod(job->waiting, &QEventLoop::quit, Qt::QueuedConnection);
    }).detach();
}

} // namespace

SeemFileRead readInBackground(QWidget* owner, const LanguageFile& language, const std::string& path,
                              SeemFileReader reader) {
    QEventLoop loop;
    auto job = std::make_shared<ReadJob>();
    job->waiting = &loop;
    InputBlocker blocker;
    QCoreApplication::instance()->installEventFilter(&blocker);
    startWorker(job, std::move(reader), path);

    QPointer<ReadingWindow> reading; // owned by owner, which may go first
    QTimer showDelay;
    showDelay.setSingleShot(true);
    QObject::connect(&showDelay, &QTimer::timeout, [&] {
        reading = new ReadingWindow(owner, language);
        reading->showOverOwner();
    });
    showDelay.start(ReadingWindow::kShowDelayMs);
    loop.exec();
    QCoreApplication::instance()->removeEventFilter(&blocker);
    delete reading.data();

    const std::lock_guard lock(job->mutex);
    job->waiting = nullptr;
    // The loop also ends when the program quits; the worker then finishes alone.
    if (!job->finished)
        return readFailure("reading was interrupted because the program is closing");
    return std::move(job->result);
}

} // namespace vantrel

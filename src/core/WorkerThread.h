#pragma once

#include <QThread>
#include <functional>
#include <memory>

namespace mirato {

// A thread that runs one piece of work and ends, waited for by its owner. It is a thread Qt
// made, not a plain one: Qt objects made on it (a file read, a library loaded) then end with
// it the way Qt ends its own, where a plain thread that Qt had to adopt for them brought the
// Windows program down at its end now and then.
class WorkerThread {
public:
    WorkerThread() = default;
    ~WorkerThread() { join(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Waits for the work before, if any, then runs this.
    void start(std::function<void()> work) {
        join();
        thread_.reset(QThread::create(std::move(work)));
        thread_->start();
    }
    // Waits until the work is done; nothing happens when none was started.
    void join() {
        if (!thread_)
            return;
        thread_->wait();
        thread_.reset();
    }
    bool joinable() const { return thread_ != nullptr; }

private:
    std::unique_ptr<QThread> thread_;
};

}  // namespace mirato

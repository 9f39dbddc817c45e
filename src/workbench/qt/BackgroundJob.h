// One computation at a time on a worker thread, its result handed back on the window's
// thread. The work gets its own copy of whatever it reads, so the windows go on using
// the model meanwhile.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace lm {

template <class Result>
class BackgroundJob {
public:
    explicit BackgroundJob(QObject* owner) : owner_(owner) {}

    bool Running() const { return running_; }

    // `done` runs on the owner's thread when the work has finished; not at all once the
    // owner is gone.
    template <class Work, class Done>
    void Start(Work work, Done done) {
        running_ = true;
        auto* watcher = new QFutureWatcher<Result>(owner_);
        QObject::connect(watcher, &QFutureWatcherBase::finished, owner_, [this, watcher, done] {
            running_ = false;
            const Result result = watcher->result();
            watcher->deleteLater();
            done(result);
        });
        watcher->setFuture(QtConcurrent::run(std::move(work)));
    }

private:
    QObject* owner_;
    bool running_ = false;
};

}  // namespace lm

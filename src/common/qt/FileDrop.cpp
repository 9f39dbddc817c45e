// Taking a dropped file through an event filter, so the window needs no handlers of its own.

#include "common/qt/FileDrop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace lm {

namespace {

// The one local file the drag carries; empty for anything else.
QString DroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    return urls.front().toLocalFile();
}

class FileDropFilter : public QObject {
public:
    FileDropFilter(QWidget* window, std::function<void(const QString&)> open)
        : QObject(window), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* e = static_cast<QDropEvent*>(event);
            if (DroppedFile(e->mimeData()).isEmpty()) {
                e->ignore();
            } else {
                e->setDropAction(Qt::CopyAction);
                e->accept();
            }
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* e = static_cast<QDropEvent*>(event);
            const QString path = DroppedFile(e->mimeData());
            if (path.isEmpty()) return false;
            e->setDropAction(Qt::CopyAction);
            e->accept();
            QTimer::singleShot(0, this, [this, path] { open_(path); });
            return true;
        }
        return false;
    }

private:
    std::function<void(const QString&)> open_;
};

}  // namespace

void AcceptFileDrops(QWidget* window, std::function<void(const QString& path)> open) {
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window, std::move(open)));
}

}  // namespace lm

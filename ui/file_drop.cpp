#include "ui/file_drop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The path of the one local file a drag carries, or empty.
QString OneLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    return data->urls().front().toLocalFile();
}

}  // namespace

FileDrop::FileDrop(std::function<void(const QString& path)> dropped, QObject* parent)
    : QObject(parent), dropped_(std::move(dropped))
{
}

bool FileDrop::eventFilter(QObject*, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = OneLocalFile(drop->mimeData());
    if (path.isEmpty()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) dropped_(path);
    return true;
}

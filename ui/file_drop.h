#pragma once

#include <functional>

#include <QObject>
#include <QString>

// Watches a widget for a drag that carries exactly one local file and, when
// it is dropped, hands on the file's path. Every other drag, text included,
// goes on to the widget as before.
class FileDrop : public QObject {
public:
    FileDrop(std::function<void(const QString& path)> dropped, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString& path)> dropped_;
};

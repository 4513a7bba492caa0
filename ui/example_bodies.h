#pragma once

#include <vector>

#include <QString>

// The example bodies in a folder, for File ▸ Open example: each data file
// with a name to read, "L shape" for l-shape.txt, the known ones in the order
// that goes from simple to irregular, then any others by name.
struct ExampleBody {
    QString title;
    QString path;
};

std::vector<ExampleBody> ExampleBodies(const QString& folder);

// A recent file's menu entry: its name, then the folder it is in, with the
// home folder as ~.
QString RecentFileTitle(const QString& path);

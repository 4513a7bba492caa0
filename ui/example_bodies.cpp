#include "ui/example_bodies.h"

#include <algorithm>
#include <iterator>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

struct KnownBody {
    const char* stem;
    const char* title;
};

const KnownBody kKnownBodies[] = {
    {"rod", QT_TRANSLATE_NOOP("ExampleBodies", "Rod")},
    {"dumbbell", QT_TRANSLATE_NOOP("ExampleBodies", "Dumbbell")},
    {"l-shape", QT_TRANSLATE_NOOP("ExampleBodies", "L shape")},
    {"triangle", QT_TRANSLATE_NOOP("ExampleBodies", "Triangle")},
    {"ring", QT_TRANSLATE_NOOP("ExampleBodies", "Ring")},
    {"blob", QT_TRANSLATE_NOOP("ExampleBodies", "Irregular blob")},
};

// "two-discs" reads "Two discs".
QString TitleOfStem(const QString& stem)
{
    for (const KnownBody& known : kKnownBodies)
        if (stem == QLatin1String(known.stem)) return QCoreApplication::translate("ExampleBodies", known.title);
    QString title = stem;
    title.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!title.isEmpty()) title[0] = title[0].toUpper();
    return title;
}

std::ptrdiff_t Rank(const QString& stem)
{
    const auto known = std::find_if(std::begin(kKnownBodies), std::end(kKnownBodies),
                                    [&stem](const KnownBody& body) { return stem == QLatin1String(body.stem); });
    return std::distance(std::begin(kKnownBodies), known);
}

}  // namespace

std::vector<ExampleBody> ExampleBodies(const QString& folder)
{
    QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return Rank(a.completeBaseName()) < Rank(b.completeBaseName());
    });
    std::vector<ExampleBody> bodies;
    for (const QFileInfo& file : files) bodies.push_back({TitleOfStem(file.completeBaseName()), file.filePath()});
    return bodies;
}

QString RecentFileTitle(const QString& path)
{
    const QFileInfo file(path);
    QString folder = QDir::toNativeSeparators(file.absolutePath());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder == home || folder.startsWith(home + QDir::separator()))
        folder = QStringLiteral("~") + folder.mid(home.size());
    return QCoreApplication::translate("ExampleBodies", "%1 (in %2)").arg(file.fileName(), folder);
}

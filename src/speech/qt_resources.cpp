#include "speech/qt_resources.h"

#include <QDir>
#include <QFile>

namespace yacht {
namespace {

// The entry of `folder` whose name equals `name` without regard to case; empty when none does.
QString findEntry(const QString& folder, const QString& name, QDir::Filters kind)
{
    if (name.isEmpty() || name.contains('/')) return {};
    const QStringList entries = QDir(folder).entryList(kind | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + "/" + entry;
    return {};
}

class QtResources : public Resources {
public:
    std::optional<std::vector<uint8_t>> load(const std::string& type, const std::string& name) override
    {
        const QString folder = findEntry(":", QString::fromStdString(type), QDir::Dirs);
        if (folder.isEmpty()) return std::nullopt;
        const QString path = findEntry(folder, QString::fromStdString(name), QDir::Files);
        if (path.isEmpty()) return std::nullopt;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        const QByteArray bytes = file.readAll();
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }
};

}  // namespace

std::unique_ptr<Resources> makeQtResources()
{
    return std::make_unique<QtResources>();
}

}  // namespace yacht

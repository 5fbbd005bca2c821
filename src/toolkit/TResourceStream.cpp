// Resources live in Qt's resource system under ":/res/<TYPE>/<NAME>.<ext>" (see
// resources/Resources.cmake); the look-up walks the two directory levels comparing without case.
#include "toolkit/TResourceStream.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace {

const QString kRoot = QStringLiteral(":/res");

QString qtText(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The entry of dir whose name (up to the first ".") equals name without case, or "".
QString findEntry(const QDir& dir, const QString& name, QDir::Filters filter) {
    const QStringList entries = dir.entryList(filter);
    for (const QString& entry : entries) {
        const QString base = entry.section(QLatin1Char('.'), 0, 0);
        if (base.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

} // namespace

AnsiString FindResource(std::string_view ResType, std::string_view ResName) {
    if (!ResName.empty() && ResName.front() == '#')
        ResName.remove_prefix(1);
    if (ResType.empty() || ResName.empty())
        return AnsiString();
    const QDir root(kRoot);
    const QString type = findEntry(root, qtText(tk::toUtf8(ResType)), QDir::Dirs);
    if (type.isEmpty())
        return AnsiString();
    const QDir typeDir(kRoot + QLatin1Char('/') + type);
    const QString file = findEntry(typeDir, qtText(tk::toUtf8(ResName)), QDir::Files);
    if (file.isEmpty())
        return AnsiString();
    return tk::fromUtf8(typeDir.filePath(file).toStdString());
}

TResourceStream::TResourceStream(std::string_view ResName, std::string_view ResType) {
    const AnsiString locator = FindResource(ResType, ResName);
    QFile file(qtText(tk::toUtf8(locator)));
    if (locator.empty() || !file.open(QIODevice::ReadOnly))
        throw EResNotFound("Resource " + AnsiString(ResName) + " of type " + AnsiString(ResType) + " not found");
    const QByteArray bytes = file.readAll();
    TMemoryStream::Write(bytes.constData(), bytes.size());
    SetPosition(0);
}

TResourceStream::TResourceStream(int ResID, std::string_view ResType)
    : TResourceStream(std::to_string(ResID), ResType) {}

int64_t TResourceStream::Write(const void*, int64_t) {
    throw EStreamError("Can't write to a read-only resource stream");
}

void TResourceStream::SetSize(int64_t) { throw EStreamError("Can't write to a read-only resource stream"); }

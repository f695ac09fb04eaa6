// SPDX-License-Identifier: MIT
#include "applicationInfo.h"

#include <QGuiApplication>
#include <QIconEngine>

#include <algorithm>
#include <optional>

namespace ApplicationInfo {
namespace {

// An icon whose files are read when a pixmap of it is first asked for.
// QIcon::addFile reads and decodes each picture at once, even when told the
// picture's size (Qt reads the file to find the image of that size): the five
// pictures cost the start-up more than all its captions, yet a window icon
// may never be drawn at all (the offscreen platform, for one, draws none).
// The sizes are known from the names, so asking which sizes there are reads
// nothing; the first pixmap or paint reads every file into a plain QIcon,
// which then draws exactly as an icon made with addFile would.
class FilesOnDemand final : public QIconEngine
{
public:
    FilesOnDemand() = default;

    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        m_files.append({fileName, size, mode, state});
        m_read.reset();
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        QList<QSize> sizes;
        for (const File &file : m_files)
            if (file.mode == mode && file.state == state)
                sizes.append(file.size);
        return sizes;
    }

    // As Qt chooses: the smallest picture with at least the area asked for,
    // or else the largest, shrunk to fit the size asked for. Every file of
    // the program's icon is for the normal mode and the off state, which Qt
    // falls back to for every other mode and state.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const auto area = [](QSize s) { return qint64(s.width()) * s.height(); };
        const qint64 wanted = area(size);
        QSize chosen;
        for (bool first = true; const File &file : m_files) {
            const qint64 a = area(file.size);
            const qint64 b = area(chosen);
            if (first || (std::min(a, b) >= wanted ? a <= b : a >= b))
                chosen = file.size;
            first = false;
        }
        if (chosen.width() > size.width() || chosen.height() > size.height())
            chosen.scale(size, Qt::KeepAspectRatio);
        return chosen;
    }

    // The size asked for is in device pixels here.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return read().pixmap(size, 1.0, mode, state);
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 the size asked for is in device-independent pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return read().pixmap(size, scale, mode, state);
    }
#endif

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        read().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QString key() const override { return QStringLiteral("CorvaneFilesOnDemand"); }
    QIconEngine *clone() const override { return new FilesOnDemand(*this); }

private:
    FilesOnDemand(const FilesOnDemand &) = default;

    const QIcon &read()
    {
        if (!m_read) {
            QIcon icon;
            for (const File &file : m_files)
                icon.addFile(file.name, file.size, file.mode, file.state);
            m_read = icon;
        }
        return *m_read;
    }

    struct File {
        QString name;
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
    };
    QList<File> m_files;
    std::optional<QIcon> m_read;
};

} // namespace

QIcon icon()
{
    QIcon result(new FilesOnDemand);
    for (const int size : iconSizes)
        result.addFile(QStringLiteral(":/corvane/icon-%1.png").arg(size), QSize(size, size));
    return result;
}

void apply()
{
    QGuiApplication::setApplicationName(QStringLiteral("corvane-calculator"));
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(displayName));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(version));
    QGuiApplication::setOrganizationName(QStringLiteral("Corvane"));
    QGuiApplication::setOrganizationDomain(QStringLiteral("corvane.com"));
    // Lets the desktop match the window to the installed .desktop file and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.Calculator"));
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setWindowIcon(icon());
}

} // namespace ApplicationInfo

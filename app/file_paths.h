// QString paths as the core's std::filesystem paths, on every platform.
#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace tv::app {

inline std::filesystem::path ToPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

} // namespace tv::app

#include "test_folder.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "stdio_file.h"

QString TestFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
    }
    return file.fileName();
}

QByteArray TestFolder::read(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + file.fileName().toStdString());
    }
    return file.readAll();
}

bool TestFolder::exists(const QString& name) const {
    return QFileInfo::exists(path(name)) || QFileInfo(path(name)).isSymLink();
}

QByteArray testData(const QString& relative) {
    QFile file(QStringLiteral(CUPRENA_TEST_DATA_DIR "/") + relative);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + file.fileName().toStdString());
    }
    return file.readAll();
}

QByteArray design(const QByteArray& body) {
    QByteArray text = "PCB FILE 4\n" + body + "ENDPCB\n";
    return text.replace("\n", "\r\n");
}

bool isFree(const QString& path) {
    try {
        CStdioFile file;
        file.open(path.toStdString(), CStdioFile::Mode::read);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

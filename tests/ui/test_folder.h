#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test's design files.
class TestFolder {
public:
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Writes `bytes` to the file `name` and returns its full path.
    QString write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// A test data file's bytes; `relative` is under the test data folder.
QByteArray testData(const QString& relative);

// A small design: the header line, `body` and the end marker, with CR LF
// line ends (`body` is given with LF).
QByteArray design(const QByteArray& body);

// True when nobody holds the file: it opens without sharing.
bool isFree(const QString& path);

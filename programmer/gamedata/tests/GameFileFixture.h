#pragma once

#include "programmer/gamedata/tests/GameDataFixture.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Game data whose program folder, and so whose "Tavrin.ini", is a fresh temporary folder.
class GameFileFixture : public GameDataFixture {
protected:
    GameFileFixture() { data.ProgramFolder = dir.path(); }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString iniPath() const { return path(QStringLiteral("Tavrin.ini")); }

    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static bool writeBytes(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }

    QTemporaryDir dir;
};

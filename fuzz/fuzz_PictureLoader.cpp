// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Board.h"
#include "library/PictureLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

QString InputPath()
{
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("input.jpg"));
}

// What the game needs of a prepared picture: exactly the play size, cut into 48 whole pieces.
void CheckPrepared(const PreparedPicture &prepared)
{
    if (!prepared.ok()) {
        if (prepared.error.isEmpty() || prepared.kind == PictureError::None)
            std::abort();
        return;
    }
    if (prepared.image.size() != PlaySize() || !prepared.error.isEmpty())
        std::abort();
    for (int piece = 0; piece < board::Cells; ++piece) {
        const board::Point origin = board::PieceOrigin(piece);
        const QImage cut = prepared.image.copy(origin.x, origin.y, board::PieceEdge, board::PieceEdge);
        const QPoint corner(board::PieceEdge - 1, board::PieceEdge - 1);
        if (cut.size() != QSize(board::PieceEdge, board::PieceEdge)
            || cut.pixel(corner) != prepared.image.pixel(QPoint(origin.x, origin.y) + corner))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The image plugins are found through the application, as in the game.
    static QCoreApplication app(*argc, *argv);
    // Broken files make the decoders complain by the thousand; only crashes and aborts matter here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QFile file(InputPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    // Every input is written to the same path, often within the same millisecond.
    PictureLoader::ClearCache();
    CheckPrepared(PictureLoader::Prepare(InputPath(), PlaySize()));
    return 0;
}

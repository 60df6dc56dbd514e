// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target's corpus among a suite's cases: every input kept must hold its rules.
#pragma once

#include <QDir>
#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

inline void addFuzzCorpusRows(const QString &folder)
{
    QTest::addColumn<QByteArray>("input");
    const QDir corpus(folder);
    for (const QString &name : corpus.entryList(QDir::Files)) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTest::newRow(qPrintable(name)) << file.readAll();
    }
}

inline void replayFuzzInput(const QByteArray &input)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.data()), size_t(input.size()));
}

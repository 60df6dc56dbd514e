// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a fuzz target over the files of its corpus, as libFuzzer would run them, so that every
// input it kept is checked in each test run: a broken rule stops the run with its reason.
//
// Usage: TARGET_replay FOLDER
#include <QDir>
#include <QFile>

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
// Only the targets that need it set anything up.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char *argv[])
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    if (argc != 2)
        qFatal("usage: %s FOLDER", argv[0]);
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const QStringList names = corpus.entryList(QDir::Files);
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(file.errorString()));
        std::printf("%s\n", qPrintable(name)); // named before a broken rule stops the run
        std::fflush(stdout);
        const QByteArray input = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                               size_t(input.size()));
    }
    std::printf("%lld inputs hold\n", static_cast<long long>(names.size()));
    return names.isEmpty() ? 1 : 0; // a corpus that is missing or empty proves nothing
}

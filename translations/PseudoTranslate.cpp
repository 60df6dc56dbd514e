// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a made-up translation from a translation's source texts: each text in accented letters
// and some 40 % longer, its places and line breaks kept, so that a control sized for the English
// shows where it clips.
// Usage: pseudo_translate SOURCE.ts PSEUDO.ts
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QString pseudo(const QString &text)
{
    static const QString plain = QStringLiteral("aceinouyACEINOUY");
    static const QString accented = QStringLiteral("åçéïñöüýÅÇÉÏÑÖÜÝ");
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Places (%1) and accelerators (&x) stay as they are.
        if ((c == u'%' || c == u'&') && i + 1 < text.size()) {
            result += c;
            result += text.at(++i);
            continue;
        }
        const qsizetype letter = plain.indexOf(c);
        result += letter < 0 ? c : accented.at(letter);
    }
    const qsizetype longer = (text.size() * 4 + 9) / 10;
    return result + u' ' + QString(std::max<qsizetype>(longer - 1, 0), u'\u00B7');
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    QFile in(QString::fromLocal8Bit(argv[1])), out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return 1;
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    QString source;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement()) {
            if (reader.name() == u"context" || reader.name() == u"message")
                writer.writeEndElement();
            continue;
        }
        if (!reader.isStartElement())
            continue;
        const QStringView name = reader.name();
        if (name == u"context") {
            writer.writeStartElement(QStringLiteral("context"));
        } else if (name == u"name") {
            writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
        } else if (name == u"message") {
            numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
            writer.writeStartElement(QStringLiteral("message"));
            if (numerus)
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
        } else if (name == u"source") {
            source = reader.readElementText();
            writer.writeTextElement(QStringLiteral("source"), source);
        } else if (name == u"comment") {
            writer.writeTextElement(QStringLiteral("comment"), reader.readElementText());
        } else if (name == u"translation") {
            reader.skipCurrentElement();
            writer.writeStartElement(QStringLiteral("translation"));
            const QString text
                    = source == u"QT_LAYOUT_DIRECTION" ? QStringLiteral("LTR") : pseudo(source);
            if (numerus) {
                for (int form = 0; form < 2; ++form)
                    writer.writeTextElement(QStringLiteral("numerusform"), text);
            } else {
                writer.writeCharacters(text);
            }
            writer.writeEndElement();
        } else if (name != u"TS") {
            reader.skipCurrentElement();
        }
    }
    writer.writeEndDocument();
    return reader.hasError() ? 1 : 0;
}

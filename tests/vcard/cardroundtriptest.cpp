// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random cards of other programs, every kind of property, encoding and version: pulled,
// changed in one field, merged; the result must read back, here and in python's vobject,
// with everything not changed exactly as it came.

#include "support/testregistry.h"
#include "vcard/vcardmapping.h"
#include "vcard/vcardmerge.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

namespace {

const QStringList kWords{"anna", "Björk", "Жанна", "李小龍", "o'neil", "Zoë",  "MÜLLER",
                         "x",    "dr.",   "émile", "😀",      "van",    "Ñandú"};

// Property names the change of each field touches.
const QList<QStringList> kTouched{{"FN", "N"}, {"EMAIL"}, {"ADR", "LABEL"}, {"NOTE"}, {"TEL"}};

class CardMaker
{
public:
    explicit CardMaker(quint32 seed) : random_(seed) {}

    QByteArray card()
    {
        version_ = pick<QByteArray>({"2.1", "3.0", "4.0"});
        QByteArray out = "BEGIN:VCARD\r\n";
        add(out, "VERSION:" + version_);
        const QString given = pick(kWords), family = pick(kWords);
        add(out, maybe("item9.") + "FN", {}, given + u' ' + family);
        add(out, "N", {}, {family, given, pick(kWords), {}, {}});
        for (int i = count(3); i > 0; --i) {
            add(out, maybe("item1.") + "EMAIL", pick<QByteArray>({"", "TYPE=home", "INTERNET"}),
                words(1) + QString::number(i) + u'@' + words(1) + ".test");
        }
        for (int i = count(2); i > 0; --i) {
            add(out, "ADR", maybe("TYPE=work"),
                {{}, {}, words(3) + ", " + QString::number(i), words(1), {}, "D-123", words(1)});
        }
        if (version_ == "3.0" && random_.bounded(2)) {
            add(out, "LABEL", {}, words(2) + "\n" + words(2));
        }
        for (int i = count(2); i > 0; --i) {
            add(out, "NOTE", {}, words(1 + random_.bounded(30)) + "\n; \\n, " + words(3));
        }
        for (int i = count(4); i > 0; --i) {
            const QString number = pick<QString>({"+49 171 5550123", "(0)89 123-4", "030/1234",
                                                  "+44\u00A020\u00A07946", "555-0100"});
            const bool uri = version_ == "4.0" && number.startsWith(u'+');
            add(out, "TEL",
                version_ == "2.1" ? pick<QByteArray>({"CELL;VOICE", "WORK;FAX", "HOME"})
                : uri             ? QByteArray("VALUE=uri;TYPE=\"work,voice\";PREF=1")
                      : pick<QByteArray>({"TYPE=cell", "TYPE=WORK,FAX", "TYPE=x-cellular"}),
                uri ? "tel:" + QString(number).remove(u' ') : number);
        }
        add(out, "ORG", {}, {words(2) + ", Inc.", words(1)});
        add(out, "BDAY", {}, pick<QString>({"19800101", "--0203", "1980-01-01"}));
        add(out, "X-CUSTOM", "X-PARAM=\"a:b;c\"", words(4));
        add(out, "item1.X-ABLabel", {}, "_$!<Other>!$_");
        photo(out);
        return out + "END:VCARD\r\n";
    }

    // The record as the user changed one field of it; which field in change.
    Record changed(Record record, int& change)
    {
        change = random_.bounded(5);
        switch (change) {
        case 0:
            record.name = (words(2) + " jr").toLower();
            break;
        case 1:
            record.email = record.email.isEmpty() || random_.bounded(2) ? "new@ex.test" : "";
            break;
        case 2:
            record.address = random_.bounded(4) ? words(4) + ";\\ 7" : QString();
            break;
        case 3:
            record.comment = random_.bounded(2) ? record.comment + "\nadded; ü, \\n" + words(2)
                                                : words(3) + "\n" + record.comment;
            break;
        default:
            if (!record.numbers.isEmpty() && random_.bounded(2)) {
                record.numbers.removeAt(random_.bounded(int(record.numbers.size())));
            } else {
                record.numbers.append(
                    {int(random_.bounded(7)), pick<QString>({"0049301", "0301"})});
            }
        }
        return record;
    }

private:
    template <typename T> T pick(const QList<T>& from)
    {
        return from[random_.bounded(int(from.size()))];
    }
    int count(int most) { return random_.bounded(most + 1); }
    QByteArray maybe(const QByteArray& text) { return random_.bounded(3) ? QByteArray() : text; }
    QString words(int n)
    {
        QStringList chosen;
        while (n-- > 0) {
            chosen.append(pick(kWords));
        }
        return chosen.join(u' ');
    }

    // 2.1 escapes only backslashes and semicolons; a line break needs quoted-printable.
    static QString escaped21(const QString& text)
    {
        QString escaped;
        for (const QChar c : text) {
            escaped += c == u'\\' || c == u';' ? QString(u'\\') + c
                       : c == u'\n'            ? QStringLiteral("\r\n")
                                               : QString(c);
        }
        return escaped;
    }

    // One property written as this version and a random encoding want, then folded.
    void add(QByteArray& out, const QByteArray& name, QByteArray parameters,
             const QStringList& components)
    {
        QStringList escaped;
        for (const QString& part : components) {
            escaped.append(version_ == "2.1" ? escaped21(part) : escapedText(part));
        }
        const QString value = escaped.join(u';');
        if (!parameters.isEmpty()) {
            parameters.prepend(';');
        }
        if (version_ != "2.1") {
            return add(out, name + parameters + ':' + value.toUtf8());
        }
        const bool latin1 = QString::fromLatin1(value.toLatin1()) == value;
        const bool plain = !value.contains(u'\n') && value.toLatin1() == value.toUtf8();
        if (plain && random_.bounded(2)) {
            return add(out, name + parameters + ':' + value.toLatin1());
        }
        const bool inLatin1 = latin1 && random_.bounded(2);
        const QByteArray bytes = inLatin1 ? value.toLatin1() : value.toUtf8();
        QByteArray encoded;
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            encoded += b > 32 && b < 127 && b != '='
                           ? QByteArray(1, c)
                           : '=' + QByteArray::number(b, 16).rightJustified(2, '0').toUpper();
        }
        QByteArray line =
            name + parameters +
            (random_.bounded(2) ? ";QUOTED-PRINTABLE" : ";ENCODING=QUOTED-PRINTABLE") +
            (inLatin1 ? ";CHARSET=ISO-8859-1" : ";CHARSET=UTF-8") + ':';
        for (qsizetype i = 0; i < encoded.size();) { // soft line breaks, never inside "=XX"
            qsizetype take = std::min<qsizetype>(20 + random_.bounded(50), encoded.size() - i);
            while (i + take < encoded.size() && encoded.mid(i + take - 2, 2).contains('=')) {
                ++take;
            }
            line += encoded.mid(i, take) + (i + take < encoded.size() ? "=\r\n" : "");
            i += take;
        }
        out += line + "\r\n";
    }
    void add(QByteArray& out, const QByteArray& name, const QByteArray& parameters,
             const QString& text)
    {
        add(out, name, parameters, QStringList{text});
    }
    void add(QByteArray& out, const QByteArray& line)
    {
        const int width = 30 + random_.bounded(46);
        for (qsizetype i = 0; i < line.size(); i += width) {
            out += (i > 0 ? " " : "") + line.mid(i, width) + "\r\n";
        }
    }
    void photo(QByteArray& out)
    {
        QByteArray picture(100 + random_.bounded(600), Qt::Uninitialized);
        for (char& byte : picture) {
            byte = char(random_.bounded(256));
        }
        const QByteArray base64 = picture.toBase64();
        if (version_ == "4.0") {
            return add(out, "PHOTO:data:image/jpeg;base64," + base64);
        }
        add(out, (version_ == "2.1" ? "PHOTO;ENCODING=BASE64;TYPE=JPEG:"
                                    : "PHOTO;ENCODING=b;TYPE=JPEG:") +
                     base64);
        out += version_ == "2.1" ? "\r\n" : "";
    }

    QRandomGenerator random_;
    QByteArray version_;
};

VCard onlyCard(const QByteArray& bytes)
{
    QList<VCard> cards;
    readVCards(bytes, [&](const VCard& card) { cards.append(card); });
    return cards.size() == 1 ? cards.front() : VCard();
}

// The lines of before that after lacks beyond what the change of a field may take: every FN,
// N and NOTE, a LABEL of the old address, one line of the other kinds it touches.
QList<QByteArray> lostLines(const VCard& before, const VCard& after, const QStringList& touched)
{
    QList<QByteArray> written;
    for (const VCardProperty& property : after.properties) {
        written.append(property.raw);
    }
    QHash<QString, int> replaced;
    QList<QByteArray> lost;
    for (const VCardProperty& p : before.properties) {
        if (p.name == u"REV" || written.removeOne(p.raw)) {
            continue;
        }
        const bool anyMayGo = QStringList{"FN", "N", "NOTE", "LABEL"}.contains(p.name);
        if (!touched.contains(p.name) || (!anyMayGo && ++replaced[p.name] > 1)) {
            lost.append(p.raw);
        }
    }
    return lost;
}

const char* kVobjectCheck = R"(
import json, sys, vobject
out = []
for name in sorted(sys.argv[1:]):
    data = open(name, 'rb').read()
    try:
        text = data.decode('utf-8')
    except UnicodeDecodeError:
        text = data.decode('latin-1')
    try:
        cards = list(vobject.readComponents(text))
        fn = cards[0].fn.value if len(cards) == 1 and hasattr(cards[0], 'fn') else None
        out.append([len(cards), len(list(cards[0].lines())) if cards else 0, fn])
    except Exception as error:
        out.append([0, 0, str(error)])
print(json.dumps(out))
)";

} // namespace

class CardRoundTripTest : public QObject
{
    Q_OBJECT

private slots:
    void mergedCardsReadBackEverywhere()
    {
        const quint32 randomSeed = QRandomGenerator::global()->generate();
        QTemporaryDir dir;
        QStringList files;
        QList<VCard> merged;
        QList<QByteArray> texts;
        for (const quint32 seed : {1u, 2u, 3u, 4u, 5u, 6u, randomSeed}) {
            CardMaker maker(seed);
            for (int i = 0; i < 60; ++i) {
                const QByteArray text = maker.card();
                const QString where = QStringLiteral("seed %1, card %2:\n%3")
                                          .arg(seed)
                                          .arg(i)
                                          .arg(QString::fromUtf8(text));
                const VCard card = onlyCard(text);
                const std::optional<Record> base = recordFromCard(card, "00").record;
                QVERIFY2(base, qPrintable(where));
                int change = 0;
                const Record changed = maker.changed(*base, change);
                const std::optional<QByteArray> out = mergedCard(card, *base, changed, "00");
                QVERIFY2(out && readsBackAs(*out, changed, "00"),
                         qPrintable(where + "\n" + out.value_or("")));
                merged.append(onlyCard(*out));
                texts.append(*out);
                const QList<QByteArray> lost = lostLines(card, merged.last(), kTouched[change]);
                QVERIFY2(lost.isEmpty(),
                         qPrintable(where + "\nlost: " + lost.join("\n") + "\n" + *out));
                files.append(
                    dir.filePath(QStringLiteral("%1.vcf").arg(files.size(), 4, 10, QChar(u'0'))));
                QFile file(files.last());
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*out) == out->size());
            }
        }
        QProcess python;
        python.start("/usr/bin/python3", QStringList{"-c", kVobjectCheck} + files);
        QVERIFY(python.waitForFinished(120000));
        const QByteArray errors = python.readAllStandardError();
        if (python.exitCode() != 0 && errors.contains("No module named 'vobject'")) {
            QSKIP("/usr/bin/python3 has no vobject (Debian python3-vobject): not read by it");
        }
        QVERIFY2(python.exitCode() == 0, errors.constData());
        const QJsonArray read = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(read.size(), merged.size());
        for (qsizetype i = 0; i < read.size(); ++i) {
            const QJsonArray one = read[i].toArray();
            QString fn;
            for (const VCardProperty& property : merged[i].properties) {
                fn = fn.isEmpty() && property.name == u"FN" ? property.text() : fn;
            }
            QVERIFY2(one[0].toInt() == 1 && one[1].toInt() == merged[i].properties.size() &&
                         one[2].toString() == fn,
                     qPrintable(QStringLiteral("random seed %1, %2: %3\n%4")
                                    .arg(randomSeed)
                                    .arg(files[i], QJsonDocument(one).toJson(),
                                         QString::fromUtf8(texts[i]))));
        }
    }
};

VENNOR_TEST(CardRoundTripTest)
#include "cardroundtriptest.moc"

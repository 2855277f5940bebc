// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testregistry.h"
#include "widgets/simplecombo.h"
#include "widgets/sortedtext.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

using namespace vennor;

namespace {

// Texts that probe the order: cases, digits ("100" before "20"), blanks and punctuation,
// accents and other scripts, characters the collator ignores.
QString randomText(QRandomGenerator& random)
{
    static const QString alphabet =
        QStringLiteral("aAbBchHsSzZiI019 .-'_,@/&()+~\"éÉèñßüÜåæøöıİœ€ÿ\u0301\u200b\u0416ｂ");
    QString text;
    // Few digits and long texts, so that many share their first eight characters.
    const bool plainDigits = random.bounded(4) == 0;
    for (int n = random.bounded(0, plainDigits ? 13 : 7); n > 0; --n) {
        text += plainDigits ? QChar(u'0' + random.bounded(3))
                            : alphabet.at(random.bounded(int(alphabet.size())));
    }
    return text;
}

int sign(int order)
{
    return (order > 0) - (order < 0);
}

QStringList sorted(const TextOrder& order, QStringList texts)
{
    order.sort(texts);
    return texts;
}

// The reference: the locale's collator as the user's language orders, case ignored, digits as
// text ("100" before "20").
QStringList byCollator(const QLocale& locale, QStringList texts)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::stable_sort(texts.begin(), texts.end(), collator);
    return texts;
}

} // namespace

// The fast paths of the sorted lists give exactly the collator's order.
class ListOrderTest : public QObject
{
    Q_OBJECT

private slots:
    // Random texts in languages whose letters and letter pairs sort their own ways (Danish
    // "aa" after "z", Czech "ch" after "h", Turkish dotless i, Hungarian "sz" but not "sZ",
    // Breton "c'h").
    void ordersAsTheCollator_data()
    {
        QTest::addColumn<QLocale>("locale");
        for (const char* name :
             {"en_US", "da_DK", "sv_SE", "de_DE", "tr_TR", "cs_CZ", "hu_HU", "br_FR"}) {
            QTest::newRow(name) << QLocale(QString::fromLatin1(name));
        }
    }

    void ordersAsTheCollator()
    {
        QFETCH(QLocale, locale);
        const TextOrder order(locale);
        QRandomGenerator random(13);
        for (int round = 0; round < 40; ++round) {
            QStringList texts;
            for (int i = random.bounded(1, 300); i > 0; --i) {
                texts << randomText(random);
            }
            for (qsizetype i = 1; i < texts.size(); ++i) {
                const QString& a = texts.at(i - 1);
                const QString& b = texts.at(i);
                QCOMPARE(sign(order.compare(a, b)), sign(order.compareByCollator(a, b)));
            }
            QCOMPARE(sorted(order, texts), byCollator(locale, texts));
        }
    }

    // Names as people of those languages write them, in their collation, case ignored.
    void followsTheLanguageOfTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("Danish") << QLocale(QLocale::Danish, QLocale::Denmark)
                                << QStringList{"Åse",     "aase", "Zacho", "Ærø",
                                               "Aagaard", "Abel", "Øster", "ørsted",
                                               "Yde",     "Ebbe", "AAGE"};
        QTest::newRow("Swedish") << QLocale(QLocale::Swedish, QLocale::Sweden)
                                 << QStringList{"Örjan", "Åke",    "ärla", "Oskar", "Zlatan",
                                                "Wilma", "Viktor", "olle", "Ängel", "Aron"};
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                                << QStringList{"Müller", "Mueller", "muller", "Maier",   "Mayer",
                                               "Öztürk", "Ozan",    "Straße", "Strasse", "Zander"};
        QTest::newRow("Hungarian") << QLocale(QLocale::Hungarian, QLocale::Hungary)
                                   << QStringList{"sZ b", "Sz a",  "Szabó",     "Sarolta", "Tamás",
                                                  "Cseh", "Czakó", "Dzsenifer", "Gyula",   "gz"};
        QTest::newRow("Breton") << QLocale(QLocale::Breton, QLocale::France)
                                << QStringList{"C'hoari", "Christ", "Cinema", "c'hwec'h",
                                               "Caradec", "Cz",     "c'a"};
        QTest::newRow("Turkish") << QLocale(QLocale::Turkish, QLocale::Turkey)
                                 << QStringList{"ismet", "Irmak", "ılgın", "İpek", "Işık", "Cem",
                                                "çiçek", "Selin", "Şule",  "Uğur", "Ünal"};
    }

    void followsTheLanguageOfTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, names);
        const QStringList expected = byCollator(locale, names);
        QCOMPARE(sorted(TextOrder(locale), names), expected);
        for (const QString& name : expected) {
            names << name.toLower() << QStringLiteral("100 ") + name
                  << QStringLiteral("20 ") + name;
        }
        QCOMPARE(sorted(TextOrder(locale), names), byCollator(locale, names));
    }

    // Entries added one by one, in bulk and at positions, then looked up and removed: the box
    // agrees with a plain list searched from the start.
    void sortedBoxFindsAsALinearSearch()
    {
        QRandomGenerator random(7);
        SimpleCombo box;
        box.setSorted(true);
        QStringList bulk;
        for (int i = 0; i < 200; ++i) {
            bulk << randomText(random);
        }
        box.addItems(bulk);
        for (int i = 0; i < 3; ++i) {
            box.insertItem(box.count(), QString());
        }
        for (int step = 0; step < 300; ++step) {
            const QString text = randomText(random);
            switch (random.bounded(4)) {
            case 0:
                box.removeItem(box.indexOf(text));
                break;
            case 1:
                box.insertItem(random.bounded(box.count() + 1), text); // may break the order
                break;
            default:
                box.addItem(text);
            }
            const QStringList entries = box.entries();
            QCOMPARE(box.indexOf(text), int(entries.indexOf(text)));
            const QString some = entries.value(random.bounded(int(entries.size()) + 1));
            QCOMPARE(box.indexOf(some), int(entries.indexOf(some)));
        }
    }
};

VENNOR_TEST(ListOrderTest)
#include "listordertest.moc"

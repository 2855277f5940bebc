// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/about/aboutbox.h"
#include "gui/about/helpcommands.h"
#include "support/modaldriver.h"
#include "support/testregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace vennor;

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { help::setUrlOpener({}); }

    // Ok and Esc only hide the box; the same box shows again.
    void boxShowsTwice()
    {
        QWidget main;
        QPointer<AboutBox> box = new AboutBox(&main);
        test::ModalDriver driver;
        for (const bool escape : {false, true}) {
            driver.whenShown<AboutBox>([&](AboutBox* shown) {
                QCOMPARE(shown, box.data());
                escape ? QTest::keyClick(shown, Qt::Key_Escape) : shown->okButton_->click();
            });
            box->exec();
            QVERIFY(driver.waitAllHandled());
            QVERIFY(!box.isNull() && !box->isVisible());
        }
    }
};

VENNOR_TEST(AboutTest)
#include "abouttest.moc"

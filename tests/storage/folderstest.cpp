#include "platform/folders.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

class FoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void followsXdgFolders()
    {
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        const QByteArray oldData = qgetenv("XDG_DATA_HOME");
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + "/conf"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + "/data/"));
        QCOMPARE(folders::settingsFilePath(), dir.path() + "/conf/vennor/com.exe");
        QCOMPARE(folders::phoneBookPath(QStringLiteral("My Book")),
                 dir.path() + "/data/vennor/My Book.dat");
        // Unset or relative: the usual places under the home folder.
        qputenv("XDG_CONFIG_HOME", "");
        qputenv("XDG_DATA_HOME", "relative/path");
        QCOMPARE(folders::settingsFolder(), QDir::homePath() + "/.config/vennor/");
        QCOMPARE(folders::phoneBookFolder(), QDir::homePath() + "/.local/share/vennor/");
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("XDG_DATA_HOME", oldData);

        QVERIFY(folders::ensureFolderOf(dir.path() + "/a/b/com.exe"));
        QVERIFY(QFileInfo(dir.path() + "/a/b").isDir());
    }
};

VENNOR_TEST(FoldersTest)
#include "folderstest.moc"

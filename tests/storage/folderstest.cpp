#include "platform/folders.h"
#include "support/testregistry.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace vennor;

namespace {

// Sets an environment variable for the life of the object.
class EnvValue
{
public:
    EnvValue(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name))
    {
        had_ = qEnvironmentVariableIsSet(name);
        qputenv(name, value);
    }
    ~EnvValue()
    {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    EnvValue(const EnvValue&) = delete;
    EnvValue& operator=(const EnvValue&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_ = false;
};

} // namespace

class FoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void followsXdgFolders()
    {
        QTemporaryDir dir;
        const EnvValue config("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + "/conf"));
        const EnvValue data("XDG_DATA_HOME", QFile::encodeName(dir.path() + "/data/"));
        QCOMPARE(folders::settingsFilePath(), dir.path() + "/conf/vennor/com.exe");
        QCOMPARE(folders::phoneBookPath(QStringLiteral("My Book")),
                 dir.path() + "/data/vennor/My Book.dat");
        QVERIFY(folders::settingsFolder().endsWith(QLatin1Char('/')));
        QVERIFY(folders::phoneBookFolder().endsWith(QLatin1Char('/')));
    }

    void unsetOrRelativeFallsBackToHome()
    {
        const EnvValue config("XDG_CONFIG_HOME", "");
        const EnvValue data("XDG_DATA_HOME", "relative/path");
        QCOMPARE(folders::settingsFolder(), QDir::homePath() + "/.config/vennor/");
        QCOMPARE(folders::phoneBookFolder(), QDir::homePath() + "/.local/share/vennor/");
    }

    void makesMissingFolders()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + "/a/b/com.exe";
        QVERIFY(folders::ensureFolderOf(file));
        QVERIFY(QFileInfo(dir.path() + "/a/b").isDir());
        QVERIFY(folders::ensureFolderOf(file)); // already there
    }
};

VENNOR_TEST(FoldersTest)
#include "folderstest.moc"

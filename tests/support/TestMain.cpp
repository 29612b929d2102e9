// Every test program starts here: a QApplication on the offscreen platform, a private settings
// folder, and the locale pinned to English (United States) unless a test picks another.
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

namespace {

// The PostgreSQL run of a program whose tests run on both engines, on a machine without a server.
class NoServer : public testing::Environment
{
public:
    void SetUp() override
    {
        GTEST_SKIP() << "MARBELISTO_TEST_DB no está definida: estas pruebas corren solo sobre SQLite";
    }
};

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (testsupport::TestDatabase::postgresRequested() && testsupport::TestDatabase::serverAddress().isEmpty())
        testing::AddGlobalTestEnvironment(new NoServer);
    return RUN_ALL_TESTS();
}

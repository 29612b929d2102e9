#include "marbelisto/app/CommandContext.h"
#include "marbelisto/app/NewDatabaseOffer.h"
#include "marbelisto/host/Framework.h"

#include "toolkit/VariantConvert.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

using marbelisto::NewDatabaseOffer;

namespace {

// Clicks the named button of the offer as soon as it is on screen, through its window as a
// user's click arrives.
void clickWhenShown(const QString &button)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        auto *target = box && box->windowHandle() && box->windowHandle()->isExposed()
                           ? box->findChild<QAbstractButton *>(button)
                           : nullptr;
        if (!target || box->objectName() != "NewDatabaseOffer")
            return;
        timer->deleteLater();
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, target->mapTo(box, target->rect().center()));
    });
    timer->start(20);
}

qint64 count(const QString &dataPath, const char *table)
{
    const auto framework = marbelisto::Framework::open(dataPath, "ANA");
    return toolkit::toLong(framework->ReadScalarA(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table), {}));
}

} // namespace

TEST(NewDatabaseOffer, TheFirstStartCreatesAnEmptyOrADemoDatabaseOrNothing)
{
    QTemporaryDir empty;
    QTemporaryDir demo;
    QTemporaryDir none;
    QCommandLineParser parser;
    QString output;
    QTextStream out(&output);

    const struct
    {
        const QTemporaryDir &folder;
        const char *button;
        NewDatabaseOffer::Choice choice;
    } cases[] = {
        {empty, "cbVacia", NewDatabaseOffer::Choice::Empty},
        {demo, "cbDemo", NewDatabaseOffer::Choice::Demo},
        {none, "cbSalir", NewDatabaseOffer::Choice::Cancel},
    };
    for (const auto &c : cases) {
        clickWhenShown(c.button);
        const NewDatabaseOffer::Choice choice = NewDatabaseOffer::ask(c.folder.path());
        ASSERT_EQ(int(choice), int(c.choice)) << c.button;
        if (choice != NewDatabaseOffer::Choice::Cancel)
            NewDatabaseOffer::create(marbelisto::CommandContext(parser, c.folder.path(), "ANA", out, out), choice);
    }

    EXPECT_EQ(count(empty.path(), "facturas") + count(empty.path(), "gdVontarelis"), 0);
    EXPECT_GT(count(demo.path(), "facturas"), 0);
    EXPECT_GT(count(demo.path(), "gdVontarelis"), 0);
    EXPECT_FALSE(QFile::exists(none.filePath("marbelisto.db")));
}

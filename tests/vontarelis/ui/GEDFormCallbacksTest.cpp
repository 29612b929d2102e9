#include "vontarelis/ui/GEDFormCallbacks.h"

#include <QObject>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// A form that declares its handlers with other integer types than int, and one with no integers.
class LongForm : public QObject
{
    Q_OBJECT
public:
    Q_INVOKABLE bool ValidateCell(long row, long col)
    {
        return ask(QStringLiteral("ValidateCell %1,%2").arg(row).arg(col), row != 3);
    }
    Q_INVOKABLE bool IsRowValid(qint16 row) { return ask(QStringLiteral("IsRowValid %1").arg(row)); }
    Q_INVOKABLE bool MayAddRow(qint64 newRow) { return ask(QStringLiteral("MayAddRow %1").arg(newRow)); }
    Q_INVOKABLE void FillNewRow(int newRow) { ask(QStringLiteral("FillNewRow %1").arg(newRow)); }
    Q_INVOKABLE bool MayDeleteRow(const QString &row) { return ask(QStringLiteral("MayDeleteRow ") + row); }

    bool ask(const QString &call, bool answer = false)
    {
        asked << call;
        return answer;
    }
    QStringList asked;
};

} // namespace

TEST(GEDFormCallbacksTest, HandlersWithAnyUsualIntegerTypeAreAskedAndOneWithoutIntegersIsWarnedAboutOnce)
{
    LongForm form;
    vontarelis::GEDFormCallbacks callbacks;
    callbacks.setForm(&form);
    EXPECT_FALSE(callbacks.ValidateCell(3, 1));
    EXPECT_TRUE(callbacks.ValidateCell(2, 4));
    EXPECT_FALSE(callbacks.IsRowValid(5));
    EXPECT_FALSE(callbacks.MayAddRow(70000));
    callbacks.FillNewRow(8);
    EXPECT_EQ(form.asked, (QStringList{"ValidateCell 3,1", "ValidateCell 2,4", "IsRowValid 5", "MayAddRow 70000",
                                       "FillNewRow 8"}));

    static QStringList warnings;
    const auto collect = [](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type == QtWarningMsg)
            warnings << text;
    };
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    const bool first = callbacks.MayDeleteRow(2);
    const bool second = callbacks.MayDeleteRow(3);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(first && second) << "a handler that cannot be asked consents";
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QLatin1String("LongForm::MayDeleteRow")));
    EXPECT_EQ(form.asked.size(), 5);

    callbacks.setForm(nullptr);
    EXPECT_TRUE(callbacks.IsRowValid(1)) << "no form consents";
}

#include "GEDFormCallbacksTest.moc"

#include "hostlibs/HostLibraries.h"
#include "support/ScriptedCommonUtilities.h"
#include "toolkit/FlexGrid.h"
#include "toolkit/FocusValidator.h"
#include "toolkit/KeyPreview.h"
#include "toolkit/WindowInput.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using toolkit::FocusValidator;

namespace {

// A dialog in the shape of the system's forms: a validated driver code, a plate, a grid,
// "Procesar" and a non-validating "Cancelar", with every key passed to CommonUtilities first.
class EntryDialog
{
public:
    EntryDialog()
    {
        dialog = std::make_unique<QDialog>();
        dialog->setObjectName(QStringLiteral("frmPrueba"));
        auto *layout = new QVBoxLayout(dialog.get());
        conductor = addField(layout, QStringLiteral("&Conductor:"), QStringLiteral("conductor"));
        placas = addField(layout, QStringLiteral("&Placas:"), QStringLiteral("placasVehiculo"));
        grid = new toolkit::FlexGrid(dialog.get());
        grid->setObjectName(QStringLiteral("detalles"));
        grid->setRows(5);
        layout->addWidget(grid);
        auto *buttons = new QHBoxLayout;
        cbOk = new QPushButton(QStringLiteral("P&rocesar"), dialog.get());
        cbOk->setObjectName(QStringLiteral("cbOk"));
        cbOk->setAutoDefault(false);
        cbCancelar = new QPushButton(QStringLiteral("Cancelar"), dialog.get());
        cbCancelar->setObjectName(QStringLiteral("cbCancelar"));
        cbCancelar->setAutoDefault(false);
        buttons->addWidget(cbOk);
        buttons->addWidget(cbCancelar);
        layout->addLayout(buttons);
        // "Procesar" last in the tab order, so that Backtab from the first field reaches a
        // control that validates.
        QWidget::setTabOrder(cbCancelar, cbOk);
        QObject::connect(cbOk, &QPushButton::clicked, [this] { ++okClicks; });
        QObject::connect(cbCancelar, &QPushButton::clicked, [this] { ++cancelClicks; });

        validator = new FocusValidator(dialog.get());
        validator->setValidator(conductor, [this] {
            ++checks;
            if (!conductor->text().trimmed().isEmpty())
                return true;
            hostlibs::CommonUtilities().ShowMessage(QStringLiteral("Por favor suministre un codigo válido"));
            return false;
        });
        validator->setCausesValidation(cbCancelar, false);
        new toolkit::KeyPreview(dialog.get(), [](qint16 &keyAscii, QWidget *active) {
            hostlibs::CommonUtilities().HandleKeyPress(keyAscii, active);
        });
    }

    void show()
    {
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        conductor->setFocus();
        QCoreApplication::processEvents();
        EXPECT_TRUE(conductor->hasFocus());
    }

    QLineEdit *addField(QVBoxLayout *layout, const QString &caption, const QString &name)
    {
        auto *label = new QLabel(caption, dialog.get());
        auto *edit = new QLineEdit(dialog.get());
        edit->setObjectName(name);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        return edit;
    }

    std::unique_ptr<QDialog> dialog;
    QLineEdit *conductor = nullptr;
    QLineEdit *placas = nullptr;
    toolkit::FlexGrid *grid = nullptr;
    QPushButton *cbOk = nullptr;
    QPushButton *cbCancelar = nullptr;
    FocusValidator *validator = nullptr;
    int checks = 0;
    int okClicks = 0;
    int cancelClicks = 0;
};

} // namespace

TEST(ValidationTest, TabBacktabAndEnterStayInAFailingFieldAndMoveOnOnceItPasses)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();

    QTest::keyClick(d.conductor, Qt::Key_Tab);
    EXPECT_TRUE(d.conductor->hasFocus());
    EXPECT_EQ(d.checks, 1);
    EXPECT_EQ(utilities->messages, QStringList{QStringLiteral("Por favor suministre un codigo válido")});
    QTest::keyClick(d.conductor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(d.conductor->hasFocus());
    QTest::keyClick(d.conductor, Qt::Key_Return);
    EXPECT_TRUE(d.conductor->hasFocus()) << "Enter becomes a Tab and is held the same way";
    EXPECT_EQ(d.checks, 3);

    QTest::keyClicks(d.conductor, QStringLiteral("ab12"));
    QTest::keyClick(d.conductor, Qt::Key_Return);
    EXPECT_TRUE(d.placas->hasFocus());
    EXPECT_EQ(d.checks, 4);
    EXPECT_EQ(d.conductor->text(), QStringLiteral("ab12")) << "Enter typed nothing into the field";

    // Leaving a field without a validator checks nothing.
    QTest::keyClick(d.placas, Qt::Key_Tab);
    EXPECT_EQ(d.checks, 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(d.placas->hasFocus());
    QTest::keyClick(d.placas, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(d.conductor->hasFocus());
    d.conductor->clear();
    QTest::keyClick(d.conductor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(d.conductor->hasFocus());
}

TEST(ValidationTest, AClickOnAButtonNeverReachesItWhileTheFieldFails)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();
    QSignalSpy pressed(d.cbOk, &QPushButton::pressed);

    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 0);
    EXPECT_EQ(pressed.count(), 0);
    EXPECT_FALSE(d.cbOk->isDown());
    EXPECT_TRUE(d.conductor->hasFocus());
    EXPECT_EQ(d.checks, 1);

    testinput::click(d.placas);
    EXPECT_TRUE(d.conductor->hasFocus()) << "nor does another field take the focus";
    QSignalSpy gridClicks(d.grid, &toolkit::FlexGrid::Click);
    testinput::click(d.grid->viewport(), QPoint(20, 5));
    EXPECT_EQ(gridClicks.count(), 0);
    EXPECT_TRUE(d.conductor->hasFocus());
    EXPECT_EQ(d.checks, 3);

    d.conductor->setText(QStringLiteral("AB12"));
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 1);
    EXPECT_TRUE(d.cbOk->hasFocus());
    EXPECT_EQ(d.checks, 4);
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 2);
    EXPECT_EQ(d.checks, 4) << "nothing is due once the field was left";
}

TEST(ValidationTest, CancelarGetsThroughAndTheCheckStaysDueForTheNextControl)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();

    testinput::click(d.cbCancelar);
    EXPECT_EQ(d.cancelClicks, 1);
    EXPECT_EQ(d.checks, 0);
    EXPECT_EQ(d.validator->pendingField(), d.conductor);

    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 0);
    EXPECT_EQ(d.checks, 1);
    EXPECT_TRUE(d.conductor->hasFocus()) << "the failing field takes the focus back";

    testinput::click(d.cbCancelar);
    EXPECT_EQ(d.cancelClicks, 2);
    testinput::click(d.conductor);
    EXPECT_EQ(d.checks, 1) << "going back into the due field itself checks nothing";
    EXPECT_TRUE(d.conductor->hasFocus());

    // Backtab from the first field reaches "Procesar" the other way round: held too.
    QTest::keyClick(d.conductor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(d.conductor->hasFocus());
    EXPECT_EQ(d.checks, 2);
}

TEST(ValidationTest, MnemonicsAreHeldLikeClicks)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();
    QWindow *window = d.dialog->windowHandle();

    QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(d.okClicks, 0);
    QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(d.conductor->hasFocus()) << "a label's mnemonic moves no focus either";
    EXPECT_EQ(d.checks, 2);

    d.conductor->setText(QStringLiteral("AB12"));
    QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(d.placas->hasFocus());
    QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.okClicks == 1; }));
}

TEST(ValidationTest, ClosingTheWindowOrEscapeNeverValidates)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();
    QSignalSpy rejected(d.dialog.get(), &QDialog::rejected);

    QTest::keyClick(d.conductor, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_FALSE(d.dialog->isVisible());

    d.show();
    EXPECT_TRUE(d.dialog->close());
    EXPECT_FALSE(d.dialog->isVisible());
    EXPECT_EQ(d.checks, 0);
    EXPECT_TRUE(utilities->messages.isEmpty());
}

TEST(ValidationTest, EnterHandlersRunOnEntryButNotWhenAMessageBoxGivesTheFocusBack)
{
    hostlibs::InstallCommonUtilities(nullptr);
    EntryDialog d;
    QStringList hints;
    d.validator->setEnterHandler(d.conductor, [&] { hints << QStringLiteral("conductor"); });
    d.validator->setEnterHandler(d.grid, [&] { hints << QStringLiteral("detalles"); });
    QSignalSpy entered(d.validator, &FocusValidator::entered);
    d.show();
    EXPECT_EQ(hints, QStringList{QStringLiteral("conductor")});

    // The library's own CommonUtilities shows a real message box; close it as a user would.
    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::keyClick(d.conductor, Qt::Key_Tab);
    // The window manager gives the dialog back its activation when the box closes.
    d.dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(d.dialog.get()));
    EXPECT_TRUE(d.conductor->hasFocus());
    EXPECT_EQ(hints, QStringList{QStringLiteral("conductor")}) << "the focus came back, nobody entered";

    d.conductor->setText(QStringLiteral("AB12"));
    testinput::click(d.grid->viewport(), QPoint(20, 5));
    EXPECT_EQ(hints, (QStringList{QStringLiteral("conductor"), QStringLiteral("detalles")}));
    ASSERT_GE(entered.count(), 2);
    EXPECT_EQ(entered.last().at(0).value<QWidget *>(), d.grid);
}

TEST(ValidationTest, AThrowingCheckFailsAndAHiddenFieldIsNotChecked)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    QStringList errors;
    d.validator->setValidator(d.placas, []() -> bool { throw std::runtime_error("base de datos caída"); });
    d.validator->setErrorHandler([&](const std::exception &error) { errors << QString::fromUtf8(error.what()); });
    d.show();
    d.placas->setFocus();

    QTest::keyClick(d.placas, Qt::Key_Tab);
    EXPECT_TRUE(d.placas->hasFocus());
    EXPECT_EQ(errors, QStringList{QStringLiteral("base de datos caída")});

    // A due field that was hidden meanwhile holds nobody back.
    d.conductor->setFocus();
    testinput::click(d.cbCancelar);
    EXPECT_EQ(d.validator->pendingField(), d.conductor);
    d.conductor->hide();
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 1);
    EXPECT_EQ(d.checks, 0);
}

TEST(ValidationTest, APressInsideACompositeFieldStaysInIt)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    auto *box = new QWidget(d.dialog.get());
    auto *row = new QHBoxLayout(box);
    auto *edit = new QLineEdit(box);
    auto *lookup = new QToolButton(box);
    lookup->setFocusPolicy(Qt::NoFocus);
    row->addWidget(edit);
    row->addWidget(lookup);
    box->setFocusProxy(edit);
    d.dialog->layout()->addWidget(box);
    int lookups = 0;
    QObject::connect(lookup, &QToolButton::clicked, [&] { ++lookups; });
    int boxChecks = 0;
    d.validator->setValidator(box, [&] {
        ++boxChecks;
        return !edit->text().isEmpty();
    });
    d.conductor->setText(QStringLiteral("AB12"));
    d.show();
    edit->setFocus();

    testinput::click(lookup);
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(boxChecks, 0);
    EXPECT_TRUE(edit->hasFocus());

    testinput::click(d.cbOk);
    EXPECT_EQ(boxChecks, 1);
    EXPECT_EQ(d.okClicks, 0);
    edit->setText(QStringLiteral("x"));
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 1);
}

TEST(ValidationTest, KeyPreviewSeesTypedKeysFirstAndSwallowsTheOnesItClears)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    QList<QPair<qint16, QWidget *>> seen;
    new toolkit::KeyPreview(d.dialog.get(), [&](qint16 &keyAscii, QWidget *active) {
        seen.append({keyAscii, active});
        if (keyAscii == '?')
            keyAscii = 0;
    });
    d.show();
    d.placas->setFocus();

    QTest::keyClicks(d.placas, QStringLiteral("a?b"));
    EXPECT_EQ(d.placas->text(), QStringLiteral("ab"));
    QTest::keyClick(d.placas, Qt::Key_Left);
    ASSERT_EQ(seen.size(), 3) << "keys that type nothing are not shown";
    EXPECT_EQ(seen.at(1).first, qint16('?'));
    EXPECT_EQ(seen.at(1).second, d.placas);
}

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

const QString CodeMessage = QStringLiteral("Por favor suministre un codigo válido");

// A dialog in the shape of the system's forms, its controls created in tab order: a validated
// driver code, a plate, a grid, "Procesar" and a non-validating "Cancelar", with every key
// passed to CommonUtilities first.
struct EntryDialog
{
    EntryDialog()
    {
        auto *layout = new QVBoxLayout(dialog.get());
        for (QLineEdit *field : {conductor, placas}) {
            auto *label = new QLabel(field == conductor ? QStringLiteral("&Conductor:") : QStringLiteral("&Placas:"));
            label->setBuddy(field);
            layout->addWidget(label);
            layout->addWidget(field);
        }
        grid->setRows(5);
        layout->addWidget(grid);
        for (QPushButton *button : {cbOk, cbCancelar}) {
            button->setAutoDefault(false);
            layout->addWidget(button);
        }
        // "Procesar" last in the tab order, so that Backtab from the first field reaches a
        // control that validates.
        QWidget::setTabOrder(cbCancelar, cbOk);
        QObject::connect(cbOk, &QPushButton::clicked, [this] { ++okClicks; });
        QObject::connect(cbCancelar, &QPushButton::clicked, [this] { ++cancelClicks; });
        validator->setValidator(conductor, [this] {
            ++checks;
            if (!conductor->text().trimmed().isEmpty())
                return true;
            hostlibs::CommonUtilities().ShowMessage(CodeMessage);
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
    void key(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(QApplication::focusWidget(), key, mods); }
    void backtab() { key(Qt::Key_Backtab, Qt::ShiftModifier); }
    // Where the focus is and how many checks of the driver code ran.
    std::pair<QWidget *, int> state() const { return {QApplication::focusWidget(), checks}; }

    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    QLineEdit *conductor = new QLineEdit(dialog.get());
    QLineEdit *placas = new QLineEdit(dialog.get());
    toolkit::FlexGrid *grid = new toolkit::FlexGrid(dialog.get());
    QPushButton *cbOk = new QPushButton(QStringLiteral("P&rocesar"), dialog.get());
    QPushButton *cbCancelar = new QPushButton(QStringLiteral("Cancelar"), dialog.get());
    FocusValidator *validator = new FocusValidator(dialog.get());
    int checks = 0;
    int okClicks = 0;
    int cancelClicks = 0;
};

std::pair<QWidget *, int> at(QWidget *focus, int checks)
{
    return {focus, checks};
}

} // namespace

TEST(ValidationTest, TabBacktabAndEnterStayInAFailingFieldAndMoveOnOnceItPasses)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();

    d.key(Qt::Key_Tab);
    EXPECT_EQ(d.state(), at(d.conductor, 1));
    EXPECT_EQ(utilities->messages, QStringList{CodeMessage});
    d.backtab();
    EXPECT_EQ(d.state(), at(d.conductor, 2));
    d.key(Qt::Key_Return);
    EXPECT_EQ(d.state(), at(d.conductor, 3)) << "Enter becomes a Tab and is held the same way";

    // Typed keys are previewed first, with the control they go to; a cleared one is swallowed.
    QString previewed;
    new toolkit::KeyPreview(d.dialog.get(), [&](qint16 &keyAscii, QWidget *active) {
        previewed += active == d.conductor ? QChar(keyAscii) : QChar('!');
        if (keyAscii == '?')
            keyAscii = 0;
    });
    QTest::keyClicks(d.conductor, QStringLiteral("a?b12"));
    d.key(Qt::Key_Left);
    EXPECT_EQ(previewed, QStringLiteral("a?b12")) << "keys that type nothing are not shown";
    d.key(Qt::Key_Return);
    EXPECT_EQ(d.state(), at(d.placas, 4));
    EXPECT_EQ(d.conductor->text(), QStringLiteral("ab12")) << "neither the swallowed key nor Enter typed anything";
    d.key(Qt::Key_Tab);
    d.backtab();
    d.backtab();
    EXPECT_EQ(d.state(), at(d.conductor, 4)) << "leaving a field without a validator checks nothing";
    d.conductor->clear();
    d.backtab();
    EXPECT_EQ(d.state(), at(d.conductor, 5));
}

TEST(ValidationTest, NeitherAClickNorAMnemonicGetsPastAFailingFieldButCancelarEscapeAndClosingDo)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    d.show();
    QSignalSpy pressed(d.cbOk, &QPushButton::pressed);
    QSignalSpy gridClicks(d.grid, &toolkit::FlexGrid::Click);

    testinput::click(d.cbOk);
    EXPECT_EQ(std::tuple(d.okClicks, pressed.count(), d.cbOk->isDown()), std::tuple(0, 0, false));
    testinput::click(d.placas);
    testinput::click(d.grid->viewport(), QPoint(20, 5));
    EXPECT_EQ(gridClicks.count(), 0);
    EXPECT_EQ(d.state(), at(d.conductor, 3)) << "nor does another field take the focus";
    QWindow *window = d.dialog->windowHandle();
    QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(d.okClicks, 0);
    QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(d.state(), at(d.conductor, 5)) << "a label's mnemonic moves no focus either";

    // "Cancelar" gets through and leaves the check due for the next control that validates.
    testinput::click(d.cbCancelar);
    EXPECT_EQ(std::pair(d.cancelClicks, d.validator->pendingField()), (std::pair<int, QWidget *>(1, d.conductor)));
    EXPECT_EQ(d.state(), at(d.cbCancelar, 5));
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 0);
    EXPECT_EQ(d.state(), at(d.conductor, 6)) << "the failing field takes the focus back";
    testinput::click(d.cbCancelar);
    testinput::click(d.conductor);
    EXPECT_EQ(d.state(), at(d.conductor, 6)) << "going back into the due field itself checks nothing";
    d.backtab();
    EXPECT_EQ(d.state(), at(d.conductor, 7)) << "Backtab from the first field reaches Procesar: held too";

    d.conductor->setText(QStringLiteral("AB12"));
    testinput::click(d.cbOk);
    EXPECT_EQ(d.state(), at(d.cbOk, 8));
    testinput::click(d.cbOk);
    EXPECT_EQ(std::pair(d.okClicks, d.checks), std::pair(2, 8)) << "nothing is due once the field was left";
    QTest::keyClick(window, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return d.okClicks == 3; }));

    d.conductor->clear();
    d.conductor->setFocus();
    QSignalSpy rejected(d.dialog.get(), &QDialog::rejected);
    d.key(Qt::Key_Escape);
    EXPECT_EQ(std::pair(rejected.count(), d.dialog->isVisible()), std::pair(qsizetype(1), false));
    d.show();
    EXPECT_TRUE(d.dialog->close());
    EXPECT_FALSE(d.dialog->isVisible());
    EXPECT_EQ(d.checks, 8) << "neither Escape nor closing the window validates";
}

TEST(ValidationTest, AThrowingCheckFailsAHiddenFieldIsNotCheckedAndACompositeFieldKeepsItsOwnPresses)
{
    testsupport::ScriptedCommonUtilitiesScope utilities;
    EntryDialog d;
    QStringList errors;
    d.validator->setValidator(d.placas, []() -> bool { throw std::runtime_error("base de datos caída"); });
    d.validator->setErrorHandler([&](const std::exception &error) { errors << QString::fromUtf8(error.what()); });
    // A code box with its lookup button, validated as one field.
    auto *box = new QWidget(d.dialog.get());
    auto *edit = new QLineEdit(box);
    auto *lookup = new QToolButton(box);
    lookup->setFocusPolicy(Qt::NoFocus);
    auto *row = new QHBoxLayout(box);
    row->addWidget(edit);
    row->addWidget(lookup);
    box->setFocusProxy(edit);
    d.dialog->layout()->addWidget(box);
    int lookups = 0;
    QObject::connect(lookup, &QToolButton::clicked, [&] { ++lookups; });
    int boxChecks = 0;
    d.validator->setValidator(box, [&] { return ++boxChecks, !edit->text().isEmpty(); });
    d.show();

    d.placas->setFocus();
    d.key(Qt::Key_Tab);
    EXPECT_TRUE(d.placas->hasFocus());
    EXPECT_EQ(errors, QStringList{QStringLiteral("base de datos caída")});

    // A due field that was hidden meanwhile holds nobody back.
    d.conductor->setFocus();
    testinput::click(d.cbCancelar);
    EXPECT_EQ(d.validator->pendingField(), d.conductor);
    d.conductor->hide();
    testinput::click(d.cbOk);
    EXPECT_EQ(std::pair(d.okClicks, d.checks), std::pair(1, 0));

    edit->setFocus();
    testinput::click(lookup);
    EXPECT_EQ(std::pair(lookups, boxChecks), std::pair(1, 0)) << "a press inside the field stays in it";
    EXPECT_TRUE(edit->hasFocus());
    testinput::click(d.cbOk);
    EXPECT_EQ(std::pair(d.okClicks, boxChecks), std::pair(1, 1));
    edit->setText(QStringLiteral("x"));
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 2);
}

// The library's own CommonUtilities from here on: every refusal shows a real modal message box.
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

    QTimer::singleShot(0, [] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
    });
    d.key(Qt::Key_Tab);
    // The window manager gives the dialog back its activation when the box closes.
    d.dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(d.dialog.get()));
    EXPECT_TRUE(d.conductor->hasFocus());
    EXPECT_EQ(hints, QStringList{QStringLiteral("conductor")}) << "the focus came back, nobody entered";

    d.conductor->setText(QStringLiteral("AB12"));
    testinput::click(d.grid->viewport(), QPoint(20, 5));
    EXPECT_EQ(hints, QStringList({"conductor", "detalles"}));
    ASSERT_GE(entered.count(), 2);
    EXPECT_EQ(entered.last().at(0).value<QWidget *>(), d.grid);
}

TEST(ValidationTest, AfterARefusedPressWhoseReleaseFellOnTheMessageTheNextClickWorks)
{
    hostlibs::InstallCommonUtilities(nullptr);
    EntryDialog d;
    d.show();
    QSignalSpy gridClicks(d.grid, &toolkit::FlexGrid::Click);
    // The user presses, lets go while the message is up (the release lands on the blocked
    // dialog), and closes the message.
    const auto refusedPress = [&](QWidget *target, QPoint at) {
        d.conductor->clear();
        d.conductor->setFocus();
        QTimer::singleShot(0, [&, target, at] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr) << "no message box";
            testinput::release(target, at);
            QTest::keyClick(box, Qt::Key_Return);
        });
        testinput::press(target, at);
        d.dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.dialog.get()));
        EXPECT_TRUE(d.conductor->hasFocus());
        d.conductor->setText(QStringLiteral("AB12"));
    };

    refusedPress(d.cbOk, d.cbOk->rect().center());
    EXPECT_EQ(std::pair(d.okClicks, d.checks), std::pair(0, 1));
    testinput::click(d.cbOk);
    EXPECT_EQ(d.okClicks, 1) << "the click after the refused one is not lost";
    EXPECT_FALSE(d.cbOk->isDown());

    const auto cell = [&](int row) { return d.grid->visualRect(d.grid->model()->index(row - 1, 0)).center(); };
    refusedPress(d.grid->viewport(), cell(2));
    EXPECT_EQ(d.grid->Row(), 1);
    testinput::click(d.grid->viewport(), cell(3));
    EXPECT_EQ(std::pair(d.grid->Row(), gridClicks.count()), std::pair(3, qsizetype(1)))
        << "the click reached the grid's click handler";

    // Held through the message, the button is let go afterwards: that release is swallowed, so
    // the grid sees no click on the cell it was last pressed on.
    d.conductor->clear();
    d.conductor->setFocus();
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
    testinput::click(d.grid->viewport(), cell(3));
    EXPECT_EQ(gridClicks.count(), 1);
    EXPECT_EQ(d.dialog->focusWidget(), d.conductor);
}

#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
#include "support/ScriptedCommonUtilities.h"
#include "toolkit/CodeLookupBox.h"
#include "toolkit/Error.h"
#include "toolkit/FocusValidator.h"
#include "toolkit/KeyPreview.h"
#include "toolkit/WindowInput.h"
#include "vontarelis/ui/HandlerGuard.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The library's own CommonUtilities, real modal boxes included, keeping what it reported.
struct RecordingUtilities : hostlibs::StandardCommonUtilities
{
    void ReportError(qint32 reserved, qint32 number, const QString &description, const QString &source) override
    {
        reports << QStringLiteral("%1|%2|%3").arg(number).arg(description, source);
        StandardCommonUtilities::ReportError(reserved, number, description, source);
    }
    QStringList reports;
};

// Runs `step` once `ready` holds, polling as a user waits for a window to come up.
void when(std::function<bool()> ready, std::function<void()> step)
{
    QTimer::singleShot(10, [ready, step] { ready() ? step() : when(ready, step); });
}

// A dialog whose load handler fails the first time, as when the database goes away for a moment.
class frmPrueba : public QDialog
{
public:
    frmPrueba()
    {
        setObjectName(QStringLiteral("frmPrueba"));
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(cbCargar);
        layout->addWidget(cbCancelar);
        connect(cbCargar, &QPushButton::clicked, this, [this] {
            vontarelis::Guarded(QStringLiteral("frmPrueba::cbCargar_Click"), [this] {
                if (++attempts == 1)
                    throw toolkit::Error(toolkit::ErrDatabase, "Se perdió la conexión", "Framework");
                ++loads;
            });
        });
        connect(cbCancelar, &QPushButton::clicked, this, &QDialog::reject);
    }

    QPushButton *cbCargar = new QPushButton(QStringLiteral("Cargar"), this);
    QPushButton *cbCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    int attempts = 0;
    int loads = 0;
};

} // namespace

TEST(HandlerGuardTest, AFailingHandlerIsReportedOnceAndTheShownDialogStaysUsableForTheNextShowForm)
{
    auto owned = std::make_unique<RecordingUtilities>();
    RecordingUtilities &utilities = *owned;
    hostlibs::InstallCommonUtilities(std::move(owned));
    // What Qt says when an exception crossed its event loop, or when a dialog's loop was broken by one.
    static QStringList warnings;
    const auto collect = [](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtDebugMsg && type != QtInfoMsg && (text.contains("exception") || text.contains("Recursive")))
            warnings << text;
    };
    const QtMessageHandler previous = qInstallMessageHandler(collect);

    std::unique_ptr<QDialog> form = std::make_unique<frmPrueba>();
    auto &prueba = static_cast<frmPrueba &>(*form);
    QString shownReport;
    bool visibleAfterError = false;
    when([&] { return prueba.isVisible(); }, [&] {
        // The error box closes as a user closes it, keeping its text.
        when([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) != nullptr; }, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            shownReport = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        testinput::click(prueba.cbCargar);
        visibleAfterError = prueba.isVisible();
        testinput::click(prueba.cbCargar);
        testinput::click(prueba.cbCancelar);
    });
    utilities.ShowForm(form);
    EXPECT_TRUE(visibleAfterError);
    EXPECT_EQ(utilities.reports, QStringList{"-2147467259|Se perdió la conexión|frmPrueba::cbCargar_Click"});
    EXPECT_TRUE(shownReport.contains(QStringLiteral("frmPrueba::cbCargar_Click"))) << shownReport.toStdString();
    EXPECT_EQ(std::tuple(prueba.loads, form.get(), prueba.isVisible()),
              (std::tuple<int, QDialog *, bool>(1, &prueba, false)))
        << "the next click was answered and the instance kept";

    when([&] { return prueba.isVisible(); }, [&] {
        testinput::click(prueba.cbCargar);
        testinput::click(prueba.cbCancelar);
    });
    utilities.ShowForm(form);
    EXPECT_EQ(std::pair(prueba.loads, utilities.reports.size()), std::pair(2, qsizetype(1)))
        << "the kept instance showed again and answered";

    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, QStringList());
    hostlibs::InstallCommonUtilities(nullptr);
}

TEST(HandlerGuardTest, RoutedToolkitCallbacksAndGuardedHandlersReportTheirErrorsWithTheirLocation)
{
    struct UnreachableSource : toolkit::ILookupSource
    {
        QList<toolkit::LookupEntry> LookupEntries(const QString &, const QString &, const QString &) override
        {
            throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Sin conexión"));
        }
    };
    testsupport::ScriptedCommonUtilitiesScope utilities;
    const auto reports = [&] {
        QStringList texts;
        for (const auto &error : utilities->errors)
            texts << QStringLiteral("%1|%2|%3").arg(error.number).arg(error.description, error.source);
        utilities->errors.clear();
        return texts;
    };
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("frmRuta"));
    auto *conductor = new toolkit::CodeLookupBox(&dialog);
    conductor->setObjectName(QStringLiteral("conductor"));
    conductor->configure(std::make_shared<UnreachableSource>(), QStringLiteral("codigo"), QStringLiteral("nombre"),
                         QStringLiteral("Vendedores"), QStringLiteral("Vendedor"));
    (new QVBoxLayout(&dialog))->addWidget(conductor);
    dialog.layout()->addWidget(new QLineEdit(&dialog));
    auto *validator = new toolkit::FocusValidator(&dialog);
    validator->setValidator(conductor, []() -> bool { throw toolkit::Error(toolkit::ErrTypeMismatch, "Tipos"); });
    new toolkit::KeyPreview(&dialog, [](qint16 &keyAscii, QWidget *) {
        if (keyAscii == '#')
            throw toolkit::Error(toolkit::ErrOverflow, QStringLiteral("Desbordamiento"));
    });
    vontarelis::RouteToolkitErrors(dialog);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    conductor->setFocus();

    QTest::keyClick(conductor, Qt::Key_F2);
    QTest::keyClick(conductor, Qt::Key_Tab);
    QTest::keyClicks(conductor, QStringLiteral("#"));
    EXPECT_EQ(reports(), (QStringList{"-2147467259|Sin conexión|frmRuta::conductor_Lookup",
                                      "13|Tipos|frmRuta::Validate", "6|Desbordamiento|frmRuta::Form_KeyPress"}));
    EXPECT_TRUE(conductor->hasFocus()) << "the failed check kept the focus";
    EXPECT_EQ(conductor->text(), QStringLiteral("#")) << "the key went on";

    // A handler that answers gives its failure answer; anything thrown is reported.
    EXPECT_TRUE(vontarelis::Guarded(QStringLiteral("frmX::ok"), false, [] { return true; }));
    EXPECT_FALSE(vontarelis::Guarded(QStringLiteral("frmX::txtA_Validate"), false, []() -> bool {
        throw std::runtime_error("fuera de rango");
    }));
    vontarelis::Guarded(QStringLiteral("frmX::Timer1_Timer"), [] { throw 7; });
    vontarelis::ErrorReporter(QStringLiteral("frmX::Validate"))(
        toolkit::Error(toolkit::ErrTypeMismatch, QStringLiteral("No coinciden los tipos")));
    EXPECT_EQ(reports(), (QStringList{"5|fuera de rango|frmX::txtA_Validate", "5|Error desconocido|frmX::Timer1_Timer",
                                      "13|No coinciden los tipos|frmX::Validate"}));
}

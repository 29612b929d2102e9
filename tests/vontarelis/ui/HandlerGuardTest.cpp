#include "hostlibs/HostLibraries.h"
#include "hostlibs/StandardCommonUtilities.h"
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

// What Qt says when an exception crossed its event loop, or when a dialog's loop was broken by one.
QStringList &warnings()
{
    static QStringList seen;
    return seen;
}

void collectWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg
        && (message.contains(QLatin1String("exception")) || message.contains(QLatin1String("Recursive"))))
        warnings() << message;
}

// Closes the next message box, once it is up, as a user would; keeps its text.
void closeNextMessageBox(QString &text)
{
    QTimer::singleShot(10, [&text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            closeNextMessageBox(text);
            return;
        }
        text = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
}

// Runs the script once the dialog is up in its modal loop.
void onceShown(QDialog &dialog, std::function<void()> script)
{
    QTimer::singleShot(0, [&dialog, script] {
        if (!dialog.isVisible()) {
            onceShown(dialog, script);
            return;
        }
        script();
    });
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
        connect(cbCargar, &QPushButton::clicked, this,
                [this] { vontarelis::Guarded(QStringLiteral("frmPrueba::cbCargar_Click"), [this] { cbCargar_Click(); }); });
        connect(cbCancelar, &QPushButton::clicked, this, &QDialog::reject);
    }

    void cbCargar_Click()
    {
        if (++attempts == 1)
            throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Se perdió la conexión"), QStringLiteral("Framework"));
        ++loads;
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
    warnings().clear();
    const QtMessageHandler previousHandler = qInstallMessageHandler(collectWarning);

    std::unique_ptr<QDialog> form = std::make_unique<frmPrueba>();
    auto &prueba = static_cast<frmPrueba &>(*form);
    QDialog *const instance = form.get();
    QString shownReport;
    bool visibleAfterError = false;
    onceShown(prueba, [&] {
        closeNextMessageBox(shownReport);
        testinput::click(prueba.cbCargar);
        visibleAfterError = prueba.isVisible();
        testinput::click(prueba.cbCargar);
        testinput::click(prueba.cbCancelar);
    });
    utilities.ShowForm(form);
    EXPECT_TRUE(visibleAfterError);
    EXPECT_EQ(utilities.reports,
              QStringList{QStringLiteral("-2147467259|Se perdió la conexión|frmPrueba::cbCargar_Click")});
    EXPECT_TRUE(shownReport.contains(QStringLiteral("frmPrueba::cbCargar_Click"))) << shownReport.toStdString();
    EXPECT_EQ(prueba.loads, 1) << "the next click was answered";
    EXPECT_EQ(form.get(), instance);
    EXPECT_FALSE(prueba.isVisible());

    onceShown(prueba, [&] {
        testinput::click(prueba.cbCargar);
        testinput::click(prueba.cbCancelar);
    });
    utilities.ShowForm(form);
    EXPECT_EQ(prueba.loads, 2) << "the kept instance showed again and answered";
    EXPECT_EQ(utilities.reports.size(), 1);

    qInstallMessageHandler(previousHandler);
    EXPECT_EQ(warnings(), QStringList());
    hostlibs::InstallCommonUtilities(nullptr);
}

namespace {

// Keeps the reports and shows nothing.
struct Recording : hostlibs::StandardCommonUtilities
{
    void ReportError(qint32, qint32 number, const QString &description, const QString &source) override
    {
        reports << QStringLiteral("%1|%2|%3").arg(number).arg(description, source);
    }
    QStringList reports;
};

struct UnreachableSource : toolkit::ILookupSource
{
    QList<toolkit::LookupEntry> LookupEntries(const QString &, const QString &, const QString &) override
    {
        throw toolkit::Error(toolkit::ErrDatabase, QStringLiteral("Sin conexión"));
    }
};

} // namespace

TEST(HandlerGuardTest, RoutedToolkitCallbacksReportTheirErrorsWithTheDialogAsLocation)
{
    auto owned = std::make_unique<Recording>();
    Recording &utilities = *owned;
    hostlibs::InstallCommonUtilities(std::move(owned));
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("frmRuta"));
    auto *conductor = new toolkit::CodeLookupBox(&dialog);
    conductor->setObjectName(QStringLiteral("conductor"));
    conductor->configure(std::make_shared<UnreachableSource>(), QStringLiteral("codigo"), QStringLiteral("nombre"),
                         QStringLiteral("Vendedores"), QStringLiteral("Vendedor"));
    auto *placas = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(conductor);
    dialog.layout()->addWidget(placas);
    auto *validator = new toolkit::FocusValidator(&dialog);
    validator->setValidator(conductor, []() -> bool { throw toolkit::Error(toolkit::ErrTypeMismatch, QStringLiteral("Tipos")); });
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
    EXPECT_EQ(utilities.reports, (QStringList{"-2147467259|Sin conexión|frmRuta::conductor_Lookup",
                                              "13|Tipos|frmRuta::Validate", "6|Desbordamiento|frmRuta::Form_KeyPress"}));
    EXPECT_TRUE(conductor->hasFocus()) << "the failed check kept the focus";
    EXPECT_EQ(conductor->text(), QStringLiteral("#")) << "the key went on";
    hostlibs::InstallCommonUtilities(nullptr);
}

TEST(HandlerGuardTest, AnAnsweringHandlerGivesItsFailureAnswerAndAnyThrownValueIsReported)
{
    auto owned = std::make_unique<Recording>();
    Recording &utilities = *owned;
    hostlibs::InstallCommonUtilities(std::move(owned));

    EXPECT_TRUE(vontarelis::Guarded(QStringLiteral("frmX::ok"), false, [] { return true; }));
    EXPECT_FALSE(vontarelis::Guarded(QStringLiteral("frmX::txtA_Validate"), false, []() -> bool {
        throw std::runtime_error("fuera de rango");
    }));
    vontarelis::Guarded(QStringLiteral("frmX::Timer1_Timer"), [] { throw 7; });
    vontarelis::ErrorReporter(QStringLiteral("frmX::Validate"))(
        toolkit::Error(toolkit::ErrTypeMismatch, QStringLiteral("No coinciden los tipos")));
    EXPECT_EQ(utilities.reports, (QStringList{"5|fuera de rango|frmX::txtA_Validate", "5|Error desconocido|frmX::Timer1_Timer",
                                              "13|No coinciden los tipos|frmX::Validate"}));
    hostlibs::InstallCommonUtilities(nullptr);
}

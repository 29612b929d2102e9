#include "vontarelis/model/ModelTestBase.h"
#include "vontarelis/model/DetalleGuiaDespacho.h"

#include <QFile>

namespace {

class LineScriptDocumentTest : public modeltest::ModelTestBase
{
};

} // namespace

TEST_F(LineScriptDocumentTest, ASiteScriptReadsEveryFieldOfTheLine)
{
    QFile script(host.dataPath() + QStringLiteral("evDetalleGD.js"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(R"(function EvalVar(doc, name) {
    if (name === "CAMPOS")
        return { value: 1, text: [doc.codigoItem, doc.descripcion, doc.unidades, doc.peso, doc.volumen].join("|") };
})");
    script.close();
    vontarelis::DetalleGuiaDespacho line;
    line.setCodigoItem(QStringLiteral("ARZ-1"));
    line.setDescripcion(QStringLiteral("Arroz"));
    line.setUnidades(12);
    line.setPeso(24.5);
    line.setVolumen(0.75);

    QVariant value;
    QVariant text;
    ASSERT_TRUE(line.EvalVar(QStringLiteral("CAMPOS"), value, text));
    EXPECT_EQ(text.toString(), QStringLiteral("ARZ-1|Arroz|12|24.5|0.75"));
}

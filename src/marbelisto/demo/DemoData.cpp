#include "marbelisto/demo/DemoData.h"

#include "marbelisto/db/Database.h"
#include "marbelisto/demo/BulkInsert.h"
#include "marbelisto/demo/DemoCatalog.h"
#include "marbelisto/demo/DemoRandom.h"

#include "toolkit/Currency.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace marbelisto {

namespace {

using toolkit::Currency;

constexpr int Days = 42;
constexpr double CompanyRate = 1.0;
constexpr int GuidesOpen = 3;
constexpr int InvoicesPerGuide = 10;
constexpr int GuideDaysAgo = 1;
// Voucher numbers run apart from invoice numbers, as they do in real books.
constexpr qint32 FirstVoucher = 30001;

struct Customer
{
    QString codigo;
    QString nombre;
    QString zona;
    QString vendedor;
    // 0: not on the route.
    int ordenRuta = 0;
};

struct Article
{
    QString codigo;
    double peso;
    Currency precio;
};

struct OpenInvoice
{
    qint32 numero;
    const Customer *customer;
    QString zona;
    double peso;
    Currency neto;
    Currency iva;
    double tasa;
};

// Writes the books table by table; later tables draw on what earlier ones produced.
class Writer
{
public:
    Writer(Database &database, const DemoData::Options &options)
        : m_database(database), m_options(options), m_random(options.seed)
    {
    }

    void run()
    {
        writeCompany();
        writeZones();
        writeStaff();
        writeItems();
        writeReturnReasons();
        writeCustomers();
        writeInvoices();
        writeVehicles();
        writeGuides();
    }

private:
    template<typename T>
    const T &pick(const std::vector<T> &list)
    {
        return list[std::size_t(m_random.between(0, int(list.size()) - 1))];
    }

    QString pick(const QStringList &list) { return list.at(m_random.between(0, int(list.size()) - 1)); }

    QString serial(int length)
    {
        static constexpr char symbols[] = "ABCDEFGHJKLMNPRSTUVWXYZ0123456789";
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(QLatin1Char(symbols[m_random.between(0, int(sizeof symbols) - 2)]));
        return text;
    }

    void writeCompany()
    {
        BulkInsert(m_database, QStringLiteral("INSERT INTO Empresa (id, nombre, rif, direccion, telefono, tipoCambio, "
                                              "MascaraMonetarios, MascaraPrecios, MascaraCantidades) "
                                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"))
            .row({1, QStringLiteral("Distribuidora Marbelisto, C.A."), QStringLiteral("J-30456789-1"),
                  QStringLiteral("Av. Principal de La Urbina, Galpón 12, Caracas 1073, Miranda"),
                  QStringLiteral("0212-243.55.10"), CompanyRate, QStringLiteral("#,##0.00"),
                  QStringLiteral("#,##0.00"), QStringLiteral("#,##0.00")});
    }

    void writeZones()
    {
        BulkInsert insert(m_database, QStringLiteral("INSERT INTO Zonas (Codigo, Descripcion) VALUES (?, ?)"));
        for (const auto &zona : DemoCatalog::zonas())
            insert.row({zona.codigo, zona.descripcion});
    }

    void writeStaff()
    {
        BulkInsert insert(m_database, QStringLiteral("INSERT INTO Vendedores (Codigo, Nombre, telefono, esConductor) "
                                                     "VALUES (?, ?, ?, ?)"));
        for (const auto &persona : DemoCatalog::vendedores()) {
            insert.row({persona.codigo, persona.nombre, persona.telefono, persona.esConductor});
            if (!persona.esConductor)
                m_salespeople.push_back(persona.codigo);
        }
    }

    void writeItems()
    {
        BulkInsert insert(m_database, QStringLiteral("INSERT INTO ItemsInventario (codigo, descripcion, unidad, peso, "
                                                     "precio, volumen) VALUES (?, ?, ?, ?, ?, ?)"));
        int number = 0;
        for (const auto &item : DemoCatalog::items()) {
            const Article article{QStringLiteral("P%1").arg(number += 10, 4, 10, QLatin1Char('0')), item.peso,
                                  Currency::fromDouble(item.precio)};
            insert.row({article.codigo, item.descripcion, item.unidad, article.peso,
                        QVariant::fromValue(article.precio), item.volumen});
            m_articles.push_back(article);
        }
    }

    void writeReturnReasons()
    {
        BulkInsert insert(m_database, QStringLiteral("INSERT INTO MotivosDevolucion (codigo, descripcion) VALUES (?, ?)"));
        qint32 codigo = 0;
        for (const QString &motivo : DemoCatalog::motivosDevolucion())
            insert.row({++codigo, motivo});
    }

    void writeCustomers()
    {
        BulkInsert insert(m_database, QStringLiteral("INSERT INTO clientes (codigo, nombre, rif, direccion, telefono, "
                                                     "Zona, VendedorAsignado, ordenRuta) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        const auto zonas = DemoCatalog::zonas();
        // Route positions go in tens along each zone, so a new customer fits between two; every
        // tenth customer was never placed on the route.
        QHash<QString, int> ultimaPosicion;
        const int count = std::clamp(m_options.invoices / 25, 40, 4000);
        for (int i = 1; i <= count; ++i) {
            const auto &zona = pick(zonas);
            Customer customer{QStringLiteral("CL%1").arg(i, 5, 10, QLatin1Char('0')),
                              QStringLiteral("%1 %2, %3")
                                  .arg(pick(DemoCatalog::tiposNegocio()), pick(DemoCatalog::nombresNegocio()),
                                       pick(DemoCatalog::sociedades())),
                              zona.codigo, pick(m_salespeople)};
            const QString rif = QStringLiteral("J-%1-%2")
                                    .arg(m_random.between(10000000, 41999999), 8, 10, QLatin1Char('0'))
                                    .arg(m_random.between(0, 9));
            const QString direccion = QStringLiteral("%1, local %2, %3")
                                          .arg(pick(DemoCatalog::calles()))
                                          .arg(m_random.between(1, 60))
                                          .arg(zona.descripcion);
            const QString telefono = QStringLiteral("0212-%1.%2.%3")
                                         .arg(m_random.between(200, 999))
                                         .arg(m_random.between(10, 99))
                                         .arg(m_random.between(10, 99));
            customer.ordenRuta = i % 10 == 0 ? 0 : ultimaPosicion[zona.codigo] += 10;
            insert.row({customer.codigo, customer.nombre, rif, direccion, telefono, customer.zona, customer.vendedor,
                        customer.ordenRuta == 0 ? QVariant() : QVariant(customer.ordenRuta)});
            m_customers.push_back(std::move(customer));
        }
    }

    QString series()
    {
        const int draw = m_random.between(1, 100);
        return draw <= 60 ? QStringLiteral("A") : draw <= 90 ? QStringLiteral("B") : QStringLiteral("C");
    }

    // Most invoices are in the company's currency (1); some name no rate (0: the company's
    // applies) and some another currency worth half (2).
    double rate()
    {
        const int draw = m_random.between(1, 100);
        return draw <= 12 ? 0.0 : draw <= 22 ? 2.0 : 1.0;
    }

    bool dispatched(int daysAgo)
    {
        if (daysAgo > 10)
            return m_random.chance(85);
        if (daysAgo >= 3)
            return m_random.chance(30);
        return false;
    }

    void writeInvoices()
    {
        BulkInsert invoices(m_database,
                            QStringLiteral("INSERT INTO facturas (numero, serie, correlativo, codigoCliente, "
                                           "NombreCliente, codigoVendedor, FechaTransaccion, precioEfectivo, "
                                           "Impuesto1, tipocambio, Despachada) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        BulkInsert vouchers(m_database, QStringLiteral("INSERT INTO ComprobantesAlmacen (numero, TipoEntidadOrigen, "
                                                       "numeroDocumentoOrigen, fecha, concepto) VALUES (?, ?, ?, ?, ?)"));
        BulkInsert lines(m_database, QStringLiteral("INSERT INTO detallesMINV (numeroDocumento, codigoItem, Salidas, "
                                                    "Entradas) VALUES (?, ?, ?, ?)"));
        std::map<QString, qint32> correlativos;
        const QDate first = m_options.today.addDays(-(Days - 1));
        for (int i = 0; i < m_options.invoices; ++i) {
            const qint32 numero = i + 1;
            const QDate fecha = first.addDays(qint64(i) * Days / m_options.invoices);
            const int daysAgo = int(fecha.daysTo(m_options.today));
            const QString serie = series();
            const qint32 correlativo = ++correlativos[serie];
            const Customer &customer = pick(m_customers);
            const double tasa = rate();
            const qint32 voucher = FirstVoucher + i;
            const QString referencia = QStringLiteral("%1-%2").arg(serie).arg(correlativo, 6, 10, QLatin1Char('0'));

            vouchers.row({voucher, QStringLiteral("FCT"), numero, fecha.startOfDay(),
                          QStringLiteral("Salida por factura %1").arg(referencia)});
            Currency neto;
            double peso = 0.0;
            std::vector<int> used;
            const int lineCount = m_random.between(2, 5);
            while (int(used.size()) < lineCount) {
                const int index = m_random.between(0, int(m_articles.size()) - 1);
                if (std::find(used.cbegin(), used.cend(), index) != used.cend())
                    continue;
                used.push_back(index);
                const Article &article = m_articles[std::size_t(index)];
                const int salidas = m_random.between(1, 30);
                const int entradas = m_random.chance(8) ? m_random.between(1, salidas) : 0;
                lines.row({voucher, article.codigo, salidas, entradas});
                neto += Currency::fromRaw(article.precio.raw() * salidas);
                peso += (salidas - entradas) * article.peso;
            }
            // Amounts are in the invoice's currency: base value times its rate.
            if (tasa > 1.0)
                neto = Currency::fromDouble(neto.toDouble() * tasa);
            const Currency iva = Currency::fromDouble(neto.toDouble() * 0.16);
            const bool despachada = dispatched(daysAgo);
            invoices.row({numero, serie, correlativo, customer.codigo, customer.nombre, customer.vendedor,
                          fecha.startOfDay(), QVariant::fromValue(neto), QVariant::fromValue(iva), tasa, despachada});
            // The open guides are yesterday's: they carry invoices of that day or before.
            if (!despachada && daysAgo >= GuideDaysAgo && daysAgo <= 4)
                m_open[customer.vendedor].push_back(OpenInvoice{numero, &customer, customer.zona, peso, neto, iva, tasa});
        }
    }

    void writeVehicles()
    {
        BulkInsert types(m_database,
                         QStringLiteral("INSERT INTO gdTiposVehiculo (id, nombre, capacidadKg, capacidadM3) "
                                        "VALUES (?, ?, ?, ?)"));
        const QStringList tipos = DemoCatalog::tiposVehiculo();
        for (int i = 0; i < tipos.size(); ++i)
            types.row({i + 1, tipos.at(i), DemoCatalog::capacidadKg(tipos.at(i)), DemoCatalog::capacidadM3(tipos.at(i))});
        BulkInsert vehicles(m_database, QStringLiteral("INSERT INTO gdVehiculos (id, tipoVehiculo, placas, marca, "
                                                       "color, serialNIV, serialMotor, anho, modelo) "
                                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        int id = 0;
        for (const auto &vehiculo : DemoCatalog::vehiculos()) {
            vehicles.row({++id, qint32(tipos.indexOf(vehiculo.tipo) + 1), vehiculo.placas, vehiculo.marca,
                          vehiculo.color, serial(17), serial(10), vehiculo.anho, vehiculo.modelo});
        }
    }

    // A few guides of the last day still open, so that the review has something to show.
    void writeGuides()
    {
        BulkInsert guides(m_database,
                          QStringLiteral("INSERT INTO gdVontarelis (id, conductor, idVehiculo, fecha, horaRegistro, "
                                         "operador, facturas, totalPeso, totalPrecioVenta, totalIVA, vendedor, zona) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        BulkInsert links(m_database,
                         QStringLiteral("INSERT INTO gdFacturasGuia (idGuia, NumeroFactura, Parada) VALUES (?, ?, ?)"));
        const QDate fecha = m_options.today.addDays(-GuideDaysAgo);
        qint32 id = 0;
        for (const auto &[vendedor, invoices] : m_open) {
            if (id == GuidesOpen)
                break;
            const auto count = std::min<std::size_t>(invoices.size(), InvoicesPerGuide);
            ++id;
            double peso = 0.0;
            Currency neto;
            Currency iva;
            for (std::size_t i = 0; i < count; ++i) {
                const OpenInvoice &invoice = invoices[i];
                const double tasa = invoice.tasa == 0.0 ? CompanyRate : invoice.tasa;
                peso += invoice.peso;
                neto += Currency::fromDouble(invoice.neto.toDouble() / tasa);
                iva += Currency::fromDouble(invoice.iva.toDouble() / tasa);
            }
            guides.row({id, QStringLiteral("C%1").arg(id, 2, 10, QLatin1Char('0')), id, fecha.startOfDay(),
                        QDateTime(fecha, QTime(17, 30 + id)), QStringLiteral("ADMIN"), qint32(count), peso,
                        QVariant::fromValue(neto), QVariant::fromValue(iva), vendedor, invoices.front().zona});
            const std::map<const Customer *, int> paradas = stops(invoices, count);
            for (std::size_t i = 0; i < count; ++i)
                links.row({id, invoices[i].numero, paradas.at(invoices[i].customer)});
        }
    }

    // The customers of a guide's first invoices numbered along the route, those off it last by name.
    static std::map<const Customer *, int> stops(const std::vector<OpenInvoice> &invoices, std::size_t count)
    {
        std::vector<const Customer *> order;
        for (std::size_t i = 0; i < count; ++i) {
            if (std::find(order.cbegin(), order.cend(), invoices[i].customer) == order.cend())
                order.push_back(invoices[i].customer);
        }
        std::sort(order.begin(), order.end(), [](const Customer *a, const Customer *b) {
            const auto key = [](const Customer *c) { return std::tuple(c->ordenRuta == 0, c->ordenRuta, c->nombre); };
            return key(a) < key(b);
        });
        std::map<const Customer *, int> paradas;
        for (std::size_t i = 0; i < order.size(); ++i)
            paradas.emplace(order[i], int(i) + 1);
        return paradas;
    }

    Database &m_database;
    const DemoData::Options &m_options;
    DemoRandom m_random;
    std::vector<QString> m_salespeople;
    std::vector<Article> m_articles;
    std::vector<Customer> m_customers;
    std::map<QString, std::vector<OpenInvoice>> m_open;
};

} // namespace

DemoData::DemoData(const Options &options) : m_options(options) {}

void DemoData::fill(Database &database) const
{
    database.beginTransaction();
    try {
        Writer(database, m_options).run();
        database.commitTransaction();
    } catch (...) {
        database.rollbackTransaction();
        throw;
    }
}

} // namespace marbelisto

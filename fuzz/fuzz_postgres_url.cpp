// A PostgreSQL address as a site writes it. An address is refused with a reported error or
// read; a read address is one that names the engine, and the address written back from it reads
// as the same user, server, port, database and encryption settings.
#include "FuzzInput.h"

#include "marbelisto/db/PostgresUrl.h"
#include "toolkit/Error.h"

namespace {

QString parts(const marbelisto::PostgresUrl &url)
{
    return QStringLiteral("user «%1» host «%2» port %3 database «%4» sslmode «%5» sslrootcert «%6»")
        .arg(url.user(), url.host())
        .arg(url.port())
        .arg(url.databaseName(), url.sslMode(), url.sslRootCertificate());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzz::text(data, size);
    std::optional<marbelisto::PostgresUrl> url;
    try {
        url = marbelisto::PostgresUrl::parse(text);
    } catch (const toolkit::Error &) {
        return 0;
    }
    fuzz::check(marbelisto::PostgresUrl::names(text.trimmed()), "a read address names the engine", text);
    const QString written = url->toString();
    try {
        const marbelisto::PostgresUrl again = marbelisto::PostgresUrl::parse(written);
        fuzz::check(parts(again) == parts(*url), "an address written back reads the same",
                    QStringLiteral("«%1» read %2, written «%3» read %4").arg(text, parts(*url), written, parts(again)));
    } catch (const toolkit::Error &error) {
        fuzz::fail("an address written back is read again",
                   QStringLiteral("«%1» written «%2»: %3").arg(text, written, error.description()));
    }
    return 0;
}

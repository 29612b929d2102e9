#include "hostlibs/QrMatrix.h"

#include "toolkit/Error.h"

#include <qrencode.h>

#include <algorithm>
#include <memory>

namespace hostlibs {

namespace {

constexpr unsigned int Utf8Eci = 26;

using Symbol = std::unique_ptr<QRcode, decltype(&QRcode_free)>;

[[noreturn]] void fail(const QString &description)
{
    throw toolkit::Error(toolkit::ErrInvalidCall, description, QStringLiteral("DocumentPrinter"));
}

// Null when the bytes do not fit in the largest symbol.
Symbol symbolOf(const QByteArray &bytes)
{
    const std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, QR_ECLEVEL_M), &QRinput_free);
    if (!input)
        fail(QStringLiteral("No se pudo preparar el código QR"));
    // Readers take bytes as Latin-1 or guess unless told: accented text says it is UTF-8 (ECI 26).
    // Plain ASCII reads the same in every guess and goes without, for readers that know no ECI.
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char byte) { return (byte & 0x80) == 0; });
    if (!ascii && QRinput_appendECIheader(input.get(), Utf8Eci) != 0)
        fail(QStringLiteral("No se pudo preparar el código QR"));
    if (QRinput_append(input.get(), QR_MODE_8, int(bytes.size()),
                       reinterpret_cast<const unsigned char *>(bytes.constData())) != 0)
        fail(QStringLiteral("No se pudo preparar el código QR"));
    return Symbol(QRcode_encodeInput(input.get()), &QRcode_free);
}

} // namespace

bool QrMatrix::fits(const QString &text)
{
    return !text.isEmpty() && symbolOf(text.toUtf8()) != nullptr;
}

QrMatrix QrMatrix::encode(const QString &text)
{
    if (text.isEmpty())
        fail(QStringLiteral("Un código QR necesita un texto"));
    const QByteArray bytes = text.toUtf8();
    const Symbol code = symbolOf(bytes);
    if (!code)
        fail(QStringLiteral("El texto del código QR (%1 bytes) es demasiado largo").arg(bytes.size()));

    const int size = code->width;
    std::vector<bool> dark(std::size_t(size) * std::size_t(size));
    for (std::size_t index = 0; index < dark.size(); ++index)
        dark[index] = (code->data[index] & 1) != 0;
    return QrMatrix(size, std::move(dark));
}

} // namespace hostlibs
